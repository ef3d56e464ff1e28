// SPDX-License-Identifier: BSL-1.0
// The decomposition expression is compiled once per process. Its one test
// installs a facet before the process's first decomposition, so it has a
// program of its own.
#include <locale>
#include <string>

#include <gtest/gtest.h>

#include "kaurl/URI.h"
#include "support/GlobalLocale.h"

namespace {

// Widens every ASCII character to its full-width form (U+FF01 to U+FF5E):
// read under this facet, no character of the expression would be syntax.
class FullWidthCtype : public std::ctype<wchar_t> {
protected:
    wchar_t do_widen(char c) const override {
        return static_cast<wchar_t>(static_cast<unsigned char>(c) + 0xFEE0);
    }
};

std::u16string Decompose() {
    const kaurl::URI uri(u"HTTP://u@Host:1/p?q#f");
    EXPECT_TRUE(uri.IsValid());
    return uri.GetScheme() + u"|" + uri.GetUserInfo() + u"|" + uri.GetHost() + u"|" +
           uri.GetPort() + u"|" + uri.GetPath() + u"|" + uri.GetQuery() + u"|" + uri.GetFragment();
}

// The global locale of the first call decides neither that call nor a later one.
TEST(Decomposition, ReadsTheExpressionUnderTheClassicLocale) {
    {
        const kaurl::test_support::GlobalLocale installed(
            kaurl::test_support::ClassicWith(new FullWidthCtype));
        EXPECT_EQ(Decompose(), u"http|u|host|1|/p|q|f");
    }
    EXPECT_EQ(Decompose(), u"http|u|host|1|/p|q|f");
}

}  // namespace
