// SPDX-License-Identifier: BSL-1.0
// Every operation run once for each of its allocations failing in turn: the
// std::bad_alloc reaches the caller, nothing leaks, and the targets of
// assignment and of the Create functions stay exactly as they were. What the
// operations give once nothing fails is checked by the other tests.
#include <cstddef>
#include <cstring>
#include <functional>
#include <iterator>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "FailingAllocator.h"
#include "kaurl/kaurl.h"
#include "support/ClassTable.h"
#include "support/UrlState.h"

namespace {

using kaurl::reliability::allocations;
using kaurl::test_support::CaptureState;

// Far above the allocations of any operation here; reaching it means the loop
// would never end.
constexpr std::size_t kAllocationLimit = 100000;

// Runs `operation` with its first, second, ... allocation failing until it
// completes without a failure. After each failure checks that std::bad_alloc
// came out (also where a stream would swallow it), that no allocation outlives
// it, and runs `afterFailure`.
void FailEachAllocationInTurn(
    const char* what, const std::function<void()>& operation,
    const std::function<void()>& afterFailure = [] {}) {
    SCOPED_TRACE(what);
    for (std::size_t n = 1; n < kAllocationLimit; ++n) {
        const std::size_t liveBefore = allocations.live;
        bool threw = false;
        allocations.untilFailure = n;
        allocations.failed = false;
        try {
            operation();
        } catch (const std::bad_alloc&) {
            threw = true;
        }
        allocations.untilFailure = 0;
        if (!allocations.failed) {
            EXPECT_FALSE(threw);
            EXPECT_GT(n, 1u) << "the operation allocates nothing";
            return;
        }
        EXPECT_TRUE(threw) << "allocation " << n << " failed but no std::bad_alloc came out";
        EXPECT_EQ(allocations.live, liveBefore) << "leak after allocation " << n << " failed";
        afterFailure();
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "stopped at allocation " << n;
            return;
        }
    }
    ADD_FAILURE() << "the operation never completed";
}

// As above, and `target` must read as before after each failure.
template <class Url>
void FailEachAllocationKeeping(const char* what, Url& target,
                               const std::function<void()>& operation) {
    const auto before = CaptureState(target);
    FailEachAllocationInTurn(what, operation, [&] { EXPECT_EQ(CaptureState(target), before); });
}

template <class Url>
class AllocationFailure : public ::testing::Test {};

// The empty name-generator argument keeps clang's -Wpedantic quiet in C++17.
TYPED_TEST_SUITE(AllocationFailure, kaurl::test_support::Classes, );

TYPED_TEST(AllocationFailure, ClassOperations) {
    using Url = TypeParam;
    std::vector<std::u16string> texts(std::begin(kaurl::test_support::kTexts),
                                      std::end(kaurl::test_support::kTexts));
    texts.push_back(u"kamedia://Grid\\media\\stories/ABA00.mxf");  // the media Create's "\"
    for (const std::u16string& text : texts) {
        SCOPED_TRACE(testing::PrintToString(text));
        const kaurl::URI generic(text);
        const Url source(text);
        FailEachAllocationInTurn("from the text", [&] { const Url url(text); });
        FailEachAllocationInTurn("from a URI", [&] { const Url url(generic); });
        FailEachAllocationInTurn("copy", [&] { const Url url(source); });
        Url target(u"kamedia://other/b.mov");
        FailEachAllocationKeeping("assignment", target, [&] { target = source; });
        Url created(u"https://other.example/");
        FailEachAllocationKeeping("Create", created, [&] { Create(text, created); });

        allocations.untilFailure = 1;
        EXPECT_NO_THROW(target.swap(created)) << "swap allocates";
        allocations.untilFailure = 0;
    }
}

// The composing functions, and the queries that convert with streams.
TEST(AllocationFailure, FreeFunctionsAndQueries) {
    using namespace kaurl::kamedia;
    URL media(u"kamedia://other/b.mov");
    FailEachAllocationKeeping("compose media", media, [&] {
        CreateFromMountPointAndPath(u"My Grid", u"/media/\u00e9t\u00e9.mxf", media);
    });
    FailEachAllocationInTurn("substitute",
                             [&] { SubstituteMountPointAndReturnPath(media, u"/Vol%20A/"); });
    std::u16string localPath = u"before";
    FailEachAllocationInTurn(
        "resolve", [&] { ResolveLocalPath(media, u"/Vol A/", localPath); },
        [&] { EXPECT_EQ(localPath, u"before"); });
    std::u16string name = u"before";
    FailEachAllocationInTurn(
        "display name", [&] { GetDisplayName(media, name); }, [&] { EXPECT_EQ(name, u"before"); });
    kaurl::kasynthetic::URL synthetic(u"kasynthetic://other");
    FailEachAllocationKeeping("compose synthetic", synthetic, [&] {
        kaurl::kasynthetic::CreateFromSyntheticImporterID(u"Importer-7", synthetic);
    });
    const kaurl::http::URL http(u"http://host.example:0000000060138/");
    FailEachAllocationInTurn("port number", [&] { http.GetPortNumber(); });
    FailEachAllocationInTurn("IsValid", [] { kaurl::IsValid(u"s://h/p"); });
}

