// SPDX-License-Identifier: BSL-1.0
// Handles: made of a text by one class's constructor or Create, released,
// asked for their class, validity and port number.
#include "capi/Boundary.h"
#include "capi/Handle.h"
#include "capi/Texts.h"
#include "kaurl/file.h"
#include "kaurl/http.h"
#include "kaurl/kamedia.h"
#include "kaurl/kasynthetic.h"

namespace kaurl::capi {
namespace {

int ClassOfScheme(const UTF16String& text) {
    const URI uri(text);
    if (kamedia::IsKAMediaURI(uri)) {
        return KAURL_CLASS_MEDIA;
    }
    if (kasynthetic::IsKASyntheticURI(uri)) {
        return KAURL_CLASS_SYNTHETIC;
    }
    if (file::IsFileURI(uri)) {
        return KAURL_CLASS_FILE;
    }
    if (http::IsHttpURI(uri)) {
        return KAURL_CLASS_HTTP;
    }
    return KAURL_CLASS_GENERIC;
}

// `empty` as Create leaves it, or the object of the constructor.
template <typename Url>
kaurl_status Make(int uriClass, int reading, const UTF16String& text, Url empty,
                  bool (*create)(const UTF16String&, Url&), kaurl_url** url) {
    if (reading == KAURL_READ_CONSTRUCTOR) {
        return Hand(uriClass, Url(text), url);
    }
    create(text, empty);
    return Hand(uriClass, std::move(empty), url);
}

kaurl_status Make(int uriClass, int reading, const UTF16String& text, kaurl_url** url) {
    switch (uriClass) {
        case KAURL_CLASS_GENERIC:
            return Make(uriClass, reading, text, URI(), kaurl::Create, url);
        case KAURL_CLASS_MEDIA:
            return Make(uriClass, reading, text, kamedia::URL(), kamedia::Create, url);
        case KAURL_CLASS_SYNTHETIC:
            return Make(uriClass, reading, text, kasynthetic::URL(), kasynthetic::Create, url);
        case KAURL_CLASS_FILE:
            // The file class has no default constructor; one copied from an
            // empty generic URI is just as empty.
            return Make(uriClass, reading, text, file::URL(URI()), file::Create, url);
        case KAURL_CLASS_HTTP:
            return Make(uriClass, reading, text, http::URL(), http::Create, url);
        case KAURL_CLASS_BY_SCHEME:
            return Make(ClassOfScheme(text), reading, text, url);
    }
    return KAURL_BAD_ARGUMENT;
}

bool IsCreation(int uriClass, int reading, kaurl_url* const* url) {
    return url != nullptr && uriClass >= KAURL_CLASS_GENERIC && uriClass <= KAURL_CLASS_BY_SCHEME &&
           (reading == KAURL_READ_CONSTRUCTOR || reading == KAURL_READ_CREATE);
}

template <typename Read, typename Unit>
kaurl_status Create(int uriClass, int reading, const Unit* text, std::size_t length,
                    kaurl_url** url, Read read) {
    return Guarded([&] {
        if (!IsCreation(uriClass, reading, url)) {
            return KAURL_BAD_ARGUMENT;
        }
        UTF16String units;
        const kaurl_status status = read(text, length, units);
        return status == KAURL_OK ? Make(uriClass, reading, units, url) : status;
    });
}

}  // namespace
}  // namespace kaurl::capi

using namespace kaurl::capi;

extern "C" {

kaurl_status kaurl_url_create(int uri_class, int reading, const kaurl_char16* text, size_t length,
                              kaurl_url** url) {
    return Create(uri_class, reading, text, length, url, ReadUnits);
}

kaurl_status kaurl_url_create_utf8(int uri_class, int reading, const char* text, size_t length,
                                   kaurl_url** url) {
    return Create(uri_class, reading, text, length, url, ReadUtf8);
}

void kaurl_url_free(kaurl_url* url) {
    delete url;
}

kaurl_status kaurl_url_class(const kaurl_url* url, int* uri_class) {
    if (url == nullptr || uri_class == nullptr) {
        return KAURL_BAD_ARGUMENT;
    }
    *uri_class = url->uriClass;
    return KAURL_OK;
}

kaurl_status kaurl_url_is_valid(const kaurl_url* url, int* valid) {
    if (url == nullptr || valid == nullptr) {
        return KAURL_BAD_ARGUMENT;
    }
    *valid = url->object->IsValid() ? 1 : 0;
    return KAURL_OK;
}

kaurl_status kaurl_url_port_number(const kaurl_url* url, int* port) {
    if (url == nullptr || port == nullptr) {
        return KAURL_BAD_ARGUMENT;
    }
    if (url->uriClass != KAURL_CLASS_HTTP) {
        return KAURL_WRONG_CLASS;
    }
    *port = ObjectAs<kaurl::http::URL>(*url).GetPortNumber();
    return KAURL_OK;
}

}  // extern "C"
