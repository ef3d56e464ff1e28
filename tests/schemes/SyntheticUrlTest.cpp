// SPDX-License-Identifier: BSL-1.0
#include "kaurl/kasynthetic.h"

#include <string>

#include <gtest/gtest.h>

#include "support/RowName.h"
#include "support/UrlState.h"

namespace {

using kaurl::kasynthetic::CreateFromSyntheticImporterID;
using kaurl::test_support::CaptureGenericParts;
using kaurl::test_support::CaptureState;
using Synthetic = kaurl::kasynthetic::URL;

struct SyntheticCase {
    std::u16string text;
    bool valid, isSyntheticScheme;
    std::u16string identifier = {};
};

void PrintTo(const SyntheticCase& c, std::ostream* out) {
    *out << testing::PrintToString(c.text);
}

// Rows: text, IsValid, IsKASyntheticURI, identifier.
const SyntheticCase kSyntheticCases[] = {
    {u"kasynthetic://Importer-7", true, true, u"Importer-7"},
    {u"KASYNTHETIC://abc", true, true, u"abc"},
    {u"kasynthetic://u@Gen:5/rest?q#f", true, true, u"u@Gen:5"},
    {u"kasynthetic://id%20x", true, true, u"id%20x"},
    {u"kasynthetic:path-only", false, true},
    {u"kasynthetic:///x", false, true},
    {u"kasynthetic:", false, true},
    {u"kamedia://grid/a", false, false},
    {u"kasynthetic2://a", false, false},
    {u"kasyntheti://abc", false, false},
    {u"//abc", false, false},
};

class SyntheticUrl : public testing::TestWithParam<SyntheticCase> {};

// The authority, when there is one, moves to the identifier whole; every
// other generic part stays as the decomposition stored it.
TEST_P(SyntheticUrl, ReadsItsParts) {
    const SyntheticCase& c = GetParam();
    const Synthetic url(c.text);
    EXPECT_EQ(url.IsValid(), c.valid);
    EXPECT_EQ(kaurl::kasynthetic::IsKASyntheticURI(url), c.isSyntheticScheme);
    EXPECT_EQ(url.GetSyntheticImporterID(), c.identifier);
    auto expected = CaptureGenericParts(kaurl::URI(c.text));
    if (!c.identifier.empty()) {
        expected["Authority"] = u"";
    }
    EXPECT_EQ(CaptureGenericParts(url), expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, SyntheticUrl, testing::ValuesIn(kSyntheticCases),
                         kaurl::test_support::RowName());

// The identifier takes the authority's place, up to the first "/", "?" or
// "#"; the rest is path, query and fragment.
TEST(SyntheticCompose, ReadsLikeTheTextWithTheIdentifier) {
    Synthetic url;
    for (const auto* identifier : {u"Gen-01-ab", u"gen/x?y#z"}) {
        ASSERT_TRUE(CreateFromSyntheticImporterID(identifier, url));
        EXPECT_EQ(CaptureState(url),
                  CaptureState(Synthetic(std::u16string(u"kasynthetic://") + identifier)));
    }
    EXPECT_EQ(url.GetSyntheticImporterID(), u"gen");
    EXPECT_EQ(url.GetQuery(), u"y");
}

TEST(SyntheticCompose, RefusalLeavesTheOutputUntouched) {
    Synthetic url(u"kasynthetic://kept");
    const auto before = CaptureState(url);
    for (const auto* identifier : {u"", u"/gen", u"?gen", u"#gen"}) {
        EXPECT_FALSE(CreateFromSyntheticImporterID(identifier, url));
        EXPECT_EQ(CaptureState(url), before);
    }
}

}  // namespace
