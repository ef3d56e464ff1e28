// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <string>
#include <vector>

// What the tool does differently per platform when it starts, so that every
// command sees the same text and writes the same bytes everywhere.
namespace kaurl::tool {

// Makes standard input, output and error carry bytes unchanged. (Windows
// would otherwise turn "\n" into CR LF on output, CR LF into "\n" on input,
// and end input at Ctrl-Z.)
void UseBinaryStandardStreams();

// The program's arguments after its name, as UTF-8 where they are text. On
// Windows they come from the UTF-16 command line rather than through the ANSI
// code page; POSIX passes them on as the bytes they are.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

}  // namespace kaurl::tool
