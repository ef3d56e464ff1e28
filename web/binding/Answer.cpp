// SPDX-License-Identifier: BSL-1.0
#include "Answer.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "Playground.h"

namespace kaurl::web {

ostracore::UTF16String Units(const char16_t* text, std::size_t length) {
    return length == 0 ? ostracore::UTF16String() : ostracore::UTF16String(text, length);
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
