// SPDX-License-Identifier: BSL-1.0
// The library unloads after use: a plug-in that links kaurl is loaded, uses
// every class on this thread (which stays alive), and is unloaded again; then
// neither the plug-in nor kaurl may remain in the process. This binary does
// not link kaurl itself.
#include <gtest/gtest.h>

#include "Loader.h"

namespace {

TEST(Unload, LibraryLeavesTheProcessAfterUse) {
    ASSERT_FALSE(kaurl::loader::IsLoaded(KAURL_LIBRARY));
    const kaurl::loader::Library plugin = kaurl::loader::Load(KAURL_UNLOAD_PLUGIN);
    ASSERT_NE(plugin, nullptr);
    const auto useEveryClass =
        reinterpret_cast<int (*)()>(kaurl::loader::FindSymbol(plugin, "UseEveryClass"));
    ASSERT_NE(useEveryClass, nullptr);
    EXPECT_EQ(useEveryClass(), 0);
    EXPECT_TRUE(kaurl::loader::IsLoaded(KAURL_LIBRARY));
    ASSERT_TRUE(kaurl::loader::Unload(plugin));
    EXPECT_FALSE(kaurl::loader::IsLoaded(KAURL_UNLOAD_PLUGIN));
    EXPECT_FALSE(kaurl::loader::IsLoaded(KAURL_LIBRARY));
}

}  // namespace
