// SPDX-License-Identifier: BSL-1.0
// The relations between URIs, as text: resolution, normalization,
// equivalence, relative references and component coding.
#include "kaurl/Relations.h"
#include "capi/Boundary.h"
#include "capi/Texts.h"
#include "kaurl/kamedia.h"

namespace kaurl::capi {
namespace {

bool LevelOf(int level, Normalization& normalization) {
    normalization =
        level == KAURL_NORMALIZE_SYNTAX ? Normalization::SyntaxBased : Normalization::SchemeBased;
    return level == KAURL_NORMALIZE_SYNTAX || level == KAURL_NORMALIZE_SCHEME;
}

// Reads the texts (pointer and length pairs), asks `relation` for the
// answer and writes it: the shape of every text relation here.
template <typename Relation, typename... Texts>
kaurl_status Answer(kaurl_char16* buffer, std::size_t capacity, std::size_t* length,
                    Relation relation, const Texts&... texts) {
    return Guarded([&] {
        UTF16String inputs[sizeof...(Texts)];
        std::size_t i = 0;
        if (!IsOutput(buffer, capacity, length) ||
            ((ReadUnits(texts.first, texts.second, inputs[i++]) != KAURL_OK) || ...)) {
            return KAURL_BAD_ARGUMENT;
        }
        UTF16String result;
        if (!relation(inputs, result)) {
            return KAURL_REFUSED;
        }
        return WriteUnits(result, buffer, capacity, length);
    });
}

using Text = std::pair<const kaurl_char16*, std::size_t>;

}  // namespace
}  // namespace kaurl::capi

using namespace kaurl::capi;
using kaurl::UTF16String;

extern "C" {

kaurl_status kaurl_resolve_reference(const kaurl_char16* base, size_t base_length,
                                     const kaurl_char16* reference, size_t reference_length,
                                     int options, kaurl_char16* buffer, size_t capacity,
                                     size_t* length) {
    if ((options & ~(KAURL_RESOLVE_NON_STRICT | KAURL_RESOLVE_MEDIA_RULE)) != 0) {
        return KAURL_BAD_ARGUMENT;
    }
    const auto mode = (options & KAURL_RESOLVE_NON_STRICT) != 0 ? kaurl::ResolutionMode::NonStrict
                                                                : kaurl::ResolutionMode::Strict;
    const bool mediaRule = (options & KAURL_RESOLVE_MEDIA_RULE) != 0;
    return Answer(
        buffer, capacity, length,
        [&](const UTF16String* texts, UTF16String& result) {
            return mediaRule ? kaurl::kamedia::ResolveReference(texts[0], texts[1], result, mode)
                             : kaurl::ResolveReference(texts[0], texts[1], result, mode);
        },
        Text(base, base_length), Text(reference, reference_length));
}

kaurl_status kaurl_normalize(const kaurl_char16* text, size_t text_length, int level,
                             kaurl_char16* buffer, size_t capacity, size_t* length) {
    kaurl::Normalization normalization{};
    if (!LevelOf(level, normalization)) {
        return KAURL_BAD_ARGUMENT;
    }
    return Answer(
        buffer, capacity, length,
        [&](const UTF16String* texts, UTF16String& result) {
            return kaurl::Normalize(texts[0], result, normalization);
        },
        Text(text, text_length));
}

kaurl_status kaurl_are_equivalent(const kaurl_char16* first, size_t first_length,
                                  const kaurl_char16* second, size_t second_length, int level,
                                  int* equivalent) {
    return Guarded([&] {
        kaurl::Normalization normalization{};
        UTF16String one;
        UTF16String other;
        if (equivalent == nullptr || !LevelOf(level, normalization) ||
            ReadUnits(first, first_length, one) != KAURL_OK ||
            ReadUnits(second, second_length, other) != KAURL_OK) {
            return KAURL_BAD_ARGUMENT;
        }
        *equivalent = kaurl::AreEquivalent(one, other, normalization) ? 1 : 0;
        return KAURL_OK;
    });
}

kaurl_status kaurl_make_relative(const kaurl_char16* base, size_t base_length,
                                 const kaurl_char16* target, size_t target_length,
                                 kaurl_char16* buffer, size_t capacity, size_t* length) {
    return Answer(
        buffer, capacity, length,
        [](const UTF16String* texts, UTF16String& result) {
            return kaurl::MakeRelative(texts[0], texts[1], result);
        },
        Text(base, base_length), Text(target, target_length));
}

kaurl_status kaurl_encode_component(const kaurl_char16* text, size_t text_length, int kind,
                                    kaurl_char16* buffer, size_t capacity, size_t* length) {
    if (kind != KAURL_ENCODE_COMPONENT && kind != KAURL_ENCODE_PATH) {
        return KAURL_BAD_ARGUMENT;
    }
    const auto encoding = kind == KAURL_ENCODE_PATH ? kaurl::ComponentEncoding::Path
                                                    : kaurl::ComponentEncoding::Component;
    return Answer(
        buffer, capacity, length,
        [&](const UTF16String* texts, UTF16String& result) {
            return kaurl::EncodeComponent(texts[0], result, encoding);
        },
        Text(text, text_length));
}

kaurl_status kaurl_decode_component(const kaurl_char16* text, size_t text_length,
                                    kaurl_char16* buffer, size_t capacity, size_t* length) {
    return Answer(
        buffer, capacity, length,
        [](const UTF16String* texts, UTF16String& result) {
            return kaurl::DecodeComponent(texts[0], result);
        },
        Text(text, text_length));
}

}  // extern "C"
