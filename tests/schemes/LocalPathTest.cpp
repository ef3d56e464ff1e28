// SPDX-License-Identifier: BSL-1.0
// The checked local path of a media URL from elsewhere.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "kaurl/kamedia.h"

namespace {

using kaurl::kamedia::GetDisplayName;
using kaurl::kamedia::LocalPathRefusal;
using kaurl::kamedia::PathSeparator;
using kaurl::kamedia::ResolveLocalPath;
using Media = kaurl::kamedia::URL;

#if defined(_WIN32)
static_assert(PathSeparator::Native == PathSeparator::Backslash);
#else
static_assert(PathSeparator::Native == PathSeparator::Slash);
#endif

// The URL is made by the constructor, so a backslash in its text is kept.
TEST(LocalPath, JoinsTheLiteralMountPathAndTheDecodedNames) {
    struct Row {
        std::u16string url, mountPath;
        PathSeparator separator;
        std::u16string expected;
    };
    const auto slash = PathSeparator::Slash;
    const std::u16string story = u"kamedia://wendelgrid/media/stories/123/ABA00.mxf";
    std::u16string longest = u"a";  // 255 code units, 128 characters
    for (int i = 0; i < 127; ++i) {
        longest += u"\U0001F600";
    }
    const Row rows[] = {
        {story, u"/Volumes/Grid/", slash, u"/Volumes/Grid/media/stories/123/ABA00.mxf"},
        {story, u"C:\\Grid\\", PathSeparator::Backslash,
         u"C:\\Grid\\media\\stories\\123\\ABA00.mxf"},
        {story, u"/Volumes/Grid\\", slash, u"/Volumes/Grid/media/stories/123/ABA00.mxf"},
        // One trailing separator is dropped, only one.
        {u"kamedia://grid/a", u"/mnt//", slash, u"/mnt//a"},
        {u"kamedia://grid/a", u"/mnt", slash, u"/mnt/a"},
        {u"kamedia://grid/a", u"/", slash, u"/a"},
        // The mount path is never decoded.
        {u"kamedia://grid/a", u"/mnt/50%off", slash, u"/mnt/50%off/a"},
        {u"kamedia://grid/a", u"/Vol%41/", slash, u"/Vol%41/a"},
        {u"kamedia://grid/a", u"/mnt%2F", slash, u"/mnt%2F/a"},
        // Both separators split, decoded ones too; empty names and "." go.
        {u"kamedia://grid/a%20b/c%2Fd%5Ce\\f.mxf", u"/m", slash, u"/m/a b/c/d/e/f.mxf"},
        {u"kamedia://grid//a/./b/%2E/c//", u"/m", slash, u"/m/a/b/c"},
        {u"kamedia://grid/%c3%a9%C3%A9%F0%9F%98%80%6f", u"/m", slash,
         u"/m/\u00e9\u00e9\U0001F600o"},
        // Near misses of the refused names.
        {u"kamedia://grid/..x/b..c/.hidden/CONSOLE/com10/LPT/COMA/abc1/nul-x.txt/a.b.c/x y", u"/m",
         slash, u"/m/..x/b..c/.hidden/CONSOLE/com10/LPT/COMA/abc1/nul-x.txt/a.b.c/x y"},
        // Next to the C1 controls and around the surrogates, a pair last.
        {u"kamedia://grid/%C2%A0/%25/~\u00e9\uE000\U0010FFFD", u"/m", slash,
         u"/m/\u00a0/%/~\u00e9\uE000\U0010FFFD"},
        // Marks and joiners that names need; a relative mount path.
        {u"kamedia://grid/%E2%80%8F\u05d0\u200e\u061c/\u0646\u200c\u200d\u00ad", u"m", slash,
         u"m/\u200f\u05d0\u200e\u061c/\u0646\u200c\u200d\u00ad"},
        {u"kamedia://grid/" + std::u16string(255, u'a'), u".", slash,
         u"./" + std::u16string(255, u'a')},
        {u"kamedia://grid/" + longest, u"/m", slash, u"/m/" + longest},
        // Neither the URL's mount point nor its query or fragment plays a part.
        {u"kamedia://elsewhere/a.mxf?x=..#%00", u"/m", slash, u"/m/a.mxf"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.url) + " below " +
                     testing::PrintToString(row.mountPath));
        std::u16string localPath = u"before";
        auto refusal = LocalPathRefusal::InvalidURL;
        EXPECT_TRUE(
            ResolveLocalPath(Media(row.url), row.mountPath, localPath, row.separator, &refusal));
        EXPECT_EQ(localPath, row.expected);
        EXPECT_EQ(refusal, LocalPathRefusal::InvalidURL);  // untouched
        std::u16string name;
        EXPECT_TRUE(GetDisplayName(Media(row.url), name));
        EXPECT_EQ(name, row.expected.substr(
                            row.expected.rfind(static_cast<char16_t>(row.separator)) + 1));
    }
    std::u16string localPath;
    ASSERT_TRUE(ResolveLocalPath(Media(u"kamedia://grid/a/b"), u"/m", localPath));
    const std::u16string native(1, static_cast<char16_t>(PathSeparator::Native));
    EXPECT_EQ(localPath, u"/m" + native + u"a" + native + u"b");
}

