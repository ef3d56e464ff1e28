// SPDX-License-Identifier: BSL-1.0
// Yardsticks over the whole corpus: the decomposition compiling its expression
// for every text ("naive"), the bare copying that any decomposition needs
// ("floor"), the search of the shared expression alone ("search-only"), and
// the peer library uriparser; and the decomposition timed in alternation with
// them ("targets").
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <uriparser/Uri.h>

#include "Corpus.h"
#include "ReferenceDecomposition.h"
#include "Registration.h"
#include "kaurl/URI.h"

namespace kaurl::bench {
namespace {

// One pass over the corpus for each of the measured works.

void ConstructPass(const std::vector<UTF16String>& corpus) {
    for (const UTF16String& text : corpus) {
        URI uri(text);
        benchmark::DoNotOptimize(uri);
    }
}

void NaivePass(const std::vector<UTF16String>& corpus) {
    for (const UTF16String& text : corpus) {
        UTF16String copy(text);
        PartTable parts;
        benchmark::DoNotOptimize(DecomposeCompilingEachTime(copy, parts));
        benchmark::DoNotOptimize(parts);
    }
}

void SearchOnlyPass(const std::vector<UTF16String>& corpus) {
    for (const UTF16String& text : corpus) {
        benchmark::DoNotOptimize(SearchWithSharedExpression(text));
    }
}

// The slices of every corpus entry, found in advance for floor.
std::vector<std::vector<Slice>> CorpusSlices(const std::vector<UTF16String>& corpus) {
    std::vector<std::vector<Slice>> slices;
    for (const UTF16String& text : corpus) {
        slices.push_back(SlicesOf(text));
    }
    return slices;
}

void FloorPass(const std::vector<UTF16String>& corpus,
               const std::vector<std::vector<Slice>>& slices) {
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        FloorObject object(corpus[i], slices[i]);
        benchmark::DoNotOptimize(object);
    }
}

// Search and floor for one text after the other, as a decomposition does both.
void SearchAndFloorPass(const std::vector<UTF16String>& corpus,
                        const std::vector<std::vector<Slice>>& slices) {
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        benchmark::DoNotOptimize(SearchWithSharedExpression(corpus[i]));
        FloorObject object(corpus[i], slices[i]);
        benchmark::DoNotOptimize(object);
    }
}

void SetCorpusItems(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Corpus().size()));
}

void Naive(benchmark::State& state) {
    for (auto _ : state) {
        NaivePass(Corpus());
    }
    SetCorpusItems(state);
}

void SearchOnly(benchmark::State& state) {
    for (auto _ : state) {
        SearchOnlyPass(Corpus());
    }
    SetCorpusItems(state);
}

void Floor(benchmark::State& state) {
    const std::vector<std::vector<Slice>> slices = CorpusSlices(Corpus());
    for (auto _ : state) {
        FloorPass(Corpus(), slices);
    }
    SetCorpusItems(state);
}

// The decomposition against its bounds, measured in alternation: every
// iteration runs the corpus through kaurl::URI, through search-only and floor,
// and through naive, in an order drawn anew each time, each timed on the
// process's CPU clock. A slow stretch of the shared machine thus slows all
// of them alike, and since each follows each equally often, none gains from
// the caches that another has warmed. The counters are the ratios of the
// summed times.
void Targets(benchmark::State& state) {
    const std::vector<UTF16String>& corpus = Corpus();
    const std::vector<std::vector<Slice>> slices = CorpusSlices(corpus);
    std::array<double, 3> seconds{};
    const std::array<std::function<void()>, 3> works = {[&] { ConstructPass(corpus); },
                                                        [&] { SearchAndFloorPass(corpus, slices); },
                                                        [&] { NaivePass(corpus); }};
    std::array<std::size_t, 3> order = {0, 1, 2};
    std::minstd_rand random;
    for (auto _ : state) {
        std::shuffle(order.begin(), order.end(), random);
        for (const std::size_t work : order) {
            const std::clock_t start = std::clock();
            works[work]();
            seconds[work] += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        }
    }
    SetCorpusItems(state);
    state.counters["naive_per_construct"] = seconds[2] / seconds[0];
    state.counters["construct_per_search_floor"] = seconds[0] / seconds[1];
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
    benchmark::RegisterBenchmark("targets", Targets);
}

}  // namespace kaurl::bench
