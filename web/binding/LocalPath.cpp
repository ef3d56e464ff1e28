// SPDX-License-Identifier: BSL-1.0
// kaurl_web_compose, kaurl_web_substitute and kaurl_web_resolve: media URIs
// from a mount point and a path, and local paths from media URIs.
#include <optional>
#include <string_view>

#include "Answer.h"
#include "JsonObject.h"
#include "Playground.h"
#include "kaurl/kamedia.h"

extern "C" char* kaurl_web_compose(const char16_t* mountPoint, std::size_t mountPointLength,
                                   const char16_t* path, std::size_t pathLength) {
    using namespace kaurl::web;
    kaurl::kamedia::URL url;
    const bool created = kaurl::kamedia::CreateFromMountPointAndPath(
        Units(mountPoint, mountPointLength), Units(path, pathLength), url);
    return Answer(
        JsonObject().AddBool("created", created).AddText("uri", url.GetURIString()).Text());
}

extern "C" char* kaurl_web_substitute(const char16_t* uri, std::size_t uriLength,
                                      const char16_t* mountPath, std::size_t mountPathLength) {
    using namespace kaurl::web;
    kaurl::kamedia::URL url;
    const bool created = kaurl::kamedia::Create(Units(uri, uriLength), url);
    const kaurl::UTF16String path = created ? kaurl::kamedia::SubstituteMountPointAndReturnPath(
                                                  url, Units(mountPath, mountPathLength))
                                            : kaurl::UTF16String();
    return Answer(JsonObject().AddBool("created", created).AddText("path", path).Text());
}

namespace {

std::optional<kaurl::kamedia::PathSeparator> SeparatorNamed(std::string_view name) {
    using kaurl::kamedia::PathSeparator;
    if (name == "Slash") {
        return PathSeparator::Slash;
    }
    if (name == "Backslash") {
        return PathSeparator::Backslash;
    }
    if (name == "Native") {
        return PathSeparator::Native;
    }
    return std::nullopt;
}

}  // namespace

extern "C" char* kaurl_web_resolve(const char16_t* uri, std::size_t uriLength,
                                   const char16_t* mountPath, std::size_t mountPathLength,
                                   const char* separatorName) {
    using namespace kaurl::web;
    const auto separator = SeparatorNamed(separatorName);
    if (!separator) {
        return nullptr;
    }
    // A URI that Create refuses leaves the URL empty, and ResolveLocalPath
    // refuses that as an invalid URL.
    kaurl::kamedia::URL url;
    kaurl::kamedia::Create(Units(uri, uriLength), url);
    kaurl::UTF16String localPath;
    auto refusal = kaurl::kamedia::LocalPathRefusal::InvalidURL;
    const bool resolved = kaurl::kamedia::ResolveLocalPath(url, Units(mountPath, mountPathLength),
                                                           localPath, *separator, &refusal);
    return Answer(
        JsonObject()
            .AddBool("resolved", resolved)
            .AddText("local_path", localPath)
            .AddAscii("refusal", resolved ? "" : kaurl::kamedia::DescribeLocalPathRefusal(refusal))
            .AddText("separator", kaurl::UTF16String(1, static_cast<char16_t>(*separator)))
            .Text());
}
