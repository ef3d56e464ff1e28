// SPDX-License-Identifier: BSL-1.0
// Heap use per decomposed object, counted by the replaced operator new, for
// three corpus entries; the size of each class goes into the run's context.
#include <string>

#include <benchmark/benchmark.h>

#include "AllocationCounter.h"
#include "Corpus.h"
#include "ReferenceDecomposition.h"
#include "Registration.h"
#include "kaurl/URI.h"
#include "kaurl/file.h"
#include "kaurl/http.h"
#include "kaurl/kamedia.h"
#include "kaurl/kasynthetic.h"

namespace kaurl::bench {
namespace {

template <class MakeObject>
void CountHeapUse(benchmark::State& state, const MakeObject& makeObject) {
    HeapUse total;
    for (auto _ : state) {
        const HeapUse use = HeapUseOf(makeObject);
        total.allocations += use.allocations;
        total.bytes += use.bytes;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["allocations"] = benchmark::Counter(static_cast<double>(total.allocations),
                                                       benchmark::Counter::kAvgIterations);
    state.counters["heap_bytes"] =
        benchmark::Counter(static_cast<double>(total.bytes), benchmark::Counter::kAvgIterations);
}

template <class Class>
void AddSize(const char* name) {
    benchmark::AddCustomContext(std::string("sizeof(") + name + ")", std::to_string(sizeof(Class)));
}

}  // namespace

void RegisterMemoryBenchmarks() {
    AddSize<URI>("kaurl::URI");
    AddSize<kamedia::URL>("kaurl::kamedia::URL");
    AddSize<kasynthetic::URL>("kaurl::kasynthetic::URL");
    AddSize<file::URL>("kaurl::file::URL");
    AddSize<http::URL>("kaurl::http::URL");

    // A short http URI, a long asset URI with every component, a media URI.
    const UTF16String entries[] = {
        u"http://www.example.com/index.html",
        u"https://www.example.com:8443/api/v2/assets?id=1234&format=json#details",
        u"kamedia://wendelgrid/media/stories/123/ABA00.mxf"};
    int number = 1;
    for (const UTF16String& text : entries) {
        const std::string suffix = "/entry" + std::to_string(number++);
        benchmark::RegisterBenchmark(
            ("memory/URI" + suffix).c_str(), [text](benchmark::State& state) {
                CountHeapUse(state, [&text] { benchmark::DoNotOptimize(URI(text)); });
            });
        benchmark::RegisterBenchmark(("memory/floor" + suffix).c_str(),
                                     [text, slices = SlicesOf(text)](benchmark::State& state) {
                                         CountHeapUse(state, [&] {
                                             FloorObject object(text, slices);
                                             benchmark::DoNotOptimize(object);
                                         });
                                     });
    }
}

}  // namespace kaurl::bench
