// SPDX-License-Identifier: BSL-1.0
#include "kaurl/http.h"

#include <string>

#include <gtest/gtest.h>

#include "support/SameState.h"

namespace {

using kaurl::http::IsHttpURI;
using kaurl::test_support::ExpectSameState;
using Http = kaurl::http::URL;

struct PortCase {
    std::u16string text;
    int portNumber;
};

class HttpPortNumber : public testing::TestWithParam<PortCase> {};

TEST_P(HttpPortNumber, ConvertsThePortOrFallsBackToTheDefault) {
    EXPECT_EQ(Http(GetParam().text).GetPortNumber(), GetParam().portNumber);
}

INSTANTIATE_TEST_SUITE_P(
    Ports, HttpPortNumber,
    testing::Values(
        PortCase{u"http://media.example.com", 80}, PortCase{u"https://media.example.com", 443},
        PortCase{u"http://media.example.com:60138", 60138},
        PortCase{u"http://user:pw@media.example.com:60138/path/to/asset/1234.json", 60138},
        PortCase{u"http://h:0", 0}, PortCase{u"http://h:-1", -1}, PortCase{u"http://h:+8080", 8080},
        PortCase{u"http://h:0080", 80}, PortCase{u"http://h:99999", 99999},
        PortCase{u"http://h:-2147483648", -2147483648},
        PortCase{u"http://h:2147483647", 2147483647},
        // Not a number: the scheme's default.
        PortCase{u"http://h:2147483648", 80}, PortCase{u"http://h:abc", 80},
        PortCase{u"http://h:", 80}, PortCase{u"http://h: 80", 80}, PortCase{u"http://h:80 ", 80},
        PortCase{u"http://h:-", 80}, PortCase{u"http://h:+-12", 80}, PortCase{u"https://h:8x", 443},
        PortCase{u"http://h:\uFF18\uFF10", 80},  // full-width digits
        PortCase{u"HTTP://H", 80}, PortCase{u"http:path", 80},
        // Other schemes: their own port, else -1.
        PortCase{u"ftp://files.example.com:21", 21}, PortCase{u"ftp://files.example.com", -1},
        PortCase{u"", -1}));

TEST(HttpPortNumber, PortTextStaysAsWritten) {
    const Http url(u"http://media.example.com");
    EXPECT_EQ(url.GetPort(), u"");
    EXPECT_EQ(url.GetPortNumber(), 80);
    EXPECT_EQ(Http(u"http://h:0080").GetPort(), u"0080");
    EXPECT_EQ(Http().GetPortNumber(), -1);
}

struct ValidityCase {
    std::u16string text;
    bool valid;
};

class HttpValidity : public testing::TestWithParam<ValidityCase> {};

TEST_P(HttpValidity, NeedsAnHttpSchemeAndAHostFromTheAlphabet) {
    const Http url(GetParam().text);
    EXPECT_EQ(url.IsValid(), GetParam().valid);
    // The scheme step clears the base flag whenever the class is invalid.
    EXPECT_EQ(url.kaurl::URI::IsValid(), GetParam().valid);
    EXPECT_EQ(Http(kaurl::URI(GetParam().text)).IsValid(), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HttpValidity,
    testing::Values(ValidityCase{u"http://media.example.com/a", true},
                    ValidityCase{u"https://Media-01.Example.COM:8443/a?b#c", true},
                    ValidityCase{u"HTTP://HOST", true}, ValidityCase{u"http://192.168.0.1", true},
                    ValidityCase{u"http:relative", true},  // an empty host passes
                    ValidityCase{u"http://", true}, ValidityCase{u"http://a_b", false},
                    ValidityCase{u"http://a%41", false}, ValidityCase{u"http://a b", false},
                    ValidityCase{u"http://[::1]", false}, ValidityCase{u"http://h\u00e9", false},
                    ValidityCase{u"http://h\u012e", false},  // 0x12E: its low byte is "."
                    ValidityCase{u"ftp://h", false}, ValidityCase{u"httpx://h", false},
                    ValidityCase{u"htt://h", false}, ValidityCase{u"//h", false},
                    ValidityCase{u"", false}));

TEST(HttpCreate, AssignsOnlyValidHttpUrls) {
    Http url(u"https://kept.example.com/");
    const Http before(url);
    EXPECT_FALSE(kaurl::http::Create(u"ftp://h/", url));
    EXPECT_FALSE(kaurl::http::Create(u"http://bad_host/", url));
    ExpectSameState(url, before);

    ASSERT_TRUE(kaurl::http::Create(u"http://user@h.example.com:81/p", url));
    ExpectSameState(url, Http(u"http://user@h.example.com:81/p"));
    EXPECT_EQ(url.GetPortNumber(), 81);
}

TEST(HttpUrl, CopiesReadLikeTheSource) {
    const Http source(u"https://u@h.example.com:9/p?q#f");
    const Http copy(source);
    ExpectSameState(copy, source);
    Http assigned;
    assigned = source;
    ExpectSameState(assigned, source);
    EXPECT_EQ(assigned.GetPortNumber(), 9);
}

TEST(HttpClassification, LooksOnlyAtTheScheme) {
    EXPECT_TRUE(IsHttpURI(kaurl::URI(u"https://bad_host")));
    EXPECT_TRUE(IsHttpURI(kaurl::URI(u"HTTP:x")));
    EXPECT_FALSE(IsHttpURI(kaurl::URI(u"httpss://h")));
    EXPECT_FALSE(IsHttpURI(kaurl::URI(u"httpx://h")));
    EXPECT_FALSE(IsHttpURI(kaurl::URI(u"htt://h")));
    EXPECT_FALSE(IsHttpURI(kaurl::URI(u"//h")));
}

}  // namespace
