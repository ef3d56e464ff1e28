// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <optional>
#include <string>

// The disagreements with uriparser 0.9.7 where kaurl follows RFC 3986 and
// uriparser does not; docs/differential.md gives the reasoning for each.
namespace kaurl::differential {

enum class Operation { Resolve, ResolveNonStrict, Normalize, MakeRelative };

// "resolve", "resolve non-strict", "normalize" or "make relative".
const char* NameOf(Operation operation);

// One operation's input and both libraries' answers; nothing for a refusal.
struct Disagreement {
    Operation operation;
    std::string base;   // empty for normalize
    std::string input;  // the reference, the text or the target
    std::optional<std::string> kaurl;
    std::optional<std::string> peer;
};

// The name of the predicate that explains the disagreement, or null.
const char* Explain(const Disagreement& answers);

}  // namespace kaurl::differential
