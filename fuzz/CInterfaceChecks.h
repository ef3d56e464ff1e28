// SPDX-License-Identifier: BSL-1.0
#pragma once

// The C interface under the scheme-classes fuzz target: for any text, each
// class read either way answers through the C functions what the C++ objects
// answer, in UTF-16 and, unless the part holds a lone surrogate, in UTF-8; the
// local path, the display name and their refusals are those of the C++
// functions.
#include <cstddef>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "kaurl/kamedia.h"
#include "kaurl/kaurl.h"
#include "ostracore/Utility.h"

namespace kaurl::fuzz::capi {

inline const kaurl_char16* Units(const std::u16string& text) {
    return reinterpret_cast<const kaurl_char16*>(text.data());
}

inline std::u16string Part(const kaurl_url* url, int part) {
    std::size_t length = 0;
    Require(kaurl_url_get(url, part, nullptr, 0, &length) != KAURL_BAD_ARGUMENT, "length query");
    std::u16string value(length, u'\0');
    Require(kaurl_url_get(url, part, reinterpret_cast<kaurl_char16*>(&value[0]), length, &length) ==
                KAURL_OK,
            "a buffer of the length asked for");
    return value;
}

inline void CheckUtf8(const kaurl_url* url, int part, const std::u16string& value) {
    std::string bytes(4 * value.size(), '\0');
    std::size_t length = 0;
    const kaurl_status status = kaurl_url_get_utf8(url, part, &bytes[0], bytes.size(), &length);
    if (kaurl::fuzz::IsWellFormedUTF16(value)) {
        Require(
            status == KAURL_OK && bytes.substr(0, length) == ostracore::utility::UTF16to8(value),
            "the UTF-8 part is the part converted");
    } else {
        Require(status == KAURL_LONE_SURROGATE, "a lone surrogate gets its own status");
    }
}

// `url` is the media object read from `text` as `reading` says.
inline void CheckLocalPath(const kaurl_url* url, const std::u16string& text, int reading) {
    kaurl::kamedia::URL media;
    if (reading == KAURL_READ_CREATE) {
        kaurl::kamedia::Create(text, media);
    } else {
        media = kaurl::kamedia::URL(text);
    }
    std::u16string expected;
    auto why = kaurl::kamedia::LocalPathRefusal::InvalidURL;
    const bool resolved = kaurl::kamedia::ResolveLocalPath(
        media, u"/m", expected, kaurl::kamedia::PathSeparator::Slash, &why);
    const std::u16string mount = u"/m";
    std::u16string path(expected.size() + 1, u'\0');
    std::size_t length = 0;
    int refusal = -1;
    const kaurl_status status = kaurl_resolve_local_path(
        url, Units(mount), mount.size(), KAURL_SEPARATOR_SLASH,
        reinterpret_cast<kaurl_char16*>(&path[0]), path.size(), &length, &refusal);
    Require(resolved ? status == KAURL_OK && path.substr(0, length) == expected
                     : status == KAURL_REFUSED && refusal == static_cast<int>(why),
            "the local path of ResolveLocalPath");
    std::u16string name;
    const bool named = kaurl::kamedia::GetDisplayName(media, name, &why);
    std::u16string answer(name.size() + 1, u'\0');
    const kaurl_status nameStatus = kaurl_display_name(
        url, reinterpret_cast<kaurl_char16*>(&answer[0]), answer.size(), &length, &refusal);
    Require(named ? nameStatus == KAURL_OK && answer.substr(0, length) == name
                  : nameStatus == KAURL_REFUSED && refusal == static_cast<int>(why),
            "the display name of GetDisplayName");
}

inline void CheckCInterface(const std::u16string& text) {
    for (int reading : {KAURL_READ_CONSTRUCTOR, KAURL_READ_CREATE}) {
        for (int uriClass = KAURL_CLASS_GENERIC; uriClass <= KAURL_CLASS_BY_SCHEME; ++uriClass) {
            kaurl_url* handle = nullptr;
            Require(
                kaurl_url_create(uriClass, reading, Units(text), text.size(), &handle) == KAURL_OK,
                "every text makes an object");
            const std::unique_ptr<kaurl_url, void (*)(kaurl_url*)> url(handle, kaurl_url_free);
            int valid = -1;
            Require(kaurl_url_is_valid(url.get(), &valid) == KAURL_OK && (valid == 0 || valid == 1),
                    "validity");
            for (int part = KAURL_PART_URI_STRING; part <= KAURL_PART_SYNTHETIC_IMPORTER_ID;
                 ++part) {
                std::size_t length = 0;
                if (kaurl_url_get(url.get(), part, nullptr, 0, &length) != KAURL_WRONG_CLASS) {
                    CheckUtf8(url.get(), part, Part(url.get(), part));
                }
            }
            int actualClass = -1;
            kaurl_url_class(url.get(), &actualClass);
            if (actualClass == KAURL_CLASS_MEDIA) {
                CheckLocalPath(url.get(), text, reading);
            }
        }
    }
}

}  // namespace kaurl::fuzz::capi
