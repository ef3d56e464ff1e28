// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <string>
#include <vector>

#include "Diagnostics.h"
#include "Subcommand.h"
#include "ostracore/Strings.h"

namespace kaurl::tool {

// kaurl relative [--json] BASE [TARGET...]: prints for each target the
// shortest reference that resolves against the base to where the target does.
class RelativeCommand : public Subcommand {
public:
    explicit RelativeCommand(CLI::App& parent);

    // The exit status: 1 when the base or a target has no scheme or is not
    // UTF-8; 0 otherwise.
    int Run() override;

private:
    void RelateOne(const ostracore::UTF16String& base, const std::string& utf8,
                   const InputPosition& position);

    bool json_ = false;
    std::string base_;
    std::vector<std::string> targets_;
    bool failed_ = false;
};

}  // namespace kaurl::tool
