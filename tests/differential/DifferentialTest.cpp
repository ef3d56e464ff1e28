// SPDX-License-Identifier: BSL-1.0
// kaurl's relations against uriparser's over every pair of an absolute URI and
// any text of the repository's URI collections. A disagreement passes only
// when one of the named predicates (Disagreements.h, reasoning in
// docs/differential.md) explains it.
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Disagreements.h"
#include "Uriparser.h"
#include "kaurl/Relations.h"

namespace {

using kaurl::differential::Disagreement;
using kaurl::differential::Operation;
namespace peer = kaurl::differential::uriparser;

const std::filesystem::path kSourceDir = KAURL_SOURCE_DIR;

// The texts both libraries can read, and how many others were skipped.
struct Inputs {
    std::set<std::string> texts;
    std::size_t skipped = 0;
};

void Add(Inputs& inputs, const std::u16string& text) {
    std::string ascii;
    for (const char16_t unit : text) {
        if (unit > 0x7F) {
            ++inputs.skipped;  // raw non-ASCII text, which uriparser refuses
            return;
        }
        ascii.push_back(static_cast<char>(unit));
    }
    if (peer::Accepts(ascii)) {
        inputs.texts.insert(ascii);
    } else {
        ++inputs.skipped;
    }
}

// One text per line of the two URI lists and of each fuzz seed, read as
// UTF-16 code units, low byte first (the relations seeds hold a base and a
// reference on two lines).
Inputs ReadInputs() {
    Inputs inputs;
    for (const char* list : {"examples/uris.txt", "bench/corpus.txt"}) {
        std::ifstream file(kSourceDir / list);
        for (std::string line; std::getline(file, line);) {
            Add(inputs, std::u16string(line.begin(), line.end()));
        }
    }
    for (const auto& corpus : std::filesystem::directory_iterator(kSourceDir / "fuzz/corpus")) {
        for (const auto& seed : std::filesystem::directory_iterator(corpus.path())) {
            std::ifstream file(seed.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(file), {}};
            std::u16string line;
            for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
                const auto unit =
                    static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                          static_cast<unsigned char>(bytes[i + 1]) << 8);
                if (unit == u'\n') {
                    Add(inputs, line);
                    line.clear();
                } else {
                    line.push_back(unit);
                }
            }
            Add(inputs, line);
        }
    }
    return inputs;
}

std::u16string Wide(const std::string& text) {
    return {text.begin(), text.end()};
}

std::string Narrow(const std::u16string& text) {
    return {text.begin(), text.end()};
}

std::optional<std::string> Resolve(const std::string& base, const std::string& reference,
                                   kaurl::ResolutionMode mode = kaurl::ResolutionMode::Strict) {
    std::u16string result;
    if (!kaurl::ResolveReference(Wide(base), Wide(reference), result, mode)) {
        return std::nullopt;
    }
    return Narrow(result);
}

class Comparison {
public:
    // Compares one answer of each library; a disagreement that no predicate
    // explains fails the test. A refusal by uriparser is counted as skipped.
    void Compare(const Disagreement& answers) {
        if (!answers.peer) {
            ++skipped_;
            return;
        }
        ++compared_;
        if (answers.kaurl == answers.peer) {
            return;
        }
        if (const char* name = kaurl::differential::Explain(answers)) {
            ++expected_[name];
            return;
        }
        ADD_FAILURE() << kaurl::differential::NameOf(answers.operation) << " base \""
                      << answers.base << "\" input \"" << answers.input << "\": kaurl \""
                      << answers.kaurl.value_or("(refused)") << "\", uriparser \"" << *answers.peer
                      << "\"";
    }

    void Report(std::size_t skippedTexts) const {
        std::cout << "compared " << compared_ << ", skipped " << skipped_ << " operations and "
                  << skippedTexts << " texts\n";
        for (const auto& [name, count] : expected_) {
            std::cout << "expected disagreement " << name << ": " << count << '\n';
        }
    }

private:
    std::size_t compared_ = 0;
    std::size_t skipped_ = 0;
    std::map<std::string, std::size_t> expected_;
};

TEST(Differential, AgreesWithUriparserWhereTheRfcIsFollowed) {
    const Inputs inputs = ReadInputs();
    ASSERT_GT(inputs.texts.size(), 50u);
    Comparison comparison;
    for (const std::string& text : inputs.texts) {
        std::u16string normalized;
        kaurl::Normalize(Wide(text), normalized, kaurl::Normalization::SyntaxBased);
        comparison.Compare(
            {Operation::Normalize, "", text, Narrow(normalized), peer::Normalize(text)});
    }
    for (const std::string& base : inputs.texts) {
        if (!kaurl::IsValid(Wide(base))) {
            continue;
        }
        for (const std::string& reference : inputs.texts) {
            comparison.Compare({Operation::Resolve, base, reference, Resolve(base, reference),
                                peer::Resolve(base, reference, false)});
            comparison.Compare({Operation::ResolveNonStrict, base, reference,
                                Resolve(base, reference, kaurl::ResolutionMode::NonStrict),
                                peer::Resolve(base, reference, true)});
            if (!kaurl::IsValid(Wide(reference))) {
                continue;
            }
            // Both answers count by where they lead from the base.
            std::u16string relative;
            kaurl::MakeRelative(Wide(base), Wide(reference), relative);
            const auto peerRelative = peer::MakeRelative(base, reference);
            comparison.Compare({Operation::MakeRelative, base, reference,
                                Resolve(base, Narrow(relative)),
                                peerRelative ? Resolve(base, *peerRelative) : std::nullopt});
        }
    }
    comparison.Report(inputs.skipped);
}

}  // namespace