TEST(LocalPath, RefusesWithTheFirstReasonThatApplies) {
    struct Row {
        std::u16string url, mountPath;
        LocalPathRefusal expected;
    };
    using R = LocalPathRefusal;
    const std::u16string grid = u"kamedia://grid/";
    const Row rows[] = {
        {u"", u"/m", R::InvalidURL},
        {u"kamedia:///a.mxf", u"/m", R::InvalidURL},
        {u"http://grid/a.mxf", u"/m\n", R::InvalidURL},
        {u"kamedia://grid", u"/m", R::NamesNoFile},
        {grid, u"/m", R::NamesNoFile},
        {grid + u"./%2F/.%5C", u"/m", R::NamesNoFile},
        {grid + u"%G1", u"/m", R::MalformedEscape},
        {grid + u"a%", u"/m", R::MalformedEscape},
        {grid + u"a%4", u"/m", R::MalformedEscape},
        {grid + u"%-1", u"/m", R::MalformedEscape},
        {grid + u"%4g", u"/m", R::MalformedEscape},
        {grid + u"%\u0661\u0662", u"/m", R::MalformedEscape},
        {grid + u"%C3", u"/m", R::NotUTF8},
        {grid + u"%FF", u"/m", R::NotUTF8},
        {grid + u"%C3\u00e9", u"/m", R::NotUTF8},
        {grid + u"%C0%AF", u"/m", R::NotUTF8},
        {grid + u"%ED%A0%80", u"/m", R::NotUTF8},
        {grid + u"a\xD800z", u"/m", R::NotUTF8},
        {grid + u"a\xDC00\xDC00", u"/m", R::NotUTF8},
        {grid + u"a%00b", u"/m", R::ControlCharacter},
        {grid + u"%1F", u"/m", R::ControlCharacter},
        {grid + u"%7F", u"/m", R::ControlCharacter},
        {grid + u"%C2%80", u"/m", R::ControlCharacter},
        {grid + u"%C2%9F", u"/m", R::ControlCharacter},
        {grid + u"media/..%2F..%2Fetc%2Fpasswd", u"/Volumes/Grid/", R::LeavesMountPoint},
        {grid + u"%2E%2E%5Cx", u"/m", R::LeavesMountPoint},
        {grid + u"a/..", u"/m", R::LeavesMountPoint},
        {grid + u"a:b", u"/m", R::WindowsName},
        {grid + u"C:", u"/m", R::WindowsName},
        {grid + u"a%3C%3E", u"/m", R::WindowsName},
        {grid + u"%22", u"/m", R::WindowsName},
        {grid + u"a%7Cb", u"/m", R::WindowsName},
        {grid + u"a%3F", u"/m", R::WindowsName},
        {grid + u"*.mxf", u"/m", R::WindowsName},
        {grid + u"Con", u"/m", R::WindowsName},
        {grid + u"lpt9.log", u"/m", R::WindowsName},
        {grid + u"com%C2%B9.txt", u"/m", R::WindowsName},
        {grid + u"LPT%C2%B2/a", u"/m", R::WindowsName},
        {grid + u"d/com%C2%B3", u"/m", R::WindowsName},
        {grid + u"COM0", u"/m", R::WindowsName},
        {grid + u"prn.tar.gz", u"/m", R::WindowsName},
        {grid + u"aux", u"/m", R::WindowsName},
        {grid + u"NUL%20.txt", u"/m", R::WindowsName},
        {grid + u"conin$", u"/m", R::WindowsName},
        {grid + u"CONOUT$.x", u"/m", R::WindowsName},
        {grid + u"a.", u"/m", R::WindowsName},
        {grid + u"a%20/b", u"/m", R::WindowsName},
        {grid + u"...", u"/m", R::WindowsName},
        {grid + u"a", u"/m\x01", R::ControlCharacterInMountPath},
        {grid + u"a", u"\x7F", R::ControlCharacterInMountPath},
        {grid + u"a", u"/m\u0085", R::ControlCharacterInMountPath},
        {grid + u"a", u"", R::EmptyMountPath},
        {grid + u"invoice%E2%80%AEfxm.exe", u"/m", R::InvisibleCharacter},
        {grid + u"a\u202a", u"/m", R::InvisibleCharacter},
        {grid + u"\u2066a\u2069", u"/m", R::InvisibleCharacter},
        {grid + u"%E2%80%8B", u"/m", R::InvisibleCharacter},
        {grid + u"a\u2060", u"/m", R::InvisibleCharacter},
        {grid + u"a\u2064", u"/m", R::InvisibleCharacter},
        {grid + u"%EF%BB%BFa", u"/m", R::InvisibleCharacter},
        {grid + u"\u115f\u1160", u"/m", R::InvisibleCharacter},
        {grid + u"\u3164", u"/m", R::InvisibleCharacter},
        {grid + u"\uffa0", u"/m", R::InvisibleCharacter},
        {grid + u"a\u2028b", u"/m", R::InvisibleCharacter},
        {grid + u"a\u2029b", u"/m", R::InvisibleCharacter},
        {grid + u"\ufdd0", u"/m", R::InvisibleCharacter},
        {grid + u"\ufdef", u"/m", R::InvisibleCharacter},
        {grid + u"%EF%BF%BE", u"/m", R::InvisibleCharacter},
        {grid + u"\U0001FFFE", u"/m", R::InvisibleCharacter},
        {grid + u"%F4%8F%BF%BF", u"/m", R::InvisibleCharacter},
        {grid + std::u16string(256, u'a'), u"/m", R::NameTooLong},
        {grid + u"b/" + std::u16string(128, u'\u00e9') + u"\U0001F600" + std::u16string(126, u'e'),
         u"/m", R::NameTooLong},
        // Precedence.
        {u"kamedia:///a", u"", R::InvalidURL},
        {grid + u"%G1", u"", R::EmptyMountPath},
        {grid + u"%00%E2%80%AE", u"/m", R::ControlCharacter},
        {grid + u"..%2F%E2%80%AE", u"/m", R::InvisibleCharacter},
        {grid + u"\u200b/con", u"/m", R::InvisibleCharacter},
        {grid + u"../" + std::u16string(256, u'a'), u"/m", R::LeavesMountPoint},
        {grid + std::u16string(256, u'a') + u"/com1", u"/m", R::WindowsName},
        {grid + std::u16string(255, u'a') + u".", u"/m", R::WindowsName},
        {grid + u"%G1", u"/m\x1F", R::ControlCharacterInMountPath},
        {grid + u"%00%FF", u"/m", R::NotUTF8},
        {grid + u"..%2F%00", u"/m", R::ControlCharacter},
        {grid + u"nul/..", u"/m", R::LeavesMountPoint},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.url) + " below " +
                     testing::PrintToString(row.mountPath));
        const Media url(row.url);
        std::u16string localPath = u"before";
        auto refusal = static_cast<LocalPathRefusal>(-1);
        EXPECT_FALSE(
            ResolveLocalPath(url, row.mountPath, localPath, PathSeparator::Slash, &refusal));
        EXPECT_EQ(refusal, row.expected);
        EXPECT_FALSE(ResolveLocalPath(url, row.mountPath, localPath));
        EXPECT_EQ(localPath, u"before");
        if (row.expected != R::EmptyMountPath && row.expected != R::ControlCharacterInMountPath) {
            std::u16string name = u"before";
            refusal = static_cast<LocalPathRefusal>(-1);
            EXPECT_FALSE(GetDisplayName(url, name, &refusal));
            EXPECT_EQ(refusal, row.expected);
            EXPECT_EQ(name, u"before");
        }
    }
}

