// SPDX-License-Identifier: BSL-1.0
// The differential check's driver: prints the binding's answers, one JSON
// object per line. Built natively and to WebAssembly (run under node), so
// that the two builds can be compared answer by answer.
//
//   kaurl_web_driver lines constructor|create FILE   each line (UTF-8), read as auto
//   kaurl_web_driver seeds FILE...                   each file's bytes as UTF-16
//                                                    code units, as the fuzz targets
//                                                    read them, through every call
//   kaurl_web_driver time FILE ROUNDS                nanoseconds per generic
//                                                    decomposition of a line, alone
//                                                    and as the page asks for it
//                                                    (web/bench), and the count of
//                                                    valid results
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "Playground.h"
#include "kaurl/URI.h"
#include "ostracore/Utility.h"

namespace {

void Print(char* answer) {
    std::cout << (answer == nullptr ? "null" : answer) << '\n';
    kaurl_web_free(answer);
}

bool ReadFile(const char* name, std::string& bytes) {
    std::ifstream in(name, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad() && in.is_open();
}

bool ReadLines(const char* name, std::vector<std::u16string>& lines) {
    std::ifstream in(name, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(ostracore::utility::UTF8to16(line));
    }
    return !in.bad() && in.is_open();
}

int PrintLines(const char* name, int create) {
    std::vector<std::u16string> lines;
    if (!ReadLines(name, lines)) {
        std::cerr << "kaurl_web_driver: cannot read a file\n";
        return 1;
    }
    for (const std::u16string& text : lines) {
        Print(kaurl_web_describe(text.data(), text.size(), "auto", create));
    }
    return 0;
}

// Nanoseconds per call of `call` for each line, over `rounds` rounds.
template <typename Call>
double NanosecondsPerLine(const std::vector<std::u16string>& lines, long rounds, Call call) {
    const auto start = std::chrono::steady_clock::now();
    for (long round = 0; round < rounds; ++round) {
        for (const std::u16string& text : lines) {
            call(text);
        }
    }
    const std::chrono::duration<double, std::nano> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count() / (static_cast<double>(rounds) * static_cast<double>(lines.size()));
}

// The library's decomposition alone (the generic constructor), then the
// binding's answer for the page.
int PrintTime(const char* name, const char* roundsText) {
    std::vector<std::u16string> lines;
    const long rounds = std::strtol(roundsText, nullptr, 10);
    if (!ReadLines(name, lines) || lines.empty() || rounds <= 0) {
        std::cerr << "kaurl_web_driver: needs a file with lines and a positive number of rounds\n";
        return 1;
    }
    std::size_t valid = 0;
    const double decomposition = NanosecondsPerLine(
        lines, rounds,
        [&valid](const std::u16string& text) { valid += kaurl::URI(text).IsValid(); });
    const double answer = NanosecondsPerLine(lines, rounds, [](const std::u16string& text) {
        kaurl_web_free(kaurl_web_describe(text.data(), text.size(), "uri", 0));
    });
    std::cout << decomposition << ' ' << answer << ' ' << valid << '\n';
    return 0;
}

void PrintSeed(const std::u16string& units) {
    static constexpr const char* kClasses[] = {"auto",        "uri",  "kamedia",
                                               "kasynthetic", "file", "http"};
    for (const char* className : kClasses) {
        for (const int create : {0, 1}) {
            Print(kaurl_web_describe(units.data(), units.size(), className, create));
        }
    }
    Print(kaurl_web_compose(units.data(), units.size(), units.data(), units.size()));
    const std::u16string mountPath = u"/mnt/grid/";
    Print(kaurl_web_substitute(units.data(), units.size(), mountPath.data(), mountPath.size()));
    for (const char* separator : {"Slash", "Backslash", "Native"}) {
        Print(kaurl_web_resolve(units.data(), units.size(), mountPath.data(), mountPath.size(),
                                separator));
    }
    Print(
        kaurl_web_resolve(mountPath.data(), mountPath.size(), units.data(), units.size(), "Slash"));
    // Names that the binding does not know: both answers are null.
    Print(kaurl_web_describe(units.data(), units.size(), "url", 0));
    Print(
        kaurl_web_resolve(units.data(), units.size(), mountPath.data(), mountPath.size(), "slash"));
}

int PrintSeeds(const std::vector<const char*>& names) {
    for (const char* name : names) {
        std::string bytes;
        if (!ReadFile(name, bytes)) {
            std::cerr << "kaurl_web_driver: cannot read a file\n";
            return 1;
        }
        PrintSeed(kaurl::fuzz::CodeUnits(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                         bytes.size()));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<const char*> arguments(argv + 1, argv + argc);
    if (arguments.size() == 3 && std::string_view(arguments[0]) == "lines") {
        const std::string_view reading = arguments[1];
        if (reading == "constructor" || reading == "create") {
            return PrintLines(arguments[2], reading == "create" ? 1 : 0);
        }
    }
    if (arguments.size() == 3 && std::string_view(arguments[0]) == "time") {
        return PrintTime(arguments[1], arguments[2]);
    }
    if (arguments.size() >= 2 && std::string_view(arguments[0]) == "seeds") {
        return PrintSeeds({arguments.begin() + 1, arguments.end()});
    }
    std::cerr << "usage: kaurl_web_driver lines constructor|create FILE | seeds FILE... | time "
                 "FILE ROUNDS\n";
    return 2;
}
