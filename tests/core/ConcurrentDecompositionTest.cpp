#include "kaurl/URI.h"

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Every component getter's answer, and the validity, of one URI.
std::vector<std::u16string> Describe(const kaurl::URI& uri) {
    return {uri.IsValid() ? u"valid" : u"invalid",
            uri.GetScheme(),
            uri.GetAuthority(),
            uri.GetUserInfo(),
            uri.GetHost(),
            uri.GetPort(),
            uri.GetPath(),
            uri.GetQuery(),
            uri.GetFragment()};
}

// Texts of very different shapes, so that a decomposition that kept anything
// of the previous one (on its own thread or another) would show it.
const std::u16string kTexts[] = {
    u"https://joe@Media.Example.com:8443/a/b.mxf?x=1&y=2#top",
    u"relative/path",
    u"kamedia://grid/media/stories/123/ABA00.mxf",
    u"",
    u"mailto:someone",
    u"s://u@v@h:1:2?q",
    u"//server/share#f",
    u"c:\\dir\\file",
};

TEST(ConcurrentDecomposition, ThreadsGetTheSameComponentsAsOneThreadAlone) {
    std::vector<std::vector<std::u16string>> expected;
    for (const std::u16string& text : kTexts) {
        expected.push_back(Describe(kaurl::URI(text)));
    }
    constexpr int kThreads = 4;
    constexpr int kRounds = 2000;
    std::vector<int> mismatches(kThreads, 0);
    std::atomic<bool> start{false};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            // Start together, so that the decompositions overlap.
            while (!start) {
                std::this_thread::yield();
            }
            const std::size_t count = std::size(kTexts);
            for (int round = 0; round < kRounds; ++round) {
                // Each thread walks the texts from a different starting point.
                for (std::size_t i = 0; i < count; ++i) {
                    const std::size_t k = (i + static_cast<std::size_t>(t)) % count;
                    if (Describe(kaurl::URI(kTexts[k])) != expected[k]) {
                        ++mismatches[static_cast<std::size_t>(t)];
                    }
                }
            }
        });
    }
    start = true;
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(mismatches[static_cast<std::size_t>(t)], 0) << "thread " << t;
    }
}

}  // namespace
