// SPDX-License-Identifier: BSL-1.0
#pragma once

#include "Subcommand.h"

namespace kaurl::tool {

// kaurl selftest: runs the library's own test suite. The trace goes to
// standard output, the report of failed test cases to standard error, and a
// closing line "N passed, N failed" to standard output.
class SelfTestCommand : public Subcommand {
public:
    explicit SelfTestCommand(CLI::App& parent);

    // The exit status: 0 when no test case failed, 1 otherwise.
    int Run() override;
};

}  // namespace kaurl::tool
