// SPDX-License-Identifier: BSL-1.0
// Texts of several MiB through the decomposition, the scheme classes and the
// substitution. The results are checked exactly, so a step that gives up on
// long input (a Boost.Regex limit turning the object invalid) or recurses
// once per character shows up here; a hidden quadratic step shows up as a
// test that takes minutes. The time per MiB is printed for the record, never
// asserted.
#include <chrono>
#include <cstddef>
#include <iostream>
#include <string>

#include <gtest/gtest.h>

#include "kaurl/URI.h"
#include "kaurl/file.h"
#include "kaurl/http.h"
#include "kaurl/kamedia.h"

namespace {

using kaurl::UTF16String;

// 2 Mi code units: 4 MiB of UTF-16.
constexpr std::size_t kUnits = std::size_t{2} << 20;

UTF16String Repeat(const UTF16String& piece, std::size_t units) {
    UTF16String text;
    text.reserve(units + piece.size());
    while (text.size() < units) {
        text += piece;
    }
    return text;
}

// Runs `step` once and prints its speed in milliseconds per MiB of UTF-16.
template <class Step>
void Timed(const char* what, std::size_t units, Step step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    const double mebibytes = static_cast<double>(units * 2) / (1 << 20);
    std::cout << what << ": " << elapsed.count() / mebibytes << " ms/MiB\n";
}

struct LongComponentCase {
    const char* name;
    UTF16String prefix;
    UTF16String piece;  // repeated to the long component
    UTF16String suffix;
    UTF16String (kaurl::URI::*getter)() const;
    bool valid;
};

TEST(HostileSize, LongComponentsDecomposeExactly) {
    const LongComponentCase cases[] = {
        {"path", u"s://host", u"/seg\u00e9", u"?q#f", &kaurl::URI::GetPath, true},
        {"query", u"s://host/p?", u"k=v&%20/", u"#f", &kaurl::URI::GetQuery, true},
        {"fragment", u"s://host/p?q#", u"a#?/\n", u"", &kaurl::URI::GetFragment, true},
        {"authority", u"s://", u"u@h:1", u"/p", &kaurl::URI::GetAuthority, true},
        {"scheme", u"", u"ab+", u":rest", &kaurl::URI::GetScheme, true},
        // A scheme-like run that never meets its ":" is given back, unit by
        // unit, to the path.
        {"no scheme", u"", u"ab\n", u"", &kaurl::URI::GetPath, false},
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        const UTF16String component = Repeat(testCase.piece, kUnits);
        const UTF16String text = testCase.prefix + component + testCase.suffix;
        Timed(testCase.name, text.size(), [&] {
            const kaurl::URI uri(text);
            EXPECT_EQ(uri.IsValid(), testCase.valid);
            EXPECT_EQ(uri.GetURIString().size(), text.size());
            EXPECT_EQ((uri.*testCase.getter)(), component);
        });
    }
}

TEST(HostileSize, LongHostIsCheckedAndLongPortFallsBack) {
    const UTF16String host = Repeat(u"a-1.", kUnits);
    const UTF16String port = Repeat(u"9", kUnits);
    Timed("http host", host.size(), [&] {
        const kaurl::http::URL url(u"http://" + host + u":" + port + u"/");
        EXPECT_TRUE(url.IsValid());
        EXPECT_EQ(url.GetHost(), host);
        EXPECT_EQ(url.GetPortNumber(), 80);
    });
    const kaurl::http::URL badHost(u"http://" + host + u"_/");
    EXPECT_FALSE(badHost.IsValid());
}

TEST(HostileSize, LongFilePath) {
    const UTF16String directories = Repeat(u"/d.x", kUnits);
    const kaurl::file::URL url(u"file://" + directories + u"/name.txt");
    EXPECT_TRUE(url.IsValid());
    EXPECT_EQ(url.GetFileName(), u"name.txt");
    EXPECT_EQ(url.GetFileExtension(), u"txt");
}

TEST(HostileSize, LongMediaPathRoundTrip) {
    const UTF16String path = Repeat(u"dir \u00e9/", kUnits / 4) + u"clip.mxf";
    kaurl::kamedia::URL url;
    UTF16String local;
    Timed("media compose and substitute", path.size(), [&] {
        ASSERT_TRUE(kaurl::kamedia::CreateFromMountPointAndPath(u"grid", path, url));
        local = kaurl::kamedia::SubstituteMountPointAndReturnPath(url, u"/mnt/");
    });
    UTF16String expected = u"/mnt\\" + path;
    for (char16_t& unit : expected) {
        if (unit == u'/') {
            unit = u'\\';
        }
    }
    expected[0] = u'/';
    EXPECT_EQ(local, expected);
    EXPECT_EQ(url.GetFileExtension(), u"mxf");
}

TEST(HostileSize, LongEscapeRunsThroughSubstitution) {
    // "%41" decodes to "A"; a run of bare "%" decodes window by window, three
    // bytes into one, to a value the decoding chooses but always the same.
    const UTF16String escapes = Repeat(u"%41", kUnits);
    const kaurl::kamedia::URL decodable(u"kamedia://grid/" + escapes);
    UTF16String local;
    Timed("substitute %41 run", escapes.size(),
          [&] { local = kaurl::kamedia::SubstituteMountPointAndReturnPath(decodable, u"/mnt"); });
    EXPECT_EQ(local, u"/mnt\\" + UTF16String(escapes.size() / 3, u'A'));

    const UTF16String percents(kUnits, u'%');
    const kaurl::kamedia::URL bare(u"kamedia://grid/" + percents);
    Timed("substitute % run", percents.size(),
          [&] { local = kaurl::kamedia::SubstituteMountPointAndReturnPath(bare, u"/mnt"); });
    const std::size_t windows = (percents.size() + 2) / 3;
    ASSERT_EQ(local.size(), 5 + windows);
    EXPECT_EQ(local.substr(0, 5), u"/mnt\\");
    EXPECT_EQ(local.find_first_not_of(local[5], 5), UTF16String::npos);
}

}  // namespace
