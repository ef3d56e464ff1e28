// SPDX-License-Identifier: BSL-1.0
// kaurl_web_compose, kaurl_web_substitute and kaurl_web_resolve: media URIs
// from a mount point and a path, and local paths from media URIs.
#include <string_view>

#include "Answer.h"
#include "JsonObject.h"
#include "Playground.h"

namespace kaurl::web {
namespace {

// The media URL that Create reads from the text: empty when Create refuses it.
void CreateMedia(const char16_t* uri, std::size_t uriLength, Handle& url) {
    const std::u16string text = Units(uri, uriLength);
    ThrowIfOutOfMemory(kaurl_url_create(KAURL_CLASS_MEDIA, KAURL_READ_CREATE, CodeUnits(text),
                                        text.size(), url.Receive()));
}

// The separator named `name` and the character it stands for, or false.
bool SeparatorNamed(std::string_view name, int& separator, char16_t& character) {
    if (name == "Slash") {
        separator = KAURL_SEPARATOR_SLASH;
        character = u'/';
    } else if (name == "Backslash") {
        separator = KAURL_SEPARATOR_BACKSLASH;
        character = u'\\';
    } else if (name == "Native") {
        separator = KAURL_SEPARATOR_NATIVE;
        character = KAURL_NATIVE_PATH_SEPARATOR;
    } else {
        return false;
    }
    return true;
}

}  // namespace
}  // namespace kaurl::web

using namespace kaurl::web;

extern "C" char* kaurl_web_compose(const char16_t* mountPoint, std::size_t mountPointLength,
                                   const char16_t* path, std::size_t pathLength) {
    const std::u16string mount = Units(mountPoint, mountPointLength);
    const std::u16string names = Units(path, pathLength);
    Handle url;
    const kaurl_status status = kaurl_compose_media(CodeUnits(mount), mount.size(),
                                                    CodeUnits(names), names.size(), url.Receive());
    ThrowIfOutOfMemory(status);
    kaurl_status got = KAURL_OK;
    const std::u16string uri =
        status != KAURL_OK
            ? std::u16string()
            : Written(
                  [&](kaurl_char16* buffer, std::size_t capacity, std::size_t* length) {
                      return kaurl_url_get(url.Get(), KAURL_PART_URI_STRING, buffer, capacity,
                                           length);
                  },
                  got);
    return Answer(JsonObject().AddBool("created", status == KAURL_OK).AddText("uri", uri).Text());
}

extern "C" char* kaurl_web_substitute(const char16_t* uri, std::size_t uriLength,
                                      const char16_t* mountPath, std::size_t mountPathLength) {
    Handle url;
    CreateMedia(uri, uriLength, url);
    int created = 0;
    kaurl_url_is_valid(url.Get(), &created);
    const std::u16string mount = Units(mountPath, mountPathLength);
    kaurl_status status = KAURL_OK;
    const std::u16string path =
        created == 0
            ? std::u16string()
            : Written(
                  [&](kaurl_char16* buffer, std::size_t capacity, std::size_t* length) {
                      return kaurl_substitute_mount_point(url.Get(), CodeUnits(mount), mount.size(),
                                                          buffer, capacity, length);
                  },
                  status);
    return Answer(JsonObject().AddBool("created", created != 0).AddText("path", path).Text());
}

// A URI that Create refuses leaves the URL empty, and the resolution refuses
// that as an invalid URL.
extern "C" char* kaurl_web_resolve(const char16_t* uri, std::size_t uriLength,
                                   const char16_t* mountPath, std::size_t mountPathLength,
                                   const char* separatorName) {
    int separator = KAURL_SEPARATOR_NATIVE;
    char16_t character = u'/';
    if (!SeparatorNamed(separatorName, separator, character)) {
        return nullptr;
    }
    Handle url;
    CreateMedia(uri, uriLength, url);
    const std::u16string mount = Units(mountPath, mountPathLength);
    int refusal = KAURL_REFUSAL_INVALID_URL;
    kaurl_status status = KAURL_OK;
    const std::u16string localPath = Written(
        [&](kaurl_char16* buffer, std::size_t capacity, std::size_t* length) {
            return kaurl_resolve_local_path(url.Get(), CodeUnits(mount), mount.size(), separator,
                                            buffer, capacity, length, &refusal);
        },
        status);
    const bool resolved = status == KAURL_OK;
    return Answer(JsonObject()
                      .AddBool("resolved", resolved)
                      .AddText("local_path", localPath)
                      .AddAscii("refusal", resolved ? "" : kaurl_describe_refusal(refusal))
                      .AddText("separator", std::u16string(1, character))
                      .Text());
}
