// SPDX-License-Identifier: BSL-1.0
// Reference resolution and normalization, text to text and with objects,
// against the constructions they are measured by, and uriparser doing the same
// text to text (parse, operate, recompose, free).
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>
#include <uriparser/Uri.h>

#include "Corpus.h"
#include "Registration.h"
#include "kaurl/Relations.h"
#include "kaurl/URI.h"

namespace kaurl::bench {
namespace {

// The normal examples of RFC 3986, 5.4.1, with its base among the bases.
constexpr const char16_t* kReferences[] = {
    u"g:h", u"g",   u"./g",   u"g/",   u"/g",    u"//g",     u"?y",      u"g?y",
    u"#s",  u"g#s", u"g?y#s", u";x",   u"g;x",   u"g;x?y#s", u"",        u".",
    u"./",  u"..",  u"../",   u"../g", u"../..", u"../../",  u"../../g",
};

// Every absolute URI of the corpus, and the RFC's base, as bases.
std::vector<UTF16String> Bases() {
    std::vector<UTF16String> bases = {u"http://a/b/c/d;p?q"};
    for (const UTF16String& text : Corpus()) {
        if (IsValid(text)) {
            bases.push_back(text);
        }
    }
    return bases;
}

struct Pair {
    UTF16String base;
    UTF16String reference;
};

// Which references each base is paired with.
enum class References { Rfc, Corpus };

std::vector<Pair> Pairs(References references) {
    std::vector<Pair> pairs;
    for (const UTF16String& base : Bases()) {
        if (references == References::Rfc) {
            for (const char16_t* reference : kReferences) {
                pairs.push_back({base, reference});
            }
        } else {
            for (const UTF16String& reference : Corpus()) {
                pairs.push_back({base, reference});
            }
        }
    }
    return pairs;
}

void ConstructReferences(const std::vector<Pair>& pairs) {
    for (const Pair& pair : pairs) {
        URI reference(pair.reference);
        benchmark::DoNotOptimize(reference);
    }
}

void ResolveTexts(const std::vector<Pair>& pairs) {
    UTF16String target;
    for (const Pair& pair : pairs) {
        benchmark::DoNotOptimize(ResolveReference(pair.base, pair.reference, target));
    }
}

// The object overload's work and its yardstick: the reference and the
// result constructed from text.
struct ObjectPair {
    URI base;
    UTF16String reference;
    UTF16String target;
};

std::vector<ObjectPair> ObjectPairs(const std::vector<Pair>& pairs) {
    std::vector<ObjectPair> objects;
    for (const Pair& pair : pairs) {
        UTF16String target;
        ResolveReference(pair.base, pair.reference, target);
        objects.push_back({URI(pair.base), pair.reference, target});
    }
    return objects;
}

void ResolveObjects(const std::vector<ObjectPair>& pairs) {
    URI target;
    for (const ObjectPair& pair : pairs) {
        benchmark::DoNotOptimize(ResolveReference(pair.base, pair.reference, target));
    }
}

void ConstructReferencesAndTargets(const std::vector<ObjectPair>& pairs) {
    for (const ObjectPair& pair : pairs) {
        URI reference(pair.reference);
        URI target(pair.target);
        benchmark::DoNotOptimize(reference);
        benchmark::DoNotOptimize(target);
    }
}

void ConstructInputs(const std::vector<UTF16String>& texts) {
    for (const UTF16String& text : texts) {
        URI uri(text);
        benchmark::DoNotOptimize(uri);
    }
}

void NormalizeTexts(const std::vector<UTF16String>& texts) {
    UTF16String normalized;
    for (const UTF16String& text : texts) {
        benchmark::DoNotOptimize(Normalize(text, normalized));
    }
}

// Each work against its yardstick, measured in alternation as the targets
// benchmark does: every iteration runs all six in an order drawn anew, each
// timed on the process's CPU clock. The counters are the ratios of the summed
// times. The RFC's references are short beside the corpus's bases, which
// resolution decomposes too; the corpus's are as long as the bases.
void RelationTargets(benchmark::State& state, References references) {
    const std::vector<Pair> pairs = Pairs(references);
    const std::vector<ObjectPair> objects = ObjectPairs(pairs);
    const std::vector<UTF16String>& texts = Corpus();
    const std::array<std::function<void()>, 6> works = {
        [&] { ResolveTexts(pairs); },     [&] { ConstructReferences(pairs); },
        [&] { NormalizeTexts(texts); },   [&] { ConstructInputs(texts); },
        [&] { ResolveObjects(objects); }, [&] { ConstructReferencesAndTargets(objects); }};
    std::array<double, 6> seconds{};
    std::array<std::size_t, 6> order = {0, 1, 2, 3, 4, 5};
    std::minstd_rand random;
    for (auto _ : state) {
        std::shuffle(order.begin(), order.end(), random);
        for (const std::size_t work : order) {
            const std::clock_t start = std::clock();
            works[work]();
            seconds[work] += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        }
    }
    state.counters["resolve_per_construct"] = seconds[0] / seconds[1];
    state.counters["normalize_per_construct"] = seconds[2] / seconds[3];
    state.counters["object_per_constructions"] = seconds[4] / seconds[5];
}

void ResolveText(benchmark::State& state) {
    const std::vector<Pair> pairs = Pairs(References::Rfc);
    for (auto _ : state) {
        ResolveTexts(pairs);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pairs.size()));
}

void NormalizeText(benchmark::State& state) {
    for (auto _ : state) {
        NormalizeTexts(Corpus());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Corpus().size()));
}