// Rows beyond the local path tables above, each of which GetDisplayName also
// runs.
TEST(LocalPath, DisplayNameIsTheLastDecodedName) {
    struct Row {
        std::u16string url, expected;
    };
    const Row rows[] = {
        {u"kamedia://grid/media/", u"media"},
        {u"kamedia://grid/media/a%20b.mxf", u"a b.mxf"},
        {u"kamedia://grid/a%2Fb%5Cc.mxf/./", u"c.mxf"},
        {u"kamedia://grid/a\\b", u"b"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.url));
        std::u16string name;
        EXPECT_TRUE(GetDisplayName(Media(row.url), name));
        EXPECT_EQ(name, row.expected);
    }
    Media composed;
    ASSERT_TRUE(
        kaurl::kamedia::CreateFromMountPointAndPath(u"grid", u"/news desk/a.mxf", composed));
    ASSERT_EQ(composed.GetFileName(), u"news%20desk%2Fa.mxf");
    std::u16string name;
    EXPECT_TRUE(GetDisplayName(composed, name, nullptr));
    EXPECT_EQ(name, u"a.mxf");
}

TEST(LocalPath, DescribesEachRefusalInItsOwnWords) {
    std::set<std::string> texts;
    for (int value = 0; value <= static_cast<int>(LocalPathRefusal::ChangedByCodePage); ++value) {
        const std::string text =
            kaurl::kamedia::DescribeLocalPathRefusal(static_cast<LocalPathRefusal>(value));
        EXPECT_TRUE(texts.insert(text).second) << text;
        EXPECT_NE(text.back(), '.') << text;
    }
    EXPECT_STREQ(kaurl::kamedia::DescribeLocalPathRefusal(static_cast<LocalPathRefusal>(99)),
                 "unknown reason");
}

}  // namespace
