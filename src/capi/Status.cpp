// SPDX-License-Identifier: BSL-1.0
// kaurl_status_text: each status in words.
#include "kaurl/kaurl.h"

extern "C" const char* kaurl_status_text(int status) {
    switch (status) {
        case KAURL_OK:
            return "done";
        case KAURL_REFUSED:
            return "refused";
        case KAURL_BAD_ARGUMENT:
            return "a null pointer or a value outside its enumeration";
        case KAURL_BUFFER_TOO_SMALL:
            return "the buffer is too small";
        case KAURL_LONE_SURROGATE:
            return "the text holds a lone surrogate, which UTF-8 cannot carry";
        case KAURL_ILL_FORMED_UTF8:
            return "the text is not well-formed UTF-8";
        case KAURL_WRONG_CLASS:
            return "the part or function does not belong to the object's class";
        case KAURL_OUT_OF_MEMORY:
            return "out of memory";
        case KAURL_FAILED:
            return "an unexpected failure";
    }
    return "unknown status";
}
