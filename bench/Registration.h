// SPDX-License-Identifier: BSL-1.0
#pragma once

// Each benchmark source registers its benchmarks from main, after the corpus
// has been read.
namespace kaurl::bench {

void RegisterObjectBenchmarks();
void RegisterOperationBenchmarks();
void RegisterBaselineBenchmarks();
void RegisterScalingBenchmarks();
void RegisterMemoryBenchmarks();
void RegisterRelationBenchmarks();

}  // namespace kaurl::bench
