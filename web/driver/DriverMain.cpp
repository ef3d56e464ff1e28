// SPDX-License-Identifier: BSL-1.0
// The differential check's driver: prints the binding's answers, one JSON
// object per line. Built natively and to WebAssembly (run under node), so
// that the two builds can be compared answer by answer.
//
//   kaurl_web_driver lines constructor|create FILE   each line (UTF-8), read as auto
//   kaurl_web_driver seeds FILE...                   each file's bytes as UTF-16
//                                                    code units, as the fuzz targets
//                                                    read them, through every call
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "Playground.h"
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

int PrintLines(const char* name, int create) {
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        std::cerr << "kaurl_web_driver: cannot read a file\n";
        return 1;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::u16string text = ostracore::utility::UTF8to16(line);
        Print(kaurl_web_describe(text.data(), text.size(), "auto", create));
    }
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
    if (arguments.size() >= 2 && std::string_view(arguments[0]) == "seeds") {
        return PrintSeeds({arguments.begin() + 1, arguments.end()});
    }
    std::cerr << "usage: kaurl_web_driver lines constructor|create FILE | seeds FILE...\n";
    return 2;
}
