// SPDX-License-Identifier: BSL-1.0
#include "ProcessStart.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <memory>

namespace kaurl::tool {
namespace {

// The UTF-8 form of `argument`. Text that is not UTF-16 (a lone surrogate)
// becomes a byte that UTF-8 never holds, so the commands refuse it as they
// refuse malformed UTF-8 elsewhere; they never quote a refused argument.
std::string Utf8Of(const wchar_t* argument) {
    constexpr char kNeverInUtf8 = '\xFF';
    const int size = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, argument, -1, nullptr, 0,
                                         nullptr, nullptr);
    if (size == 0) {
        return std::string(1, kNeverInUtf8);
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, argument, -1, text.data(), size, nullptr,
                        nullptr);
    text.pop_back();  // the terminating NUL
    return text;
}

}  // namespace

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

std::vector<std::string> CommandLineArguments(int /*argc*/, char** /*argv*/) {
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> arguments(
        CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
    std::vector<std::string> result;
    for (int i = 1; arguments && i < count; ++i) {
        result.push_back(Utf8Of(arguments.get()[i]));
    }
    return result;
}

}  // namespace kaurl::tool
