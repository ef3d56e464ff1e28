// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <optional>
#include <string>

// The peer library uriparser's answers, text to text; nothing when it
// refuses the input or the operation.
namespace kaurl::differential::uriparser {

// Whether uriparser reads `text` as a URI reference.
bool Accepts(const std::string& text);

// The reference resolved against the base, strictly or with the reading of
// a reference that repeats the base's scheme as relative.
std::optional<std::string> Resolve(const std::string& base, const std::string& reference,
                                   bool nonStrict);

// The text normalized by syntax.
std::optional<std::string> Normalize(const std::string& text);

// A reference from the base to the target.
std::optional<std::string> MakeRelative(const std::string& base, const std::string& target);

}  // namespace kaurl::differential::uriparser
