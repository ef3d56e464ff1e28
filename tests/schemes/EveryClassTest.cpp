// SPDX-License-Identifier: BSL-1.0
// What every URI class does alike: copies, conversions, assignment and Create
// all give an object that reads like the constructor's from the same text.
#include <string>
#include <type_traits>

#include <gtest/gtest.h>

#include "support/ClassTable.h"
#include "support/UrlState.h"

namespace {

using kaurl::URI;
using kaurl::test_support::CaptureState;
using kaurl::test_support::kTexts;
using Media = kaurl::kamedia::URL;
using Synthetic = kaurl::kasynthetic::URL;
using File = kaurl::file::URL;
using Http = kaurl::http::URL;

template <class Url>
class EveryClass : public testing::Test {};

// The empty name-generator argument keeps clang's -Wpedantic quiet in C++17.
TYPED_TEST_SUITE(EveryClass, kaurl::test_support::Classes, );

// Create assigns only a text that the class accepts, and leaves its target
// as it was otherwise.
TYPED_TEST(EveryClass, CopiesAndCreateReadLikeTheConstructor) {
    for (const std::u16string& text : kTexts) {
        SCOPED_TRACE(testing::PrintToString(text));
        TypeParam original(text);
        const auto state = CaptureState(original);
        EXPECT_EQ(CaptureState(TypeParam(original)), state);
        EXPECT_EQ(CaptureState(TypeParam(URI(text))), state);
        for (const std::u16string& before : kTexts) {
            TypeParam assigned(before);
            assigned = original;
            EXPECT_EQ(CaptureState(assigned), state);
            TypeParam created(before);
            const auto kept = CaptureState(created);
            EXPECT_EQ(Create(text, created), original.IsValid());
            EXPECT_EQ(CaptureState(created), original.IsValid() ? state : kept);
        }
        const TypeParam& alias = original;
        original = alias;
        EXPECT_EQ(CaptureState(original), state);
    }
}

TYPED_TEST(EveryClass, EmptyReadsLikeTheEmptyText) {
    if constexpr (std::is_default_constructible_v<TypeParam>) {
        EXPECT_EQ(CaptureState(TypeParam()), CaptureState(TypeParam(u"")));
    } else {
        EXPECT_EQ(CaptureState(TypeParam(URI())), CaptureState(TypeParam(u"")));
    }
}

// A copy takes the whole part table, also parts that another class added;
// a class whose scheme step finds the flag cleared adds nothing.
TEST(Conversion, KeepsForeignPartsAndAddsNoneToAClearedObject) {
    const File fromMedia(Media(u"kamedia://grid/a.mxf"));
    EXPECT_FALSE(fromMedia.IsValid());
    EXPECT_EQ(fromMedia.GetFileName(), u"a.mxf");
    EXPECT_EQ(fromMedia.GetFileExtension(), u"mxf");

    const File file(Http(u"file:///q.r"));
    EXPECT_FALSE(file.IsValid());
    EXPECT_EQ(file.GetFileName() + file.GetFileExtension(), u"");
    const Synthetic synthetic(Http(u"kasynthetic://Q"));
    EXPECT_FALSE(synthetic.IsValid());
    EXPECT_EQ(synthetic.GetSyntheticImporterID(), u"");
    EXPECT_EQ(synthetic.GetAuthority(), u"Q");
}

}  // namespace
