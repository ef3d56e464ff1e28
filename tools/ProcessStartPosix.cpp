// SPDX-License-Identifier: BSL-1.0
// POSIX streams carry bytes already, and arguments are bytes.
#include "ProcessStart.h"

namespace kaurl::tool {

void UseBinaryStandardStreams() {}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    if (argc < 1) {
        return {};
    }
    return {argv + 1, argv + argc};
}

}  // namespace kaurl::tool
