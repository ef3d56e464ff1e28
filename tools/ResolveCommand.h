// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <string>
#include <vector>

#include "Diagnostics.h"
#include "Subcommand.h"
#include "ostracore/Strings.h"

namespace kaurl::tool {

// kaurl resolve [--non-strict] [--json] BASE [REFERENCE...]: prints the URI
// that each reference names against the base, by the rules of the base's
// class.
class ResolveCommand : public Subcommand {
public:
    explicit ResolveCommand(CLI::App& parent);

    // The exit status: 1 when the base has no scheme, or an input is not UTF-8
    // or does not resolve; 0 otherwise.
    int Run() override;

private:
    void ResolveOne(const ostracore::UTF16String& base, bool media, const std::string& utf8,
                    const InputPosition& position);

    bool nonStrict_ = false;
    bool json_ = false;
    std::string base_;
    std::vector<std::string> references_;
    bool failed_ = false;
};

}  // namespace kaurl::tool
