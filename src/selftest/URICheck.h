// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <cstring>
#include <type_traits>

#include <boost/bind/bind.hpp>
#include <boost/function.hpp>

#include "kaurl/URI.h"
#include "ostracore/Utility.h"
#include "ostraunittesting/UnitTesting.h"
#include "selftest/CheckResult.h"

namespace kaurl::unittests {

// One stored check, called with the object under test and the test context.
using URICheck = boost::function<void(const URI&, const ostraunittesting::TestContext&)>;

// The getters of a scheme class need an object of that class: the check makes
// one from the URI under test and runs on it, so a failure line shows its text.
template <class Object, class Result>
void CheckResultOnConvertedObject(const Getter<Object, Result>& getter, const URI& uri,
                                  const ostraunittesting::TestContext& context,
                                  ExpectedValue<Result> expected, const char* classLabel,
                                  const char* methodLabel) {
    const Object object(uri);
    CheckResult<Object, Result>(getter, object, context, expected, classLabel, methodLabel);
}

// A check of `getter` (a member of kaurl::URI, kaurl::kamedia::URL or
// kaurl::http::URL) against `expected`; the labels name it in a failure line.
template <class Object, class Result>
URICheck MakeCheck(Result (Object::*getter)() const, ExpectedValue<Result> expected,
                   const char* classLabel, const char* methodLabel) {
    // Boost.Bind rather than a lambda, on purpose: the stored checks use only
    // what the host's own tests are built with, Boost.Function and Boost.Bind.
    using boost::placeholders::_1;
    using boost::placeholders::_2;
    const Getter<Object, Result> call(getter);
    if constexpr (std::is_same_v<Object, URI>) {
        return boost::bind(&CheckResult<URI, Result>, call, _1, _2, expected, classLabel,
                           methodLabel);
    } else {
        return boost::bind(&CheckResultOnConvertedObject<Object, Result>, call, _1, _2, expected,
                           classLabel, methodLabel);
    }
}

// Builds one `Object` from the ASCII `text` and runs every check on it, in the
// given order, whatever the earlier checks found.
template <class Object, class... Checks>
void RunChecks(const ostraunittesting::TestContext& context, const char* text,
               const Checks&... checks) {
    static_assert((std::is_same_v<Checks, URICheck> && ...), "RunChecks runs URICheck objects");
    const Object object(ostracore::utility::AsciiToUTF16(text, std::strlen(text)));
    (checks(object, context), ...);
}

}  // namespace kaurl::unittests
