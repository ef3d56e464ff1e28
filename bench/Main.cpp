// SPDX-License-Identifier: BSL-1.0
#include <exception>
#include <iostream>

#include <benchmark/benchmark.h>

#include "Corpus.h"
#include "Registration.h"

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    try {
        kaurl::bench::Corpus();
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    kaurl::bench::RegisterObjectBenchmarks();
    kaurl::bench::RegisterOperationBenchmarks();
    kaurl::bench::RegisterBaselineBenchmarks();
    kaurl::bench::RegisterScalingBenchmarks();
    kaurl::bench::RegisterMemoryBenchmarks();
    kaurl::bench::RegisterRelationBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
