// SPDX-License-Identifier: BSL-1.0
#include "Answer.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "Playground.h"

namespace kaurl::web {

std::u16string Units(const char16_t* text, std::size_t length) {
    return length == 0 ? std::u16string() : std::u16string(text, length);
}

const kaurl_char16* CodeUnits(const std::u16string& text) {
    return reinterpret_cast<const kaurl_char16*>(text.data());
}

void ThrowIfOutOfMemory(kaurl_status status) {
    if (status == KAURL_OUT_OF_MEMORY) {
        throw std::bad_alloc();
    }
}

char* Answer(const std::string& json) {
    auto* copy = static_cast<char*>(std::malloc(json.size() + 1));
    if (copy == nullptr) {
        throw std::bad_alloc();
    }
    std::memcpy(copy, json.c_str(), json.size() + 1);
    return copy;
}

}  // namespace kaurl::web

extern "C" void kaurl_web_free(char* answer) {
    std::free(answer);
}
