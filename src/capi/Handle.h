// SPDX-License-Identifier: BSL-1.0
#pragma once

// What a kaurl_url handle holds: an object of one URI class and that class.

#include <memory>

#include "kaurl/URI.h"
#include "kaurl/kaurl.h"

struct kaurl_url {
    int uriClass;  // a kaurl_class value other than KAURL_CLASS_BY_SCHEME
    std::unique_ptr<kaurl::URI> object;
};

namespace kaurl::capi {

// The object of `url` as its scheme class; the caller has checked the class.
template <typename Url>
const Url& ObjectAs(const kaurl_url& url) {
    return static_cast<const Url&>(*url.object);
}

// A new handle for `object` in `*url`.
template <typename Url>
kaurl_status Hand(int uriClass, Url object, kaurl_url** url) {
    *url = new kaurl_url{uriClass, std::make_unique<Url>(std::move(object))};
    return KAURL_OK;
}

}  // namespace kaurl::capi
