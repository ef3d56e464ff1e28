// SPDX-License-Identifier: BSL-1.0
// Media and synthetic URLs composed of their names, and the local paths and
// display names of media URLs with the reasons of a refusal.
#include "capi/Boundary.h"
#include "capi/Handle.h"
#include "capi/Texts.h"
#include "kaurl/kamedia.h"
#include "kaurl/kasynthetic.h"

namespace kaurl::capi {
namespace {

using kamedia::LocalPathRefusal;
using kamedia::PathSeparator;

// The C values are the C++ ones; a value added there must be added here.
static_assert(KAURL_REFUSAL_INVALID_URL == static_cast<int>(LocalPathRefusal::InvalidURL));
static_assert(KAURL_REFUSAL_NAMES_NO_FILE == static_cast<int>(LocalPathRefusal::NamesNoFile));
static_assert(KAURL_REFUSAL_MALFORMED_ESCAPE ==
              static_cast<int>(LocalPathRefusal::MalformedEscape));
static_assert(KAURL_REFUSAL_NOT_UTF8 == static_cast<int>(LocalPathRefusal::NotUTF8));
static_assert(KAURL_REFUSAL_CONTROL_CHARACTER ==
              static_cast<int>(LocalPathRefusal::ControlCharacter));
static_assert(KAURL_REFUSAL_LEAVES_MOUNT_POINT ==
              static_cast<int>(LocalPathRefusal::LeavesMountPoint));
static_assert(KAURL_REFUSAL_WINDOWS_NAME == static_cast<int>(LocalPathRefusal::WindowsName));
static_assert(KAURL_REFUSAL_CONTROL_CHARACTER_IN_MOUNT_PATH ==
              static_cast<int>(LocalPathRefusal::ControlCharacterInMountPath));
static_assert(KAURL_REFUSAL_EMPTY_MOUNT_PATH == static_cast<int>(LocalPathRefusal::EmptyMountPath));
static_assert(KAURL_REFUSAL_INVISIBLE_CHARACTER ==
              static_cast<int>(LocalPathRefusal::InvisibleCharacter));
static_assert(KAURL_REFUSAL_NAME_TOO_LONG == static_cast<int>(LocalPathRefusal::NameTooLong));
static_assert(KAURL_REFUSAL_CHANGED_BY_CODE_PAGE ==
              static_cast<int>(LocalPathRefusal::ChangedByCodePage));

bool SeparatorOf(int separator, PathSeparator& native) {
    switch (separator) {
        case KAURL_SEPARATOR_NATIVE:
            native = PathSeparator::Native;
            return true;
        case KAURL_SEPARATOR_SLASH:
            native = PathSeparator::Slash;
            return true;
        case KAURL_SEPARATOR_BACKSLASH:
            native = PathSeparator::Backslash;
            return true;
    }
    return false;
}

const kamedia::URL* MediaUrl(const kaurl_url* url) {
    return url != nullptr && url->uriClass == KAURL_CLASS_MEDIA ? &ObjectAs<kamedia::URL>(*url)
                                                                : nullptr;
}

template <typename Unit, typename Read, typename Write>
kaurl_status Resolve(const kaurl_url* url, const Unit* mountPath, std::size_t mountPathLength,
                     int separator, Unit* buffer, std::size_t capacity, std::size_t* length,
                     int* refusal, Read read, Write write) {
    return Guarded([&] {
        PathSeparator native{};
        UTF16String mount;
        if (url == nullptr || !IsOutput(buffer, capacity, length) ||
            !SeparatorOf(separator, native)) {
            return KAURL_BAD_ARGUMENT;
        }
        if (MediaUrl(url) == nullptr) {
            return KAURL_WRONG_CLASS;
        }
        if (const kaurl_status status = read(mountPath, mountPathLength, mount);
            status != KAURL_OK) {
            return status;
        }
        UTF16String path;
        LocalPathRefusal why{};
        if (!kamedia::ResolveLocalPath(*MediaUrl(url), mount, path, native, &why)) {
            if (refusal != nullptr) {
                *refusal = static_cast<int>(why);
            }
            return KAURL_REFUSED;
        }
        return write(path, buffer, capacity, length);
    });
}

template <typename Unit, typename Write>
kaurl_status DisplayName(const kaurl_url* url, Unit* buffer, std::size_t capacity,
                         std::size_t* length, int* refusal, Write write) {
    return Guarded([&] {
        if (url == nullptr || !IsOutput(buffer, capacity, length)) {
            return KAURL_BAD_ARGUMENT;
        }
        if (MediaUrl(url) == nullptr) {
            return KAURL_WRONG_CLASS;
        }
        UTF16String name;
        LocalPathRefusal why{};
        if (!kamedia::GetDisplayName(*MediaUrl(url), name, &why)) {
            if (refusal != nullptr) {
                *refusal = static_cast<int>(why);
            }
            return KAURL_REFUSED;
        }
        return write(name, buffer, capacity, length);
    });
}

}  // namespace
}  // namespace kaurl::capi

