// SPDX-License-Identifier: BSL-1.0
// Yardsticks over the whole corpus: the decomposition compiling its expression
// for every text ("naive"), the bare copying that any decomposition needs
// ("floor"), the search of the shared expression alone ("search-only"), and
// the peer library uriparser.
#include <cstdint>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <uriparser/Uri.h>

#include "Corpus.h"
#include "ReferenceDecomposition.h"
#include "Registration.h"

namespace kaurl::bench {
namespace {

void Naive(benchmark::State& state) {
    const std::vector<UTF16String>& corpus = Corpus();
    for (auto _ : state) {
        for (const UTF16String& text : corpus) {
            UTF16String copy(text);
            PartTable parts;
            benchmark::DoNotOptimize(DecomposeCompilingEachTime(copy, parts));
            benchmark::DoNotOptimize(parts);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(corpus.size()));
}

void SearchOnly(benchmark::State& state) {
    const std::vector<UTF16String>& corpus = Corpus();
    for (auto _ : state) {
        for (const UTF16String& text : corpus) {
            benchmark::DoNotOptimize(SearchWithSharedExpression(text));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(corpus.size()));
}

void Floor(benchmark::State& state) {
    const std::vector<UTF16String>& corpus = Corpus();
    std::vector<std::vector<Slice>> slices;
    for (const UTF16String& text : corpus) {
        slices.push_back(SlicesOf(text));
    }
    for (auto _ : state) {
        for (std::size_t i = 0; i < corpus.size(); ++i) {
            FloorObject object(corpus[i], slices[i]);
            benchmark::DoNotOptimize(object);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(corpus.size()));
}

void Uriparser(benchmark::State& state) {
    std::vector<std::wstring> corpus;
    for (const UTF16String& text : Corpus()) {
        corpus.emplace_back(text.begin(), text.end());
    }
    std::int64_t parsed = 0;
    for (auto _ : state) {
        parsed = 0;
        for (const std::wstring& text : corpus) {
            UriUriW uri;
            const wchar_t* errorPosition = nullptr;
            if (uriParseSingleUriW(&uri, text.c_str(), &errorPosition) == URI_SUCCESS) {
                benchmark::DoNotOptimize(uri);
                uriFreeUriMembersW(&uri);
                ++parsed;
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(corpus.size()));
    // uriparser rejects what RFC 3986 does not allow (backslashes, raw
    // non-ASCII text); the rejected entries still count as items.
    state.counters["accepted"] = static_cast<double>(parsed);
}

}  // namespace

void RegisterBaselineBenchmarks() {
    benchmark::RegisterBenchmark("naive", Naive);
    benchmark::RegisterBenchmark("floor", Floor);
    benchmark::RegisterBenchmark("search-only", SearchOnly);
    benchmark::RegisterBenchmark("uriparser", Uriparser);
}

}  // namespace kaurl::bench
