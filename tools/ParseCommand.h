// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Diagnostics.h"
#include "Subcommand.h"
#include "UriViews.h"

namespace kaurl::tool {

// kaurl parse [--as CLASS] [--json] [--check] [--create] [URI...]: shows what
// a URI class makes of each URI, from the arguments or one per line from
// standard input.
class ParseCommand : public Subcommand {
public:
    explicit ParseCommand(CLI::App& parent);

    // The exit status: 1 when an input was not UTF-8, or (with --check) not
    // valid for its class; 0 otherwise.
    int Run() override;

private:
    void ParseOne(const std::string& utf8, const InputPosition& position);

    std::string className_ = "auto";
    bool json_ = false;
    bool check_ = false;
    bool create_ = false;
    std::vector<std::string> uris_;

    std::optional<UriClass> uriClass_;  // none: the class follows the scheme
    bool blockWritten_ = false;
    bool failed_ = false;
};

}  // namespace kaurl::tool
