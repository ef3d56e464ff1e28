// SPDX-License-Identifier: BSL-1.0
#include "kaurl/http.h"

#include <string>

#include <gtest/gtest.h>

#include "support/RowName.h"

namespace {

using Http = kaurl::http::URL;

struct PortCase {
    std::u16string text;
    int portNumber;
};

void PrintTo(const PortCase& c, std::ostream* out) {
    *out << testing::PrintToString(c.text);
}

class HttpPort : public testing::TestWithParam<PortCase> {};

TEST_P(HttpPort, NumberOrTheSchemesDefault) {
    const Http url(GetParam().text);
    EXPECT_EQ(url.GetPortNumber(), GetParam().portNumber);
    // The class reads the port part but leaves it as written.
    EXPECT_EQ(url.GetPort(), kaurl::URI(GetParam().text).GetPort());
}

// The self-test's run checks the plain default ports and 60138 with user
// information and a path. Here: numbers, then texts that are no number (the
// scheme's default port; "\uFF18\uFF10" are full-width digits), then other
// schemes (their own port, else -1).
INSTANTIATE_TEST_SUITE_P(
    Texts, HttpPort,
    testing::Values(PortCase{u"http://h:0", 0}, PortCase{u"http://h:-1", -1},
                    PortCase{u"http://h:+8080", 8080}, PortCase{u"http://h:0080", 80},
                    PortCase{u"http://h:99999", 99999},
                    PortCase{u"http://h:-2147483648", -2147483648},
                    PortCase{u"http://h:2147483647", 2147483647},
                    PortCase{u"http://h:2147483648", 80}, PortCase{u"http://h:abc", 80},
                    PortCase{u"http://h:", 80}, PortCase{u"http://h: 80", 80},
                    PortCase{u"http://h:80 ", 80}, PortCase{u"http://h:-", 80},
                    PortCase{u"http://h:+-12", 80}, PortCase{u"https://h:8x", 443},
                    PortCase{u"http://h:\uFF18\uFF10", 80}, PortCase{u"HTTP://H", 80},
                    PortCase{u"http:path", 80}, PortCase{u"ftp://files.example.com:21", 21},
                    PortCase{u"ftp://files.example.com", -1}, PortCase{u"", -1}),
    kaurl::test_support::RowName());

struct ValidityCase {
    std::u16string text;
    bool valid, isHttpScheme;
};

void PrintTo(const ValidityCase& c, std::ostream* out) {
    *out << testing::PrintToString(c.text);
}

class HttpValidity : public testing::TestWithParam<ValidityCase> {};

TEST_P(HttpValidity, NeedsAnHttpSchemeAndAHostFromTheAlphabet) {
    const Http url(GetParam().text);
    EXPECT_EQ(url.IsValid(), GetParam().valid);
    // The scheme step clears the base flag whenever the class is invalid.
    EXPECT_EQ(url.kaurl::URI::IsValid(), GetParam().valid);
    EXPECT_EQ(kaurl::http::IsHttpURI(url), GetParam().isHttpScheme);
}

// Rows: text, IsValid, IsHttpURI.
INSTANTIATE_TEST_SUITE_P(
    Texts, HttpValidity,
    testing::Values(
        ValidityCase{u"http://media.example.com/a", true, true},
        ValidityCase{u"https://Media-01.Example.COM:8443/a?b#c", true, true},
        ValidityCase{u"HTTP://HOST", true, true}, ValidityCase{u"http://192.168.0.1", true, true},
        ValidityCase{u"http:relative", true, true},  // an empty host passes
        ValidityCase{u"http://", true, true}, ValidityCase{u"http://a_b.example", false, true},
        ValidityCase{u"https://a%41", false, true}, ValidityCase{u"http://a b", false, true},
        ValidityCase{u"http://[::1]", false, true}, ValidityCase{u"http://h\u00e9", false, true},
        ValidityCase{u"http://h\u012e", false, true},  // 0x12E: its low byte is "."
        ValidityCase{u"ftp://h", false, false}, ValidityCase{u"httpx://h", false, false},
        ValidityCase{u"httpss://h", false, false}, ValidityCase{u"htt://h", false, false},
        ValidityCase{u"//h", false, false}, ValidityCase{u"", false, false}),
    kaurl::test_support::RowName());

}  // namespace