using namespace kaurl::capi;

extern "C" {

kaurl_status kaurl_compose_media(const kaurl_char16* mount_point, size_t mount_point_length,
                                 const kaurl_char16* path, size_t path_length, kaurl_url** url) {
    return Guarded([&] {
        kaurl::UTF16String mount;
        kaurl::UTF16String names;
        if (url == nullptr || ReadUnits(mount_point, mount_point_length, mount) != KAURL_OK ||
            ReadUnits(path, path_length, names) != KAURL_OK) {
            return KAURL_BAD_ARGUMENT;
        }
        kaurl::kamedia::URL composed;
        if (!kaurl::kamedia::CreateFromMountPointAndPath(mount, names, composed)) {
            return KAURL_REFUSED;
        }
        return Hand(KAURL_CLASS_MEDIA, std::move(composed), url);
    });
}

kaurl_status kaurl_compose_synthetic(const kaurl_char16* identifier, size_t length,
                                     kaurl_url** url) {
    return Guarded([&] {
        kaurl::UTF16String text;
        if (url == nullptr || ReadUnits(identifier, length, text) != KAURL_OK) {
            return KAURL_BAD_ARGUMENT;
        }
        kaurl::kasynthetic::URL composed;
        if (!kaurl::kasynthetic::CreateFromSyntheticImporterID(text, composed)) {
            return KAURL_REFUSED;
        }
        return Hand(KAURL_CLASS_SYNTHETIC, std::move(composed), url);
    });
}

kaurl_status kaurl_resolve_local_path(const kaurl_url* url, const kaurl_char16* mount_path,
                                      size_t mount_path_length, int separator, kaurl_char16* buffer,
                                      size_t capacity, size_t* length, int* refusal) {
    return Resolve(url, mount_path, mount_path_length, separator, buffer, capacity, length, refusal,
                   ReadUnits, WriteUnits);
}

kaurl_status kaurl_resolve_local_path_utf8(const kaurl_url* url, const char* mount_path,
                                           size_t mount_path_length, int separator, char* buffer,
                                           size_t capacity, size_t* length, int* refusal) {
    return Resolve(url, mount_path, mount_path_length, separator, buffer, capacity, length, refusal,
                   ReadUtf8, WriteUtf8);
}

kaurl_status kaurl_substitute_mount_point(const kaurl_url* url, const kaurl_char16* mount_path,
                                          size_t mount_path_length, kaurl_char16* buffer,
                                          size_t capacity, size_t* length) {
    return Guarded([&] {
        kaurl::UTF16String mount;
        if (url == nullptr || !IsOutput(buffer, capacity, length) ||
            ReadUnits(mount_path, mount_path_length, mount) != KAURL_OK) {
            return KAURL_BAD_ARGUMENT;
        }
        if (MediaUrl(url) == nullptr) {
            return KAURL_WRONG_CLASS;
        }
        return WriteUnits(kaurl::kamedia::SubstituteMountPointAndReturnPath(*MediaUrl(url), mount),
                          buffer, capacity, length);
    });
}

kaurl_status kaurl_display_name(const kaurl_url* url, kaurl_char16* buffer, size_t capacity,
                                size_t* length, int* refusal) {
    return DisplayName(url, buffer, capacity, length, refusal, WriteUnits);
}

kaurl_status kaurl_display_name_utf8(const kaurl_url* url, char* buffer, size_t capacity,
                                     size_t* length, int* refusal) {
    return DisplayName(url, buffer, capacity, length, refusal, WriteUtf8);
}

const char* kaurl_describe_refusal(int refusal) {
    return kaurl::kamedia::DescribeLocalPathRefusal(static_cast<LocalPathRefusal>(refusal));
}

}  // extern "C"
