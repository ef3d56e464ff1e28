// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <string>

#include "Subcommand.h"

namespace kaurl::tool {

// kaurl compose media MOUNTPOINT PATH | kaurl compose synthetic IDENTIFIER:
// prints the URI that the library builds from the parts.
class ComposeCommand : public Subcommand {
public:
    explicit ComposeCommand(CLI::App& parent);

    // The exit status: 1 when an argument is not UTF-8 or the library refuses.
    int Run() override;

private:
    int RunMedia() const;
    int RunSynthetic() const;

    CLI::App* media_;
    CLI::App* synthetic_;
    std::string mountPoint_;
    std::string path_;
    std::string identifier_;
};

}  // namespace kaurl::tool
