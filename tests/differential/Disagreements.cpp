// SPDX-License-Identifier: BSL-1.0
#include "Disagreements.h"

#include <arpa/inet.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "kaurl/Relations.h"
#include "kaurl/URI.h"

namespace kaurl::differential {
namespace {

std::u16string Wide(std::string_view text) {
    return {text.begin(), text.end()};
}

std::string Narrow(const std::u16string& text) {
    return {text.begin(), text.end()};
}

// The scheme of `text` as written, or "" when it has none.
std::string SchemeOf(const std::string& text) {
    const std::size_t colon = text.find(':');
    return colon != std::string::npos && text.find_first_of("/?#") > colon &&
                   URI(Wide(text)).IsValid()
               ? text.substr(0, colon)
               : "";
}

// Where the text after the scheme and its colon begins.
std::size_t AfterScheme(const std::string& text) {
    const std::string scheme = SchemeOf(text);
    return scheme.empty() ? 0 : scheme.size() + 1;
}

bool HasAt(const std::string& text, std::size_t position, std::string_view what) {
    return position <= text.size() && text.compare(position, what.size(), what) == 0;
}

bool EqualIgnoringAsciiCase(std::string_view first, std::string_view second) {
    if (first.size() != second.size()) {
        return false;
    }
    for (std::size_t i = 0; i < first.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(first[i]) != lower(second[i])) {
            return false;
        }
    }
    return true;
}

// The address of an IPv6 literal "[...]", or nothing.
std::optional<std::array<unsigned char, 16>> Ipv6Address(std::string_view literal) {
    std::array<unsigned char, 16> address{};
    if (literal.size() < 2 || literal.front() != '[' || literal.back() != ']' ||
        inet_pton(AF_INET6, std::string(literal.substr(1, literal.size() - 2)).c_str(),
                  address.data()) != 1) {
        return std::nullopt;
    }
    return address;
}

// uriparser prints an IPv6 literal with all eight groups of four digits;
// kaurl keeps it as written. The texts are equal apart from the literal,
// which names the same address.
bool Ipv6PrintedExpanded(const Disagreement& answers) {
    const std::string& ours = *answers.kaurl;
    const std::string& theirs = *answers.peer;
    const std::size_t open = ours.find('[');
    const std::size_t close = ours.find(']', open);
    const std::size_t theirClose = theirs.find(']', open);
    if (close == std::string::npos || theirClose == std::string::npos ||
        ours.compare(0, open, theirs, 0, open) != 0 ||
        ours.substr(close) != theirs.substr(theirClose)) {
        return false;
    }
    const auto address = Ipv6Address(std::string_view(ours).substr(open, close + 1 - open));
    const auto expanded = Ipv6Address(std::string_view(theirs).substr(open, theirClose + 1 - open));
    return address && address == expanded && theirClose - open == 40;
}

// The authority of `text` as written, or nothing when it has none.
std::optional<std::string> AuthorityOf(const std::string& text) {
    const std::size_t start = AfterScheme(text);
    if (!HasAt(text, start, "//")) {
        return std::nullopt;
    }
    return text.substr(start + 2, text.find_first_of("/?#", start + 2) - start - 2);
}

// Make relative: uriparser compares only the hosts, so a target whose
// authority differs in user information or port, or which has none where the
// base has one, gets a reference that takes the base's authority.
bool RelativeTakesBaseAuthority(const Disagreement& answers) {
    return answers.operation == Operation::MakeRelative &&
           AuthorityOf(answers.input) != AuthorityOf(answers.base) &&
           AuthorityOf(*answers.peer) == AuthorityOf(answers.base);
}

// Make relative: uriparser writes a target's first segment that holds ":" as
// the first segment of a relative path, which then reads as a scheme.
bool RelativeSegmentReadAsScheme(const Disagreement& answers) {
    return answers.operation == Operation::MakeRelative &&
           SchemeOf(*answers.peer) != SchemeOf(answers.input);
}

bool IsRootless(const std::string& text) {
    return !AuthorityOf(text) && !HasAt(text, AfterScheme(text), "/");
}

// A rootless base ("foo:a/b") merges by the letter: its path gets no "/"
// before the reference's, but dot-segment removal leaves the one that ".."
// climbs to ("foo:/c"); uriparser drops it ("foo:c"), and so it does for a
// rootless URI alone ("s:a/../b"). It also makes references against rootless
// bases and to rootless targets that do not lead back.
bool RootlessBaseMerge(const Disagreement& answers) {
    if (answers.operation == Operation::MakeRelative) {
        return IsRootless(answers.base) || IsRootless(answers.input);
    }
    // The rootless path: the base's, or the text's when it has a scheme.
    const std::string& rootless = SchemeOf(answers.input).empty() ? answers.base : answers.input;
    std::string rooted = *answers.peer;
    rooted.insert(std::min(AfterScheme(rootless), rooted.size()), "/");
    return IsRootless(rootless) && rooted == *answers.kaurl;
}

// Dot-segment removal can leave a path that begins with "//" and no
// authority; kaurl writes "/." before it, uriparser removes that "." too, so
// the first segment reads as a host ("s:/.//x" normalizes to "s://x").
bool HostOutOfPath(const Disagreement& answers) {
    const std::size_t guard = AfterScheme(*answers.kaurl);
    std::string unguarded = *answers.kaurl;
    return HasAt(unguarded, guard, "/.//") && unguarded.erase(guard, 2) == *answers.peer &&
           AuthorityOf(*answers.peer);
}

// uriparser leaves a "." segment in some paths ("s:/a/b" and ".." give
// "s:/./"); without them its text is kaurl's.
bool DotSegmentLeft(const Disagreement& answers) {
    std::string text = *answers.peer;
    const std::size_t pathEnd = std::min(text.find_first_of("?#"), text.size());
    std::string path = text.substr(0, pathEnd);
    for (std::size_t dot = path.find("/./"); dot != std::string::npos; dot = path.find("/./")) {
        path.erase(dot, 2);
    }
    if (path.size() >= 2 && HasAt(path, path.size() - 2, "/.")) {
        path.pop_back();
    }
    return path != text.substr(0, pathEnd) && path + text.substr(pathEnd) == *answers.kaurl;
}

// uriparser lowercases a host with its escapes; they keep upper-case hex
// digits, as for every other component.
bool LowerCaseHexInHost(const Disagreement& answers) {
    std::string text = *answers.peer;
    for (std::size_t percent = text.find('%');
         percent != std::string::npos && percent + 2 < text.size();
         percent = text.find('%', percent + 1)) {
        for (std::size_t digit = percent + 1; digit <= percent + 2; ++digit) {
            text[digit] =
                text[digit] >= 'a' && text[digit] <= 'f' ? char(text[digit] - 0x20) : text[digit];
        }
    }
    return answers.operation == Operation::Normalize && text == *answers.kaurl;
}

// The text with its path's empty segments dropped ("//" read as "/"), and
// the "/." that kaurl puts before a path beginning with "//".
std::string WithoutEmptySegments(const std::string& text) {
    const std::size_t pathStart = AfterScheme(text) + (AuthorityOf(text) ? 2 : 0);
    std::string path = text.substr(0, std::min(text.find_first_of("?#", pathStart), text.size()));
    const std::string suffix = text.substr(path.size());
    if (HasAt(path, AfterScheme(text), "/.//")) {
        path.erase(AfterScheme(text), 2);
    }
    for (std::size_t empty = path.find("//", pathStart); empty != std::string::npos;
         empty = path.find("//", pathStart)) {
        path.erase(empty, 1);
    }
    return path + suffix;
}

// uriparser drops an empty segment in some merges of a rootless base
// ("s:a/../b" and ".//g" give "s:/g"; by the letter the path is "//g",
// written "s:/.//g").
bool EmptySegmentDropped(const Disagreement& answers) {
    return answers.operation != Operation::MakeRelative && IsRootless(answers.base) &&
           WithoutEmptySegments(*answers.kaurl) == *answers.peer;
}

std::optional<std::string> Resolve(const std::string& base, const std::string& reference) {
    std::u16string result;
    if (!ResolveReference(Wide(base), Wide(reference), result)) {
        return std::nullopt;
    }
    return Narrow(result);
}

// A normalized relative reference must lead where the reference does, here
// from a base with a few segments: uriparser's "." becomes "" (this
// document), "x/../a:b" becomes "a:b" (a URI of scheme "a").
bool NormalizedReferenceMoves(const Disagreement& answers) {
    const std::string probe = "s://h/p/q/r?b";
    return answers.operation == Operation::Normalize && SchemeOf(answers.input).empty() &&
           Resolve(probe, *answers.kaurl) == Resolve(probe, answers.input) &&
           Resolve(probe, *answers.peer) != Resolve(probe, answers.input);
}

// A relative reference that ends in ".." which normalization cannot remove:
// kaurl writes it as "../", as it writes "." as "./", so that a normalized
// reference that names a directory ends in "/"; uriparser keeps "..". Both
// lead to the same place.
bool FinalDotDotGetsSlash(const Disagreement& answers) {
    const std::string probe = "s://h/p/q/r?b";
    return answers.operation == Operation::Normalize && SchemeOf(answers.input).empty() &&
           *answers.kaurl == *answers.peer + "/" &&
           HasAt(*answers.peer, answers.peer->size() - 2, "..") &&
           Resolve(probe, *answers.kaurl) == Resolve(probe, *answers.peer);
}

// Make relative: uriparser answers "" for a target equal to the base, but
// the empty reference resolves to the base's path as written, dot segments
// included, while the target resolves without them.
bool EmptyReferenceKeepsBaseDots(const Disagreement& answers) {
    const std::string base = answers.base.substr(0, answers.base.find('#'));
    return answers.operation == Operation::MakeRelative && *answers.peer == base &&
           (base.find("/./") != std::string::npos || base.find("/../") != std::string::npos);
}

// Non-strict: uriparser compares the reference's scheme with the base's
// case-sensitively, so "HTTP:" against "http:" resolves strictly there.
bool NonStrictSchemeComparedByCase(const Disagreement& answers) {
    const std::string base = SchemeOf(answers.base);
    const std::string reference = SchemeOf(answers.input);
    std::u16string strict;
    return answers.operation == Operation::ResolveNonStrict && base != reference &&
           EqualIgnoringAsciiCase(base, reference) &&
           ResolveReference(Wide(answers.base), Wide(answers.input), strict) &&
           (Narrow(strict) == *answers.peer ||
            Ipv6PrintedExpanded(
                {answers.operation, answers.base, answers.input, Narrow(strict), answers.peer}));
}

struct Predicate {
    const char* name;
    bool (*explains)(const Disagreement& answers);
};

constexpr Predicate kPredicates[] = {
    {"ipv6-printed-expanded", Ipv6PrintedExpanded},
    {"non-strict-scheme-compared-by-case", NonStrictSchemeComparedByCase},
    {"relative-takes-base-authority", RelativeTakesBaseAuthority},
    {"relative-segment-read-as-scheme", RelativeSegmentReadAsScheme},
    {"rootless-base-merge", RootlessBaseMerge},
    {"host-out-of-path", HostOutOfPath},
    {"empty-segment-dropped", EmptySegmentDropped},
    {"dot-segment-left", DotSegmentLeft},
    {"lower-case-hex-in-host", LowerCaseHexInHost},
    {"normalized-reference-moves", NormalizedReferenceMoves},
    {"final-dot-dot-gets-slash", FinalDotDotGetsSlash},
    {"empty-reference-keeps-base-dots", EmptyReferenceKeepsBaseDots},
};

}  // namespace

const char* NameOf(Operation operation) {
    switch (operation) {
        case Operation::Resolve:
            return "resolve";
        case Operation::ResolveNonStrict:
            return "resolve non-strict";
        case Operation::Normalize:
            return "normalize";
        case Operation::MakeRelative:
            return "make relative";
    }
    return "";
}

const char* Explain(const Disagreement& answers) {
    if (!answers.kaurl || !answers.peer) {
        return nullptr;
    }
    for (const Predicate& predicate : kPredicates) {
        if (predicate.explains(answers)) {
            return predicate.name;
        }
    }
    return nullptr;
}

}  // namespace kaurl::differential
