// SPDX-License-Identifier: BSL-1.0
// Fuzz target for the four scheme classes: for any text, constructing,
// copying, assigning, converting between classes and Create never throw; a
// copy reads the same as its source; Create either yields what the
// constructor gives or leaves its previous output exactly as it was. The C
// interface answers as the C++ one (CInterfaceChecks.h).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "CInterfaceChecks.h"
#include "FuzzSupport.h"
#include "support/UrlState.h"

namespace {

using kaurl::fuzz::Require;
using kaurl::test_support::CaptureState;

// Turns every backslash into "/", as the media Create does before parsing.
std::u16string WithSlashes(std::u16string text) {
    std::replace(text.begin(), text.end(), u'\\', u'/');
    return text;
}

// Copies and conversions of `url`, built from `text`, read as they should.
template <class Url>
void CheckCopies(const Url& url, const kaurl::URI& generic) {
    const Url copy(url);
    Require(CaptureState(copy) == CaptureState(url), "a copy reads the same as its source");

    Url assigned(copy);
    assigned = url;
    Require(CaptureState(assigned) == CaptureState(url), "an assigned copy reads the same");
    const Url& sameObject = assigned;
    assigned = sameObject;
    Require(CaptureState(assigned) == CaptureState(url), "self-assignment changes nothing");

    const Url fromGeneric(generic);
    Require(CaptureState(fromGeneric) == CaptureState(url),
            "built from the generic object as from the text");
}

// Create from `text` into an output that already holds `previous`.
template <class Url, class CreateFunction>
void CheckCreate(CreateFunction create, const std::u16string& text, const Url& built,
                 const Url& previous) {
    Url output(previous);
    const auto before = CaptureState(output);
    if (create(text, output)) {
        Require(built.Url::IsValid(), "Create succeeds only for a valid object");
        Require(CaptureState(output) == CaptureState(built),
                "Create yields the constructed object");
    } else {
        Require(!built.Url::IsValid(), "Create fails only for an invalid object");
        Require(CaptureState(output) == before, "a failed Create leaves its output unchanged");
    }
}

// Every scheme class built from `source` is valid only for its own scheme.
void CheckConversionsFrom(const kaurl::URI& source) {
    const kaurl::kamedia::URL media(source);
    const kaurl::kasynthetic::URL synthetic(source);
    const kaurl::file::URL file(source);
    const kaurl::http::URL http(source);
    Require(!media.IsValid() || kaurl::kamedia::IsKAMediaURI(media), "media scheme");
    Require(!synthetic.IsValid() || kaurl::kasynthetic::IsKASyntheticURI(synthetic),
            "synthetic scheme");
    Require(!file.IsValid() || kaurl::file::IsFileURI(file), "file scheme");
    Require(!http.IsValid() || kaurl::http::IsHttpURI(http), "http scheme");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = kaurl::fuzz::CodeUnits(data, size);
    const kaurl::URI generic(text);

    const kaurl::kamedia::URL media(text);
    const kaurl::kasynthetic::URL synthetic(text);
    const kaurl::file::URL file(text);
    const kaurl::http::URL http(text);
    CheckCopies(media, generic);
    CheckCopies(synthetic, generic);
    CheckCopies(file, generic);
    CheckCopies(http, generic);

    CheckConversionsFrom(generic);
    CheckConversionsFrom(media);
    CheckConversionsFrom(synthetic);
    CheckConversionsFrom(file);
    CheckConversionsFrom(http);

    CheckCreate<kaurl::URI>(
        [](const std::u16string& t, kaurl::URI& out) { return kaurl::Create(t, out); }, text,
        generic, kaurl::URI(u"previous:value"));
    CheckCreate<kaurl::kamedia::URL>(
        [](const std::u16string& t, kaurl::kamedia::URL& out) {
            return kaurl::kamedia::Create(t, out);
        },
        text, kaurl::kamedia::URL(WithSlashes(text)),
        kaurl::kamedia::URL(u"kamedia://previous/a.mxf"));
    CheckCreate<kaurl::kasynthetic::URL>(
        [](const std::u16string& t, kaurl::kasynthetic::URL& out) {
            return kaurl::kasynthetic::Create(t, out);
        },
        text, synthetic, kaurl::kasynthetic::URL(u"kasynthetic://previous"));
    CheckCreate<kaurl::file::URL>(
        [](const std::u16string& t, kaurl::file::URL& out) { return kaurl::file::Create(t, out); },
        text, file, kaurl::file::URL(u"file:///previous.txt"));
    CheckCreate<kaurl::http::URL>(
        [](const std::u16string& t, kaurl::http::URL& out) { return kaurl::http::Create(t, out); },
        text, http, kaurl::http::URL(u"http://previous.example:8080/"));

    kaurl::kasynthetic::URL fromIdentifier(u"kasynthetic://previous");
    const auto beforeIdentifier = CaptureState(fromIdentifier);
    if (!kaurl::kasynthetic::CreateFromSyntheticImporterID(text, fromIdentifier)) {
        Require(CaptureState(fromIdentifier) == beforeIdentifier,
                "a failed CreateFromSyntheticImporterID leaves its output unchanged");
    } else {
        Require(fromIdentifier.IsValid(), "an identifier URL is valid");
    }
    return 0;
}
