// SPDX-License-Identifier: BSL-1.0
// The generic URI object: the components of a text of any scheme.
#undef NDEBUG  // the asserts state what the library returns: keep them in every build
//! [example]
#include <cassert>

#include <kaurl/URI.h>

int main() {
    const kaurl::URI uri(u"http://joe@MyHost:8080/a/b?x=1#top");
    assert(uri.IsValid());
    assert(uri.GetScheme() == u"http");
    assert(uri.GetAuthority() == u"joe@MyHost:8080");  // as written
    assert(uri.GetUserInfo() == u"joe");
    assert(uri.GetHost() == u"myhost");  // scheme and host in lower case
    assert(uri.GetPort() == u"8080");
    assert(uri.GetPath() == u"/a/b");
    assert(uri.GetQuery() == u"x=1");
    assert(uri.GetFragment() == u"top");

    // Text without a scheme is no URI, yet its components are still there.
    const kaurl::URI noScheme(u"//server/share");
    assert(!noScheme.IsValid());
    assert(noScheme.GetHost() == u"server");
}
//! [example]
