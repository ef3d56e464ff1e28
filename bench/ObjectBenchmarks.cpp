// SPDX-License-Identifier: BSL-1.0
// Construction, Create, copy and assignment of the URI classes, each over the
// corpus entries of its scheme (the generic class over the whole corpus).
#include <cstdint>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "Corpus.h"
#include "Registration.h"
#include "kaurl/URI.h"
#include "kaurl/file.h"
#include "kaurl/http.h"
#include "kaurl/kamedia.h"
#include "kaurl/kasynthetic.h"

namespace kaurl::bench {
namespace {

// Targets are made from a text because the file URL has no default constructor.
template <class Object>
void Construct(benchmark::State& state, const std::vector<UTF16String>& texts) {
    for (auto _ : state) {
        for (const UTF16String& text : texts) {
            Object object(text);
            benchmark::DoNotOptimize(object);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}

template <class Object, bool (*CreateFunction)(const UTF16String&, Object&)>
void Create(benchmark::State& state, const std::vector<UTF16String>& texts) {
    Object target(texts.front());
    for (auto _ : state) {
        for (const UTF16String& text : texts) {
            benchmark::DoNotOptimize(CreateFunction(text, target));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}

template <class Object>
std::vector<Object> Build(const std::vector<UTF16String>& texts) {
    return std::vector<Object>(texts.begin(), texts.end());
}

template <class Object>
void CopyConstruct(benchmark::State& state, const std::vector<UTF16String>& texts) {
    const std::vector<Object> sources = Build<Object>(texts);
    for (auto _ : state) {
        for (const Object& source : sources) {
            Object copy(source);
            benchmark::DoNotOptimize(copy);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(sources.size()));
}

template <class Object>
void Assign(benchmark::State& state, const std::vector<UTF16String>& texts) {
    const std::vector<Object> sources = Build<Object>(texts);
    Object target(texts.front());
    for (auto _ : state) {
        for (const Object& source : sources) {
            target = source;
            benchmark::DoNotOptimize(target);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(sources.size()));
}

template <class Object, bool (*CreateFunction)(const UTF16String&, Object&)>
void RegisterClass(const std::string& name, const std::vector<UTF16String>& texts) {
    benchmark::RegisterBenchmark((name + "/construct").c_str(), Construct<Object>, texts);
    benchmark::RegisterBenchmark((name + "/Create").c_str(), Create<Object, CreateFunction>, texts);
    benchmark::RegisterBenchmark((name + "/copy").c_str(), CopyConstruct<Object>, texts);
    benchmark::RegisterBenchmark((name + "/assign").c_str(), Assign<Object>, texts);
}

std::vector<UTF16String> Concatenate(std::vector<UTF16String> first,
                                     const std::vector<UTF16String>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

}  // namespace

void RegisterObjectBenchmarks() {
    RegisterClass<URI, kaurl::Create>("URI", Corpus());
    // One typical web URI of 70 code units, on its own.
    benchmark::RegisterBenchmark(
        "URI/construct/typical-https-70", Construct<URI>,
        std::vector<UTF16String>{
            u"https://www.example.com:8443/api/v2/assets?id=1234&format=json#details"});
    RegisterClass<kamedia::URL, kamedia::Create>("kamedia::URL", CorpusWithPrefix("kamedia:"));
    RegisterClass<kasynthetic::URL, kasynthetic::Create>("kasynthetic::URL",
                                                         CorpusWithPrefix("kasynthetic:"));
    RegisterClass<file::URL, file::Create>("file::URL", CorpusWithPrefix("file:"));
    RegisterClass<http::URL, http::Create>(
        "http::URL", Concatenate(CorpusWithPrefix("http:"), CorpusWithPrefix("https:")));
}

}  // namespace kaurl::bench