// uriparser's text-to-text work: parse, operate, recompose, free.

std::wstring Wide(const UTF16String& text) {
    return {text.begin(), text.end()};
}

bool Parse(const std::wstring& text, UriUriW& uri) {
    const wchar_t* errorPosition = nullptr;
    if (uriParseSingleUriW(&uri, text.c_str(), &errorPosition) == URI_SUCCESS) {
        return true;
    }
    uriFreeUriMembersW(&uri);
    return false;
}

std::wstring Recompose(const UriUriW& uri) {
    int size = 0;
    uriToStringCharsRequiredW(&uri, &size);
    std::wstring text(static_cast<std::size_t>(size) + 1, L'\0');
    uriToStringW(text.data(), &uri, size + 1, nullptr);
    text.resize(static_cast<std::size_t>(size));
    return text;
}

void UriparserResolve(benchmark::State& state) {
    std::vector<std::pair<std::wstring, std::wstring>> pairs;
    for (const Pair& pair : Pairs(References::Rfc)) {
        pairs.emplace_back(Wide(pair.base), Wide(pair.reference));
    }
    std::int64_t resolved = 0;
    for (auto _ : state) {
        resolved = 0;
        for (const auto& [base, reference] : pairs) {
            UriUriW parsedBase;
            UriUriW parsedReference;
            UriUriW target;
            if (Parse(base, parsedBase)) {
                if (Parse(reference, parsedReference)) {
                    if (uriAddBaseUriExW(&target, &parsedReference, &parsedBase,
                                         URI_RESOLVE_STRICTLY) == URI_SUCCESS) {
                        benchmark::DoNotOptimize(Recompose(target));
                        uriFreeUriMembersW(&target);
                        ++resolved;
                    }
                    uriFreeUriMembersW(&parsedReference);
                }
                uriFreeUriMembersW(&parsedBase);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pairs.size()));
    state.counters["accepted"] = static_cast<double>(resolved);
}

void UriparserNormalize(benchmark::State& state) {
    std::vector<std::wstring> texts;
    for (const UTF16String& text : Corpus()) {
        texts.push_back(Wide(text));
    }
    std::int64_t normalized = 0;
    for (auto _ : state) {
        normalized = 0;
        for (const std::wstring& text : texts) {
            UriUriW uri;
            if (Parse(text, uri)) {
                if (uriNormalizeSyntaxW(&uri) == URI_SUCCESS) {
                    benchmark::DoNotOptimize(Recompose(uri));
                    ++normalized;
                }
                uriFreeUriMembersW(&uri);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
    state.counters["accepted"] = static_cast<double>(normalized);
}

}  // namespace

void RegisterRelationBenchmarks() {
    benchmark::RegisterBenchmark("resolve-text", ResolveText);
    benchmark::RegisterBenchmark("normalize-text", NormalizeText);
    benchmark::RegisterBenchmark("uriparser-resolve", UriparserResolve);
    benchmark::RegisterBenchmark("uriparser-normalize", UriparserNormalize);
    benchmark::RegisterBenchmark("relation-targets-rfc", RelationTargets, References::Rfc);
    benchmark::RegisterBenchmark("relation-targets-corpus", RelationTargets, References::Corpus);
}

}  // namespace kaurl::bench