// The relations between URIs: each output stays as it was.
TEST(AllocationFailure, Relations) {
    std::u16string output = u"before";
    const auto untouched = [&] { EXPECT_EQ(output, u"before"); };
    const std::pair<const char*, std::function<void()>> operations[] = {
        {"resolve", [&] { kaurl::ResolveReference(u"http://a/b/c?q", u"../d/./e?#f", output); }},
        {"resolve media",
         [&] { kaurl::kamedia::ResolveReference(u"kamedia://g/a%2Fb", u"..\\c", output); }},
        {"normalize", [&] { kaurl::Normalize(u"HTTP://H:80/a/../%7e?%41#%2f", output); }},
        {"relative", [&] { kaurl::MakeRelative(u"http://a/b/c/d", u"http://a/b/e?q", output); }},
        {"encode", [&] { kaurl::EncodeComponent(u"a b/\u00e9", output); }},
        // Longer than any library's short-string buffer, so that it allocates.
        {"decode",
         [&] { kaurl::DecodeComponent(u"clip%20b%C3%A9%20from%20the%20archive.mxf", output); }},
    };
    // Each runs once first: the first call of a process compiles the shared
    // expression, and Boost.Regex's traits swallow a failure while they are
    // set up (the other tests here run after a decomposition has compiled it).
    for (const auto& [what, operation] : operations) {
        operation();
        output = u"before";
        FailEachAllocationInTurn(what, operation, untouched);
    }
    kaurl::http::URL http(u"http://other/");
    FailEachAllocationKeeping("resolve to an object", http, [&] {
        kaurl::http::ResolveReference(kaurl::http::URL(u"http://h/a/b"), u"../c", http);
    });
}

// The C interface answers an allocation failure with a status; here it
// becomes the std::bad_alloc that FailEachAllocationInTurn looks for.
void ThrowIfOutOfMemory(kaurl_status status) {
    if (status == KAURL_OUT_OF_MEMORY) {
        throw std::bad_alloc();
    }
}

TEST(AllocationFailure, CInterface) {
    const std::string text = "kamedia://grid\\media\\\xC3\xA9t\xC3\xA9.mxf";
    // Made first: the process's first decomposition compiles its expression.
    kaurl_url* media = nullptr;
    ASSERT_EQ(kaurl_url_create_utf8(KAURL_CLASS_MEDIA, KAURL_READ_CREATE, text.data(), text.size(),
                                    &media),
              KAURL_OK);
    std::size_t length = 99;
    kaurl_url* url = nullptr;
    char buffer[64] = "before";
    const std::u16string mount = u"My Grid";
    const auto* units = reinterpret_cast<const kaurl_char16*>(mount.data());
    const std::u16string baseText = u"http://a/b/c/d;p?q";
    const auto* base = reinterpret_cast<const kaurl_char16*>(baseText.data());
    const struct {
        const char* what;
        std::function<kaurl_status()> call;
    } calls[] = {
        {"create",
         [&] {
             return kaurl_url_create_utf8(KAURL_CLASS_BY_SCHEME, KAURL_READ_CREATE, text.data(),
                                          text.size(), &url);
         }},
        {"get", [&] { return kaurl_url_get_utf8(media, KAURL_PART_PATH, buffer, 64, &length); }},
        {"resolve",
         [&] {
             return kaurl_resolve_local_path_utf8(media, "/m", 2, KAURL_SEPARATOR_SLASH, buffer, 64,
                                                  &length, nullptr);
         }},
        {"compose",
         [&] { return kaurl_compose_media(units, mount.size(), units, mount.size(), &url); }},
        {"display name",
         [&] { return kaurl_display_name_utf8(media, buffer, 64, &length, nullptr); }},
        {"relation",
         [&] {
             return kaurl_resolve_reference(base, baseText.size(), units, mount.size(), 0, nullptr,
                                            0, &length);
         }},
    };
    for (const auto& call : calls) {
        FailEachAllocationInTurn(
            call.what,
            [&] {
                ThrowIfOutOfMemory(call.call());
                kaurl_url_free(url);
                url = nullptr;
                length = 99;
                std::strcpy(buffer, "before");
            },
            [&] {
                EXPECT_EQ(url, nullptr);
                EXPECT_EQ(length, 99u);
                EXPECT_STREQ(buffer, "before");
            });
    }
    kaurl_url_free(media);
}

}  // namespace
