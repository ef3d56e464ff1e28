// SPDX-License-Identifier: BSL-1.0
// Threads using the library at once: objects of every class and runs of the
// self-test suite on any threads, const calls on shared objects, and the
// one-time set-up of the HTTP host check reached first by many threads
// together. Every thread's results must equal a single-threaded run's;
// ThreadSanitizer (scripts/sanitizers.sh) watches for data races.
#include <atomic>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "kaurl/SelfTest.h"
#include "ostraunittesting/UnitTesting.h"
#include "support/ClassTable.h"
#include "support/UrlState.h"

namespace {

using kaurl::test_support::CaptureState;
using kaurl::test_support::UrlState;
using Results = std::vector<UrlState>;

constexpr int kThreads = 8;
constexpr int kRounds = 20;

// An object of every class, each made from the same generic object; the HTTP
// object first.
struct EveryClassOf {
    explicit EveryClassOf(const kaurl::URI& generic)
        : http(generic), generic(generic), media(generic), synthetic(generic), file(generic) {}
    kaurl::http::URL http;
    kaurl::URI generic;
    kaurl::kamedia::URL media;
    kaurl::kasynthetic::URL synthetic;
    kaurl::file::URL file;
};

// What one thread reads of the objects made from each text, and what it
// makes of them: copies, assignment, Create, composition and substitution.
Results Workload(const std::vector<EveryClassOf>& everyText) {
    using namespace kaurl;
    Results results;
    for (const EveryClassOf& objects : everyText) {
        const UTF16String text = objects.generic.GetURIString();
        kamedia::URL created;
        kamedia::Create(text, created);
        kamedia::URL composed;
        kamedia::CreateFromMountPointAndPath(objects.http.GetHost(), objects.generic.GetPath(),
                                             composed);
        http::URL assigned(u"http://before");
        assigned = objects.http;
        http::URL httpCreated(u"http://before");
        http::Create(text, httpCreated);
        UTF16String resolved = u"refused";
        kamedia::ResolveLocalPath(composed, u"C:\\Vol%20A\\", resolved);
        const UrlState substituted = {
            {"media", kamedia::SubstituteMountPointAndReturnPath(objects.media, u"/mnt/")},
            {"composed", kamedia::SubstituteMountPointAndReturnPath(composed, u"C:\\Vol%20A\\")},
            {"resolved", resolved},
        };
        results.insert(
            results.end(),
            {CaptureState(objects.http), CaptureState(objects.generic), CaptureState(objects.media),
             CaptureState(objects.synthetic), CaptureState(objects.file), CaptureState(URI(text)),
             CaptureState(created), CaptureState(composed), CaptureState(assigned),
             CaptureState(httpCreated), substituted});
    }
    return results;
}

// A run of the library's own test suite: its failures and its trace.
UrlState RunSelfTest() {
    const std::unique_ptr<ostraunittesting::TestSuite> suite(kaurl::unittests::CreateTestSuite());
    std::ostringstream trace;
    std::ostringstream report;
    const ostraunittesting::RunSummary summary = ostraunittesting::RunSuite(*suite, trace, report);
    const auto widen = [](const std::string& text) {
        return std::u16string(text.begin(), text.end());
    };
    return {{"failed", widen(std::to_string(summary.failed))},
            {"trace", widen(trace.str())},
            {"report", widen(report.str())}};
}

// Runs `body` kRounds times on each of kThreads threads released together,
// then once on this thread, and expects every round to give the same.
template <class Body>
void ExpectTheSameOnEveryThread(Body body) {
    std::atomic<int> waiting{kThreads};
    std::vector<Results> results(kThreads);
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, i] {
            --waiting;
            while (waiting.load() > 0) {
                std::this_thread::yield();
            }
            results[i] = body();
            for (int round = 1; round < kRounds; ++round) {
                if (body() != results[i]) {
                    ADD_FAILURE() << "a round on one thread differed from its first round";
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    const Results expected = body();
    for (const Results& threadResult : results) {
        EXPECT_EQ(threadResult, expected);
    }
}

// Runs first in its process (CTest starts one process per test), so the
// threads are the first to check an HTTP host: each builds its HTTP objects
// from shared generic objects, so that nothing (such as a lock taken while
// decomposing) orders the threads before the check. Then every thread works
// on the same objects of every class.
TEST(Concurrency, EveryClassOnEightThreads) {
    const std::vector<kaurl::URI> generic(std::begin(kaurl::test_support::kTexts),
                                          std::end(kaurl::test_support::kTexts));
    ExpectTheSameOnEveryThread([&] {
        Results results = Workload({generic.begin(), generic.end()});
        results.push_back(RunSelfTest());
        return results;
    });
    EXPECT_EQ(RunSelfTest().at("failed"), u"0");

    const std::vector<EveryClassOf> shared(generic.begin(), generic.end());
    ExpectTheSameOnEveryThread([&] { return Workload(shared); });
}

}  // namespace
