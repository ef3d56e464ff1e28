// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kaurl::tooltest {

// Runs `words` (the program, then its arguments) with standard input, output
// and error on the given files, and waits for it. Returns its exit status, or
// -1 when it did not exit normally.
int RunProcess(const std::vector<std::string>& words, const std::filesystem::path& input,
               const std::filesystem::path& output, const std::filesystem::path& error);

}  // namespace kaurl::tooltest
