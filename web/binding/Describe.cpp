// SPDX-License-Identifier: BSL-1.0
// kaurl_web_describe: the parts of a text as each URI class reads it, under
// the keys and class names of `kaurl parse --json`.
#include <optional>
#include <string>
#include <string_view>

#include "Answer.h"
#include "JsonObject.h"
#include "Playground.h"
#include "kaurl/file.h"
#include "kaurl/http.h"
#include "kaurl/kamedia.h"
#include "kaurl/kasynthetic.h"

namespace kaurl::web {
namespace {

void AddParts(JsonObject& json, const URI& uri) {
    json.AddText("scheme", uri.GetScheme())
        .AddText("authority", uri.GetAuthority())
        .AddText("userinfo", uri.GetUserInfo())
        .AddText("host", uri.GetHost())
        .AddText("port", uri.GetPort())
        .AddText("path", uri.GetPath())
        .AddText("query", uri.GetQuery())
        .AddText("fragment", uri.GetFragment());
}

// The display name as `kaurl parse --json` gives it: the name and an empty
// refusal, or an empty name and the refusal's text.
void AddDisplayName(JsonObject& json, const kamedia::URL& url) {
    UTF16String name;
    auto refusal = kamedia::LocalPathRefusal::InvalidURL;
    const bool given = kamedia::GetDisplayName(url, name, &refusal);
    json.AddText("display_name", name)
        .AddAscii("display_name_refusal", given ? "" : kamedia::DescribeLocalPathRefusal(refusal));
}

void AddParts(JsonObject& json, const kamedia::URL& url) {
    AddParts(json, static_cast<const URI&>(url));
    json.AddText("mount_point", url.GetMountPoint())
        .AddText("file_name", url.GetFileName())
        .AddText("file_extension", url.GetFileExtension());
    AddDisplayName(json, url);
}

void AddParts(JsonObject& json, const kasynthetic::URL& url) {
    AddParts(json, static_cast<const URI&>(url));
    json.AddText("synthetic_importer_id", url.GetSyntheticImporterID());
}

void AddParts(JsonObject& json, const file::URL& url) {
    AddParts(json, static_cast<const URI&>(url));
    json.AddText("file_name", url.GetFileName()).AddText("file_extension", url.GetFileExtension());
}

void AddParts(JsonObject& json, const http::URL& url) {
    AddParts(json, static_cast<const URI&>(url));
    json.AddNumber("port_number", url.GetPortNumber());
}

template <typename Url>
std::string Describe(const char* className, const UTF16String& text, const Url& url) {
    JsonObject json;
    json.AddText("input", text).AddAscii("class", className).AddBool("valid", url.IsValid());
    AddParts(json, url);
    return json.Text();
}

// Read by the constructor, or by Create into `empty`, which it fills only
// when it accepts the text.
template <typename Url>
std::string Describe(const char* className, const UTF16String& text, bool create, Url empty,
                     bool (*createFunction)(const UTF16String&, Url&)) {
    if (!create) {
        return Describe(className, text, Url(text));
    }
    createFunction(text, empty);
    return Describe(className, text, empty);
}

// The class that handles the text's scheme, as `kaurl parse --as auto` picks it.
const char* ClassOfScheme(const UTF16String& text) {
    const URI uri(text);
    if (kamedia::IsKAMediaURI(uri)) {
        return "kamedia";
    }
    if (kasynthetic::IsKASyntheticURI(uri)) {
        return "kasynthetic";
    }
    if (file::IsFileURI(uri)) {
        return "file";
    }
    if (http::IsHttpURI(uri)) {
        return "http";
    }
    return "uri";
}

std::optional<std::string> DescribeAs(std::string_view className, const UTF16String& text,
                                      bool create) {
    if (className == "uri") {
        return Describe("uri", text, create, URI(), kaurl::Create);
    }
    if (className == "kamedia") {
        return Describe("kamedia", text, create, kamedia::URL(), kamedia::Create);
    }
    if (className == "kasynthetic") {
        return Describe("kasynthetic", text, create, kasynthetic::URL(), kasynthetic::Create);
    }
    if (className == "file") {
        // The file class has no default constructor; one copied from an empty
        // generic URI is just as empty.
        return Describe("file", text, create, file::URL(URI()), file::Create);
    }
    if (className == "http") {
        return Describe("http", text, create, http::URL(), http::Create);
    }
    return std::nullopt;
}

}  // namespace
}  // namespace kaurl::web

extern "C" char* kaurl_web_describe(const char16_t* text, std::size_t length, const char* className,
                                    int create) {
    using namespace kaurl::web;
    const kaurl::UTF16String units = Units(text, length);
    const std::string_view name(className);
    const auto json = DescribeAs(name == "auto" ? ClassOfScheme(units) : name, units, create != 0);
    return json ? Answer(*json) : nullptr;
}
