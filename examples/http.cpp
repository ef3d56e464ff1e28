// SPDX-License-Identifier: BSL-1.0
// HTTP URIs: the host alphabet and the port number with its defaults.
#undef NDEBUG  // the asserts state what the library returns: keep them in every build
//! [example]
#include <cassert>

#include <kaurl/http.h>

int main() {
    const kaurl::http::URL url(u"https://editor@Assets.Example.org/clips/a.mxf?v=2");
    assert(url.IsValid());
    assert(url.GetHost() == u"assets.example.org");
    assert(url.GetPort().empty());
    assert(url.GetPortNumber() == 443);  // the default port of https
    assert(kaurl::http::URL(u"http://example.org:8080/").GetPortNumber() == 8080);

    // A host may hold only letters, digits, "." and "-".
    assert(!kaurl::http::URL(u"http://bad_host.example.org/").IsValid());
    assert(!kaurl::http::URL(u"http://[2001:db8::1]/").IsValid());
}
//! [example]
