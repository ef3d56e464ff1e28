// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <cstddef>
#include <string>

#include "kaurl/kaurl.h"

namespace kaurl::web {

// The code units that the caller passed as pointer and length.
std::u16string Units(const char16_t* text, std::size_t length);

// The pointer that the C interface takes for `text`.
const kaurl_char16* CodeUnits(const std::u16string& text);

// A handle of the C interface, freed at the end of its scope; null when
// making it failed.
class Handle {
public:
    Handle() = default;
    ~Handle() { kaurl_url_free(url_); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    kaurl_url** Receive() { return &url_; }
    const kaurl_url* Get() const { return url_; }

private:
    kaurl_url* url_ = nullptr;
};

// Throws std::bad_alloc for KAURL_OUT_OF_MEMORY, so that an answer is never
// made of half the parts.
void ThrowIfOutOfMemory(kaurl_status status);

// The UTF-16 text that `write` puts into a caller's buffer, asked for its
// length first; `status` receives the final answer.
template <typename Write>
std::u16string Written(Write write, kaurl_status& status) {
    std::size_t length = 0;
    status = write(nullptr, 0, &length);
    std::u16string text(length, u'\0');
    if (status == KAURL_BUFFER_TOO_SMALL) {
        status = write(reinterpret_cast<kaurl_char16*>(&text[0]), text.size(), &length);
    }
    ThrowIfOutOfMemory(status);
    text.resize(status == KAURL_OK ? length : 0);
    return text;
}

// `json` copied into memory from malloc, for the caller to free.
char* Answer(const std::string& json);

}  // namespace kaurl::web
