// SPDX-License-Identifier: BSL-1.0
// Decomposition of one URI whose path, query or fragment grows to 1 MiB code
// units; items are code units, so the rate must not fall with the length.
#include <cstdint>
#include <string>

#include <benchmark/benchmark.h>

#include "Registration.h"
#include "kaurl/URI.h"

namespace kaurl::bench {
namespace {

// `length` code units made by repeating `pattern`, cut at the end.
UTF16String Repeated(const UTF16String& pattern, std::size_t length) {
    UTF16String text;
    text.reserve(length);
    while (text.size() < length) {
        text += pattern;
    }
    text.resize(length);
    return text;
}

// Each long component sits between fixed short ones, so that every group
// of the expression takes part.
UTF16String LongUri(const std::string& component, std::size_t length) {
    const UTF16String head = u"https://user@media.example.com:8443";
    if (component == "path") {
        return head + u"/" + Repeated(u"media/clip_0042/", length) + u"?q=1#f";
    }
    if (component == "query") {
        return head + u"/a?" + Repeated(u"key=value&", length) + u"#f";
    }
    return head + u"/a?q=1#" + Repeated(u"t=12.5,", length);
}

void ConstructLong(benchmark::State& state, const std::string& component) {
    const UTF16String text = LongUri(component, static_cast<std::size_t>(state.range(0)));
    if (!URI(text).IsValid()) {
        state.SkipWithError("the long URI did not decompose");
        return;
    }
    for (auto _ : state) {
        URI uri(text);
        benchmark::DoNotOptimize(uri);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

}  // namespace

void RegisterScalingBenchmarks() {
    for (const char* component : {"path", "query", "fragment"}) {
        benchmark::RegisterBenchmark((std::string("scaling/") + component).c_str(), ConstructLong,
                                     std::string(component))
            ->Arg(1 << 10)
            ->Arg(1 << 16)
            ->Arg(1 << 20);
    }
}

}  // namespace kaurl::bench
