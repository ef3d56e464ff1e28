// SPDX-License-Identifier: BSL-1.0
#include "ToolProcess.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace kaurl::tooltest {
namespace {

// A handle that is closed with its owner.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { CloseHandle(handle_); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// A handle on `path` that a started process inherits.
Handle OpenInheritable(const std::filesystem::path& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    const HANDLE handle = CreateFileW(path.c_str(), access, FILE_SHARE_READ, &inheritable,
                                      disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot open " + path.string());
    }
    return Handle(handle);
}

// The UTF-16 form of an argument given as bytes: UTF-8 sequences decoded, and
// every other byte as the lone surrogate U+DC00 + byte (as Python's
// surrogateescape does), which is the malformed text a Windows program can be
// handed where a POSIX one gets bytes that are not UTF-8.
std::wstring WideArgument(const std::string& bytes) {
    std::wstring wide;
    for (std::size_t next = 0; next < bytes.size();) {
        wchar_t units[2] = {};
        int count = 0;
        std::size_t length = 0;
        while (count == 0 && length < 4 && next + length < bytes.size()) {
            ++length;
            count = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data() + next,
                                        static_cast<int>(length), units, 2);
        }
        if (count > 0) {
            wide.append(units, static_cast<std::size_t>(count));
            next += length;
        } else {
            wide.push_back(static_cast<wchar_t>(0xDC00 | static_cast<unsigned char>(bytes[next])));
            ++next;
        }
    }
    return wide;
}

// `argument` as one word of a command line, quoted so that CommandLineToArgvW
// and the C runtime give it back unchanged: in double quotes, a backslash
// before each double quote, and the backslashes that precede a double quote
// or the closing quote doubled.
std::wstring Quoted(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t unit : argument) {
        if (unit == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(unit == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted.push_back(unit);
    }
    quoted.append(2 * backslashes, L'\\');
    quoted.push_back(L'"');
    return quoted;
}

}  // namespace

int RunProcess(const std::vector<std::string>& words, const std::filesystem::path& input,
               const std::filesystem::path& output, const std::filesystem::path& error) {
    std::wstring commandLine;
    for (const std::string& word : words) {
        commandLine += (commandLine.empty() ? L"" : L" ") + Quoted(WideArgument(word));
    }
    const Handle in = OpenInheritable(input, GENERIC_READ, OPEN_EXISTING);
    const Handle out = OpenInheritable(output, GENERIC_WRITE, CREATE_ALWAYS);
    const Handle err = OpenInheritable(error, GENERIC_WRITE, CREATE_ALWAYS);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.Get();
    startup.hStdOutput = out.Get();
    startup.hStdError = err.Get();
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &started)) {
        const DWORD failure = GetLastError();
        throw std::runtime_error("cannot start " + words.front() + ": Windows error " +
                                 std::to_string(failure));
    }
    const Handle process(started.hProcess);
    const Handle thread(started.hThread);
    WaitForSingleObject(process.Get(), INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.Get(), &exitCode);
    // A process ended by an exception (an access violation, say) exits with
    // that exception's status code, whose two top bits are set.
    return exitCode >= 0xC0000000 ? -1 : static_cast<int>(exitCode);
}

}  // namespace kaurl::tooltest
