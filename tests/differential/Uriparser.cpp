// SPDX-License-Identifier: BSL-1.0
#include "Uriparser.h"

#include <vector>

#include <uriparser/Uri.h>

namespace kaurl::differential::uriparser {
namespace {

// A parsed URI that frees its members when it goes.
class Parsed {
public:
    Parsed() = default;
    Parsed(const Parsed&) = delete;
    Parsed& operator=(const Parsed&) = delete;
    ~Parsed() {
        if (filled_) {
            uriFreeUriMembersA(&uri_);
        }
    }

    bool Read(const std::string& text) {
        const char* errorPosition = nullptr;
        filled_ = uriParseSingleUriExA(&uri_, text.data(), text.data() + text.size(),
                                       &errorPosition) == URI_SUCCESS;
        return filled_;
    }

    // For the functions that fill a URI: call, then Filled with their status.
    UriUriA* Out() { return &uri_; }
    bool Filled(int status) { return filled_ = status == URI_SUCCESS; }

    std::optional<std::string> Text() const {
        int size = 0;
        if (uriToStringCharsRequiredA(&uri_, &size) != URI_SUCCESS) {
            return std::nullopt;
        }
        std::vector<char> buffer(static_cast<std::size_t>(size) + 1);
        if (uriToStringA(buffer.data(), &uri_, size + 1, nullptr) != URI_SUCCESS) {
            return std::nullopt;
        }
        return std::string(buffer.data());
    }

    const UriUriA* In() const { return &uri_; }

private:
    UriUriA uri_{};
    bool filled_ = false;
};

}  // namespace

bool Accepts(const std::string& text) {
    return Parsed().Read(text);
}

std::optional<std::string> Resolve(const std::string& base, const std::string& reference,
                                   bool nonStrict) {
    Parsed parsedBase;
    Parsed parsedReference;
    Parsed result;
    if (!parsedBase.Read(base) || !parsedReference.Read(reference) ||
        !result.Filled(uriAddBaseUriExA(
            result.Out(), parsedReference.In(), parsedBase.In(),
            nonStrict ? URI_RESOLVE_IDENTICAL_SCHEME_COMPAT : URI_RESOLVE_STRICTLY))) {
        return std::nullopt;
    }
    return result.Text();
}

std::optional<std::string> Normalize(const std::string& text) {
    Parsed parsed;
    if (!parsed.Read(text) || uriNormalizeSyntaxA(parsed.Out()) != URI_SUCCESS) {
        return std::nullopt;
    }
    return parsed.Text();
}

std::optional<std::string> MakeRelative(const std::string& base, const std::string& target) {
    Parsed parsedBase;
    Parsed parsedTarget;
    Parsed result;
    if (!parsedBase.Read(base) || !parsedTarget.Read(target) ||
        !result.Filled(
            uriRemoveBaseUriA(result.Out(), parsedTarget.In(), parsedBase.In(), URI_FALSE))) {
        return std::nullopt;
    }
    return result.Text();
}

}  // namespace kaurl::differential::uriparser
