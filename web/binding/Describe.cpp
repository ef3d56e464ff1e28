// SPDX-License-Identifier: BSL-1.0
// kaurl_web_describe: the parts of a text as each URI class reads it, under
// the keys and class names of `kaurl parse --json`.
#include <string>
#include <string_view>
#include <vector>

#include "Answer.h"
#include "JsonObject.h"
#include "Playground.h"

namespace kaurl::web {
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

// Each class by its value: its name and the parts it adds to the generic ones.
struct ClassFields {
    const char* name;
    std::vector<Field> fields;
};

const ClassFields kClasses[] = {
    {"uri", {}},
    {"kamedia",
     {{"mount_point", KAURL_PART_MOUNT_POINT},
      {"file_name", KAURL_PART_FILE_NAME},
      {"file_extension", KAURL_PART_FILE_EXTENSION}}},
    {"kasynthetic", {{"synthetic_importer_id", KAURL_PART_SYNTHETIC_IMPORTER_ID}}},
    {"file", {{"file_name", KAURL_PART_FILE_NAME}, {"file_extension", KAURL_PART_FILE_EXTENSION}}},
    {"http", {}},
};

// The class named `name`, KAURL_CLASS_BY_SCHEME for "auto", -1 for none.
int ClassNamed(std::string_view name) {
    if (name == "auto") {
        return KAURL_CLASS_BY_SCHEME;
    }
    for (int uriClass = KAURL_CLASS_GENERIC; uriClass <= KAURL_CLASS_HTTP; ++uriClass) {
        if (name == kClasses[uriClass].name) {
            return uriClass;
        }
    }
    return -1;
}

void AddPart(JsonObject& json, const kaurl_url* url, const Field& field) {
    kaurl_status status = KAURL_OK;
    json.AddText(field.key,
                 Written(
                     [&](kaurl_char16* buffer, std::size_t capacity, std::size_t* length) {
                         return kaurl_url_get(url, field.part, buffer, capacity, length);
                     },
                     status));
}

// The display name as `kaurl parse --json` gives it: the name and an empty
// refusal, or an empty name and the refusal's text.
void AddDisplayName(JsonObject& json, const kaurl_url* url) {
    int refusal = KAURL_REFUSAL_INVALID_URL;
    kaurl_status status = KAURL_OK;
    const std::u16string name = Written(
        [&](kaurl_char16* buffer, std::size_t capacity, std::size_t* length) {
            return kaurl_display_name(url, buffer, capacity, length, &refusal);
        },
        status);
    json.AddText("display_name", name)
        .AddAscii("display_name_refusal",
                  status == KAURL_OK ? "" : kaurl_describe_refusal(refusal));
}

std::string Describe(const std::u16string& text, const kaurl_url* url) {
    int uriClass = KAURL_CLASS_GENERIC;
    int valid = 0;
    kaurl_url_class(url, &uriClass);
    kaurl_url_is_valid(url, &valid);
    JsonObject json;
    json.AddText("input", text).AddAscii("class", kClasses[uriClass].name).AddBool("valid", valid);
    for (const Field& field : kGenericFields) {
        AddPart(json, url, field);
    }
    for (const Field& field : kClasses[uriClass].fields) {
        AddPart(json, url, field);
    }
    if (uriClass == KAURL_CLASS_MEDIA) {
        AddDisplayName(json, url);
    }
    int port = 0;
    if (kaurl_url_port_number(url, &port) == KAURL_OK) {
        json.AddNumber("port_number", port);
    }
    return json.Text();
}

}  // namespace
}  // namespace kaurl::web

extern "C" char* kaurl_web_describe(const char16_t* text, std::size_t length, const char* className,
                                    int create) {
    using namespace kaurl::web;
    const int uriClass = ClassNamed(className);
    if (uriClass < 0) {
        return nullptr;
    }
    const std::u16string units = Units(text, length);
    Handle url;
    ThrowIfOutOfMemory(kaurl_url_create(uriClass,
                                        create != 0 ? KAURL_READ_CREATE : KAURL_READ_CONSTRUCTOR,
                                        CodeUnits(units), units.size(), url.Receive()));
    return Answer(Describe(units, url.Get()));
}
