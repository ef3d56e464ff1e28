// SPDX-License-Identifier: BSL-1.0
#include "kaurl/kasynthetic.h"

#include <string>

#include <gtest/gtest.h>

#include "kaurl/http.h"
#include "support/RowName.h"
#include "support/SameState.h"

namespace {

using kaurl::kasynthetic::CreateFromSyntheticImporterID;
using kaurl::kasynthetic::IsKASyntheticURI;
using kaurl::test_support::ExpectSameState;
using Synthetic = kaurl::kasynthetic::URL;

struct SyntheticCase {
    std::u16string text;
    bool valid;
    std::u16string identifier, authority, userinfo, host, port, path;
};

void PrintTo(const SyntheticCase& c, std::ostream* out) {
    *out << c.text.size() << " code units";
}

// Rows: text, IsValid, identifier, authority, userinfo, host, port, path.
const SyntheticCase kSyntheticCases[] = {
    {u"kasynthetic://Importer-7", true, u"Importer-7", u"", u"", u"importer-7", u"", u""},
    {u"KASYNTHETIC://abc", true, u"abc", u"", u"", u"abc", u"", u""},
    {u"kasynthetic://u@Gen:5/rest?q#f", true, u"u@Gen:5", u"", u"u", u"gen", u"5", u"/rest"},
    {u"kasynthetic://id%20x", true, u"id%20x", u"", u"", u"id%20x", u"", u""},
    {u"kasynthetic:path-only", false, u"", u"", u"", u"", u"", u"path-only"},
    {u"kasynthetic:///x", false, u"", u"", u"", u"", u"", u"/x"},
    {u"kamedia://grid/a", false, u"", u"grid", u"", u"grid", u"", u"/a"},
    {u"kasyntheti://abc", false, u"", u"abc", u"", u"abc", u"", u""},
    {u"//abc", false, u"", u"abc", u"", u"abc", u"", u""},
};

class SyntheticUrl : public testing::TestWithParam<SyntheticCase> {};

void ExpectSyntheticParts(const Synthetic& url, const SyntheticCase& c) {
    EXPECT_EQ(url.IsValid(), c.valid);
    EXPECT_EQ(url.GetSyntheticImporterID(), c.identifier);
    EXPECT_EQ(url.GetAuthority(), c.authority);
    EXPECT_EQ(url.GetUserInfo(), c.userinfo);
    EXPECT_EQ(url.GetHost(), c.host);
    EXPECT_EQ(url.GetPort(), c.port);
    EXPECT_EQ(url.GetPath(), c.path);
}

TEST_P(SyntheticUrl, EveryConstructorGivesTheSameParts) {
    const Synthetic fromText(GetParam().text);
    ExpectSyntheticParts(fromText, GetParam());
    ExpectSyntheticParts(Synthetic(fromText), GetParam());
    ExpectSyntheticParts(Synthetic(kaurl::URI(GetParam().text)), GetParam());
    Synthetic assigned(u"kasynthetic://before");
    assigned = fromText;
    ExpectSyntheticParts(assigned, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, SyntheticUrl, testing::ValuesIn(kSyntheticCases),
                         kaurl::test_support::RowName());

TEST(SyntheticUrl, DefaultIsInvalidAndEmpty) {
    const Synthetic url;
    EXPECT_FALSE(url.IsValid());
    EXPECT_EQ(url.GetURIString(), u"");
    EXPECT_EQ(url.GetSyntheticImporterID(), u"");
}

// The HTTP class has cleared the flag of this synthetic text, so the
// synthetic class adds nothing: no identifier, and the authority stays.
TEST(SyntheticUrl, ObjectWithClearedFlagGainsNothing) {
    const Synthetic url(kaurl::http::URL(u"kasynthetic://Q"));
    EXPECT_FALSE(url.IsValid());
    EXPECT_EQ(url.GetSyntheticImporterID(), u"");
    EXPECT_EQ(url.GetAuthority(), u"Q");
}

TEST(SyntheticCompose, BuildsTheTextFromTheIdentifier) {
    Synthetic url;
    ASSERT_TRUE(CreateFromSyntheticImporterID(u"Gen-01-ab", url));
    EXPECT_EQ(url.GetURIString(), u"kasynthetic://Gen-01-ab");
    EXPECT_EQ(url.GetSyntheticImporterID(), u"Gen-01-ab");
    EXPECT_EQ(url.GetAuthority(), u"");
}

TEST(SyntheticCompose, IdentifierEndsAtTheFirstDelimiter) {
    Synthetic url;
    ASSERT_TRUE(CreateFromSyntheticImporterID(u"gen/x?y#z", url));
    EXPECT_EQ(url.GetSyntheticImporterID(), u"gen");
    EXPECT_EQ(url.GetPath(), u"/x");
    EXPECT_EQ(url.GetQuery(), u"y");
    EXPECT_EQ(url.GetFragment(), u"z");
}

TEST(SyntheticCompose, RefusalLeavesTheOutputUntouched) {
    Synthetic url;
    ASSERT_TRUE(CreateFromSyntheticImporterID(u"kept", url));
    const Synthetic before(url);
    for (const auto* identifier : {u"", u"/gen", u"?gen", u"#gen"}) {
        EXPECT_FALSE(CreateFromSyntheticImporterID(identifier, url));
        ExpectSameState(url, before);
        EXPECT_EQ(url.GetSyntheticImporterID(), u"kept");
    }
    EXPECT_FALSE(kaurl::kasynthetic::Create(u"kamedia://grid/a", url));
    EXPECT_FALSE(kaurl::kasynthetic::Create(u"kasynthetic:x", url));
    EXPECT_EQ(url.GetSyntheticImporterID(), u"kept");
}

TEST(SyntheticClassification, LooksOnlyAtTheScheme) {
    EXPECT_TRUE(IsKASyntheticURI(kaurl::URI(u"kasynthetic:")));
    EXPECT_FALSE(IsKASyntheticURI(kaurl::URI(u"kasynthetic2://a")));
    EXPECT_FALSE(IsKASyntheticURI(kaurl::URI(u"kasynth://a")));
    EXPECT_FALSE(IsKASyntheticURI(kaurl::URI(u"//a")));
}

}  // namespace
