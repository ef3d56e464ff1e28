// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <string>
#include <vector>

#include "Diagnostics.h"
#include "Subcommand.h"

namespace kaurl::tool {

// kaurl normalize [--syntax-only] [--json] [URI...]: prints the normalized
// form of each URI or relative reference.
class NormalizeCommand : public Subcommand {
public:
    explicit NormalizeCommand(CLI::App& parent);

    // The exit status: 1 when an input is not UTF-8 or cannot be normalized.
    int Run() override;

private:
    void NormalizeOne(const std::string& utf8, const InputPosition& position);

    bool syntaxOnly_ = false;
    bool json_ = false;
    std::vector<std::string> uris_;
    bool failed_ = false;
};

}  // namespace kaurl::tool
