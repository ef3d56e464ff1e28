// SPDX-License-Identifier: BSL-1.0
#include "kaurl/URI.h"

#include <utility>

#include <gtest/gtest.h>

#include "support/SameState.h"

namespace {

using kaurl::URI;
using kaurl::test_support::ExpectSameState;

// Reaches the protected part operations.
class PartTable : public URI {
public:
    using URI::URI;
    using URI::operator=;
    using URI::ErasePart;
    using URI::GetPart;
    using URI::SetPart;
};

TEST(URIObject, DefaultIsInvalidAndEmpty) {
    const URI uri;
    ExpectSameState(uri, URI(u""));
    EXPECT_FALSE(uri.IsValid());
    EXPECT_EQ(uri.GetURIString(), u"");
    EXPECT_EQ(uri.GetHost(), u"");
}

TEST(URIObject, InvalidTextKeepsTextAndComponents) {
    const URI uri(u"//server/share");
    EXPECT_FALSE(uri.IsValid());
    EXPECT_EQ(uri.GetURIString(), u"//server/share");
    EXPECT_EQ(uri.GetHost(), u"server");
}

TEST(URIObject, CopyKeepsFlagAndIsIndependent) {
    PartTable source(u"http://h/p");
    PartTable copy(source);
    ExpectSameState(copy, source);
    copy.SetPart("path", u"/changed");
    source.ErasePart("host");
    EXPECT_EQ(source.GetPath(), u"/p");
    EXPECT_EQ(copy.GetPath(), u"/changed");
    EXPECT_EQ(copy.GetHost(), u"h");
}

TEST(URIObject, AssignmentReplacesEverything) {
    PartTable target(u"http://a/x");
    target.SetPart("mountpoint", u"extra");
    const URI source(u"ftp://b/y");
    target = source;
    ExpectSameState(target, source);
    EXPECT_EQ(target.GetPart("mountpoint"), u"");
}

TEST(URIObject, SelfAssignmentAndSelfSwapChangeNothing) {
    URI uri(u"http://joe@h:1/p?q#f");
    const URI before(uri);
    const URI& alias = uri;
    uri = alias;
    ExpectSameState(uri, before);
    uri.swap(uri);
    ExpectSameState(uri, before);
}

TEST(URIObject, SwapExchangesWholeState) {
    URI valid(u"http://h/p");
    URI invalid(u"relative/path");
    const URI validBefore(valid);
    const URI invalidBefore(invalid);
    valid.swap(invalid);
    ExpectSameState(valid, invalidBefore);
    ExpectSameState(invalid, validBefore);
}

TEST(URIObject, PartOperations) {
    PartTable uri(u"s://h");
    uri.SetPart("scheme", u"");
    EXPECT_EQ(uri.GetScheme(), u"");
    uri.SetPart("port", u"1");
    uri.SetPart("port", u"2");
    EXPECT_EQ(uri.GetPort(), u"2");
    uri.ErasePart("port");
    EXPECT_EQ(uri.GetPort(), u"");
    uri.ErasePart("never-set");
    EXPECT_EQ(uri.GetPart("never-set"), u"");
    EXPECT_EQ(uri.GetHost(), u"h");
    EXPECT_EQ(uri.GetPart("Host"), u"");  // names are case-sensitive
}

TEST(FreeFunctions, CreateAssignsOnlyValidTexts) {
    URI target(u"http://keep/me");
    const URI before(target);
    EXPECT_FALSE(kaurl::Create(u"no scheme here", target));
    ExpectSameState(target, before);
    EXPECT_FALSE(kaurl::Create(u"", target));
    ExpectSameState(target, before);

    EXPECT_TRUE(kaurl::Create(u"mailto:someone", target));
    ExpectSameState(target, URI(u"mailto:someone"));
}

TEST(FreeFunctions, IsValidNeedsAScheme) {
    EXPECT_FALSE(kaurl::IsValid(u""));
    EXPECT_FALSE(kaurl::IsValid(u"relative/path"));
    EXPECT_FALSE(kaurl::IsValid(u":abc"));
    EXPECT_TRUE(kaurl::IsValid(u"a:"));
}

}  // namespace
