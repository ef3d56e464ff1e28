// SPDX-License-Identifier: BSL-1.0
// The part table and swap of kaurl::URI. Copies, assignment and Create of
// every class are in tests/schemes/EveryClassTest.cpp.
#include "kaurl/URI.h"

#include <gtest/gtest.h>

#include "support/UrlState.h"

namespace {

using kaurl::URI;
using kaurl::test_support::CaptureState;

// Reaches the protected part operations.
class PartTable : public URI {
public:
    using URI::ErasePart;
    using URI::GetPart;
    using URI::SetPart;
    using URI::URI;
};

TEST(URIObject, PartOperationsChangeOnlyTheirOwnTable) {
    PartTable uri(u"s://h");
    const auto copied = CaptureState(uri);
    const PartTable copy(uri);
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
    uri.ErasePart("host");
    EXPECT_EQ(CaptureState(copy), copied);
}

TEST(URIObject, SwapExchangesWholeState) {
    URI valid(u"http://h/p");
    URI invalid(u"relative/path");
    const auto validBefore = CaptureState(valid);
    const auto invalidBefore = CaptureState(invalid);
    valid.swap(invalid);
    EXPECT_EQ(CaptureState(valid), invalidBefore);
    EXPECT_EQ(CaptureState(invalid), validBefore);
    invalid.swap(invalid);
    EXPECT_EQ(CaptureState(invalid), validBefore);
}

}  // namespace
