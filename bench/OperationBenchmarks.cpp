// SPDX-License-Identifier: BSL-1.0
// The media URL composition, substitution and checked local path, and the HTTP
// port number.
#include <cstdint>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

#include "Corpus.h"
#include "Registration.h"
#include "kaurl/http.h"
#include "kaurl/kamedia.h"

namespace kaurl::bench {
namespace {

// The valid media URLs of the corpus, made as the host makes them.
std::vector<kamedia::URL> MediaUrls() {
    std::vector<kamedia::URL> urls;
    for (const UTF16String& text : CorpusWithPrefix("kamedia:")) {
        kamedia::URL url;
        if (kamedia::Create(text, url)) {
            urls.push_back(url);
        }
    }
    return urls;
}

void CreateFromMountPointAndPath(benchmark::State& state) {
    // Mount points and paths as the corpus's media URLs carry them.
    std::vector<std::pair<UTF16String, UTF16String>> inputs;
    for (const kamedia::URL& url : MediaUrls()) {
        inputs.emplace_back(url.GetMountPoint(), url.GetPath());
    }
    kamedia::URL target;
    for (auto _ : state) {
        for (const auto& [mountPoint, path] : inputs) {
            benchmark::DoNotOptimize(
                kamedia::CreateFromMountPointAndPath(mountPoint, path, target));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(inputs.size()));
}

void SubstituteMountPointAndReturnPath(benchmark::State& state) {
    const std::vector<kamedia::URL> urls = MediaUrls();
    const UTF16String mountPointPath = u"/Volumes/Mounted%20Grid/";
    for (auto _ : state) {
        for (const kamedia::URL& url : urls) {
            benchmark::DoNotOptimize(
                kamedia::SubstituteMountPointAndReturnPath(url, mountPointPath));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(urls.size()));
}

// The same URLs below the same mount path, checked; none is refused.
void ResolveLocalPath(benchmark::State& state) {
    const std::vector<kamedia::URL> urls = MediaUrls();
    const UTF16String mountPointPath = u"/Volumes/Mounted%20Grid/";
    UTF16String localPath;
    for (auto _ : state) {
        for (const kamedia::URL& url : urls) {
            benchmark::DoNotOptimize(kamedia::ResolveLocalPath(url, mountPointPath, localPath));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(urls.size()));
}

void GetPortNumber(benchmark::State& state) {
    std::vector<http::URL> urls;
    for (const char* prefix : {"http:", "https:"}) {
        for (const UTF16String& text : CorpusWithPrefix(prefix)) {
            urls.emplace_back(text);
        }
    }
    for (auto _ : state) {
        for (const http::URL& url : urls) {
            benchmark::DoNotOptimize(url.GetPortNumber());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(urls.size()));
}

}  // namespace

void RegisterOperationBenchmarks() {
    benchmark::RegisterBenchmark("kamedia/CreateFromMountPointAndPath",
                                 CreateFromMountPointAndPath);
    benchmark::RegisterBenchmark("kamedia/SubstituteMountPointAndReturnPath",
                                 SubstituteMountPointAndReturnPath);
    benchmark::RegisterBenchmark("kamedia/ResolveLocalPath", ResolveLocalPath);
    benchmark::RegisterBenchmark("http::URL/GetPortNumber", GetPortNumber);
}

}  // namespace kaurl::bench
