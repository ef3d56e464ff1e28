// SPDX-License-Identifier: BSL-1.0
#include "Corpus.h"

#include <cctype>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>

#include "ostracore/Utility.h"

namespace kaurl::bench {
namespace {

std::vector<UTF16String> ReadCorpus() {
    std::ifstream file(KAURL_BENCH_CORPUS);
    if (!file) {
        throw std::runtime_error("cannot open the corpus " KAURL_BENCH_CORPUS);
    }
    std::vector<UTF16String> corpus;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty()) {
            corpus.push_back(ostracore::utility::UTF8to16(line));
        }
    }
    return corpus;
}

bool StartsWithIgnoringAsciiCase(const UTF16String& text, const char* prefix) {
    const std::size_t length = std::strlen(prefix);
    if (text.size() < length) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        const char16_t unit = text[i];
        if (unit > 0x7F || std::tolower(static_cast<unsigned char>(unit)) != prefix[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

const std::vector<UTF16String>& Corpus() {
    static const std::vector<UTF16String> corpus = ReadCorpus();
    return corpus;
}

std::vector<UTF16String> CorpusWithPrefix(const char* prefix) {
    std::vector<UTF16String> selected;
    for (const UTF16String& text : Corpus()) {
        if (StartsWithIgnoringAsciiCase(text, prefix)) {
            selected.push_back(text);
        }
    }
    return selected;
}

}  // namespace kaurl::bench
