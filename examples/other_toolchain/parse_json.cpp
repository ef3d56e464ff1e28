// SPDX-License-Identifier: BSL-1.0
// A host built with another toolchain than the library (here clang++ with
// libc++ against a libkaurl built with GCC and libstdc++) uses kaurl through
// its C interface alone: for each line of standard input it prints what
// `kaurl parse --json` prints, one JSON object per line.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include <kaurl/kaurl.h>

namespace {

struct Field {
    const char* key;
    int part;
};

constexpr Field kGenericFields[] = {
    {"scheme", KAURL_PART_SCHEME},      {"authority", KAURL_PART_AUTHORITY},
    {"userinfo", KAURL_PART_USER_INFO}, {"host", KAURL_PART_HOST},
    {"port", KAURL_PART_PORT},          {"path", KAURL_PART_PATH},
    {"query", KAURL_PART_QUERY},        {"fragment", KAURL_PART_FRAGMENT},
};

// Each class's name in the tool and the parts it adds to the generic ones.
struct ClassFields {
    const char* name;
    std::vector<Field> fields;
};

const ClassFields& FieldsOf(int uriClass) {
    static const ClassFields classes[] = {
        {"uri", {}},
        {"kamedia",
         {{"mount_point", KAURL_PART_MOUNT_POINT},
          {"file_name", KAURL_PART_FILE_NAME},
          {"file_extension", KAURL_PART_FILE_EXTENSION}}},
        {"kasynthetic", {{"synthetic_importer_id", KAURL_PART_SYNTHETIC_IMPORTER_ID}}},
        {"file",
         {{"file_name", KAURL_PART_FILE_NAME}, {"file_extension", KAURL_PART_FILE_EXTENSION}}},
        {"http", {}},
    };
    return classes[uriClass];
}

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

// The UTF-8 text of one part, asked for its length first.
std::string Part(const kaurl_url* url, int part) {
    std::size_t length = 0;
    kaurl_status status = kaurl_url_get_utf8(url, part, nullptr, 0, &length);
    std::string text(length, '\0');
    if (status == KAURL_BUFFER_TOO_SMALL) {
        status = kaurl_url_get_utf8(url, part, &text[0], text.size(), &length);
    }
    if (status != KAURL_OK) {
        throw std::runtime_error(kaurl_status_text(status));
    }
    return text;
}

std::vector<std::string> Values(const kaurl_url* url, int uriClass) {
    std::vector<std::string> values;
    for (const Field& field : kGenericFields) {
        values.push_back(Part(url, field.part));
    }
    for (const Field& field : FieldsOf(uriClass).fields) {
        values.push_back(Part(url, field.part));
    }
    return values;
}

// An object of the class of the text's scheme, freed at the end of its scope.
struct Handle {
    Handle(int uriClass, int reading, const std::string& text) {
        const kaurl_status status =
            kaurl_url_create_utf8(uriClass, reading, text.data(), text.size(), &url);
        if (status != KAURL_OK) {
            throw std::runtime_error(kaurl_status_text(status));
        }
    }
    ~Handle() { kaurl_url_free(url); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    kaurl_url* url = nullptr;
};

// The JSON members of the display name: the name and an empty refusal, or an
// empty name and the refusal in words.
std::string DisplayName(const kaurl_url* url) {
    std::size_t length = 0;
    int refusal = 0;
    kaurl_status status = kaurl_display_name_utf8(url, nullptr, 0, &length, &refusal);
    std::string name(length, '\0');
    if (status == KAURL_BUFFER_TOO_SMALL) {
        status = kaurl_display_name_utf8(url, &name[0], name.size(), &length, &refusal);
    }
    if (status == KAURL_REFUSED) {
        return ",\"display_name\":\"\",\"display_name_refusal\":" +
               Quoted(kaurl_describe_refusal(refusal));
    }
    if (status != KAURL_OK) {
        throw std::runtime_error(kaurl_status_text(status));
    }
    return ",\"display_name\":" + Quoted(name) + ",\"display_name_refusal\":\"\"";
}

std::string Describe(const std::string& text) {
    const Handle constructed(KAURL_CLASS_BY_SCHEME, KAURL_READ_CONSTRUCTOR, text);
    int uriClass = 0;
    int valid = 0;
    kaurl_url_class(constructed.url, &uriClass);
    kaurl_url_is_valid(constructed.url, &valid);
    const ClassFields& classFields = FieldsOf(uriClass);
    const std::vector<std::string> values = Values(constructed.url, uriClass);

    std::string json = "{\"input\":" + Quoted(text) + ",\"class\":" + Quoted(classFields.name) +
                       ",\"valid\":" + (valid ? "true" : "false");
    std::size_t i = 0;
    for (const Field& field : kGenericFields) {
        json += std::string(",\"") + field.key + "\":" + Quoted(values[i++]);
    }
    for (const Field& field : classFields.fields) {
        json += std::string(",\"") + field.key + "\":" + Quoted(values[i++]);
    }
    if (uriClass == KAURL_CLASS_MEDIA) {
        json += DisplayName(constructed.url);
    }
    if (uriClass == KAURL_CLASS_HTTP) {
        int port = 0;
        kaurl_url_port_number(constructed.url, &port);
        json += ",\"port_number\":" + std::to_string(port);
    }
    if (uriClass == KAURL_CLASS_MEDIA) {
        // Whether Create accepts the text and reads other parts.
        const Handle created(uriClass, KAURL_READ_CREATE, text);
        int createdValid = 0;
        kaurl_url_is_valid(created.url, &createdValid);
        const bool differs = createdValid && Values(created.url, uriClass) != values;
        json += std::string(",\"create_differs\":") + (differs ? "true" : "false");
    }
    return json + "}";
}

}  // namespace

int main() {
    std::string line;
    int status = 0;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        try {
            std::cout << Describe(line) << '\n';
        } catch (const std::exception& error) {
            std::cerr << "parse_json: " << error.what() << '\n';
            status = 1;
        }
    }
    return status;
}
