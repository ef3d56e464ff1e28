// SPDX-License-Identifier: BSL-1.0
// kaurl_url_get and its UTF-8 twin: one getter, chosen by a part value.
#include "capi/Boundary.h"
#include "capi/Handle.h"
#include "capi/Texts.h"
#include "kaurl/file.h"
#include "kaurl/kamedia.h"
#include "kaurl/kasynthetic.h"

namespace kaurl::capi {
namespace {

// The parts of every class, in the order of their values from 0.
using Getter = UTF16String (URI::*)() const;
constexpr Getter kGenericGetters[] = {
    &URI::GetURIString, &URI::GetScheme, &URI::GetAuthority, &URI::GetUserInfo, &URI::GetHost,
    &URI::GetPort,      &URI::GetPath,   &URI::GetQuery,     &URI::GetFragment,
};
constexpr int kGenericPartCount = sizeof kGenericGetters / sizeof kGenericGetters[0];
static_assert(kGenericPartCount == KAURL_PART_MOUNT_POINT, "one getter for each generic part");

// A part that only some classes have, or KAURL_WRONG_CLASS.
template <typename Url>
kaurl_status FileNamePart(const Url& url, int part, UTF16String& value) {
    value = part == KAURL_PART_FILE_NAME ? url.GetFileName() : url.GetFileExtension();
    return KAURL_OK;
}

kaurl_status SchemePart(const kaurl_url& url, int part, UTF16String& value) {
    if (url.uriClass == KAURL_CLASS_MEDIA && part == KAURL_PART_MOUNT_POINT) {
        value = ObjectAs<kamedia::URL>(url).GetMountPoint();
        return KAURL_OK;
    }
    if (url.uriClass == KAURL_CLASS_SYNTHETIC && part == KAURL_PART_SYNTHETIC_IMPORTER_ID) {
        value = ObjectAs<kasynthetic::URL>(url).GetSyntheticImporterID();
        return KAURL_OK;
    }
    if (part == KAURL_PART_FILE_NAME || part == KAURL_PART_FILE_EXTENSION) {
        if (url.uriClass == KAURL_CLASS_MEDIA) {
            return FileNamePart(ObjectAs<kamedia::URL>(url), part, value);
        }
        if (url.uriClass == KAURL_CLASS_FILE) {
            return FileNamePart(ObjectAs<file::URL>(url), part, value);
        }
    }
    return KAURL_WRONG_CLASS;
}

kaurl_status ReadPart(const kaurl_url* url, int part, UTF16String& value) {
    if (url == nullptr || part < 0 || part > KAURL_PART_SYNTHETIC_IMPORTER_ID) {
        return KAURL_BAD_ARGUMENT;
    }
    if (part < kGenericPartCount) {
        const Getter getter = kGenericGetters[part];
        value = (url->object.get()->*getter)();
        return KAURL_OK;
    }
    return SchemePart(*url, part, value);
}

template <typename Unit, typename Write>
kaurl_status Get(const kaurl_url* url, int part, Unit* buffer, std::size_t capacity,
                 std::size_t* length, Write write) {
    return Guarded([&] {
        if (!IsOutput(buffer, capacity, length)) {
            return KAURL_BAD_ARGUMENT;
        }
        UTF16String value;
        const kaurl_status status = ReadPart(url, part, value);
        return status == KAURL_OK ? write(value, buffer, capacity, length) : status;
    });
}

}  // namespace
}  // namespace kaurl::capi

using namespace kaurl::capi;

extern "C" {

kaurl_status kaurl_url_get(const kaurl_url* url, int part, kaurl_char16* buffer, size_t capacity,
                           size_t* length) {
    return Get(url, part, buffer, capacity, length, WriteUnits);
}

kaurl_status kaurl_url_get_utf8(const kaurl_url* url, int part, char* buffer, size_t capacity,
                                size_t* length) {
    return Get(url, part, buffer, capacity, length, WriteUtf8);
}

}  // extern "C"
