// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <boost/function.hpp>

#include "kaurl/URI.h"
#include "kaurl/http.h"
#include "kaurl/kamedia.h"
#include "ostraunittesting/UnitTesting.h"

namespace kaurl::unittests {

// A getter of `Object`, called through the object's virtual interface when it
// is one.
template <class Object, class Result>
using Getter = boost::function<Result(const Object&)>;

// The expected value of a check is typed after its getter's result, except that
// a UTF16String result is expected as plain ASCII text.
template <class Result>
struct ExpectedFor {
    using Type = Result;
};
template <>
struct ExpectedFor<UTF16String> {
    using Type = const char*;
};
template <class Result>
using ExpectedValue = typename ExpectedFor<Result>::Type;

// Calls `getter` on `object` and compares the result with `expected`. A
// mismatch writes one failure line naming the labels, the expected value and
// the object's URI text to the trace stream, and nothing else: the test goes on.
template <class Object, class Result>
void CheckResult(const Getter<Object, Result>& getter, const Object& object,
                 const ostraunittesting::TestContext& context, ExpectedValue<Result> expected,
                 const char* classLabel, const char* methodLabel);

// The result types and classes that the self-test checks.
extern template void CheckResult<URI, UTF16String>(const Getter<URI, UTF16String>&, const URI&,
                                                   const ostraunittesting::TestContext&,
                                                   const char*, const char*, const char*);
extern template void CheckResult<kamedia::URL, UTF16String>(
    const Getter<kamedia::URL, UTF16String>&, const kamedia::URL&,
    const ostraunittesting::TestContext&, const char*, const char*, const char*);
extern template void CheckResult<URI, bool>(const Getter<URI, bool>&, const URI&,
                                            const ostraunittesting::TestContext&, bool, const char*,
                                            const char*);
extern template void CheckResult<http::URL, int>(const Getter<http::URL, int>&, const http::URL&,
                                                 const ostraunittesting::TestContext&, int,
                                                 const char*, const char*);

}  // namespace kaurl::unittests
