// SPDX-License-Identifier: BSL-1.0
#include "SubstituteCommand.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <optional>

#include "Diagnostics.h"
#include "UsageErrors.h"
#include "Utf8Input.h"
#include "kaurl/kamedia.h"
#include "ostracore/Utility.h"

namespace kaurl::tool {
namespace {

constexpr const char* kCommand = "substitute";

// The separator must be one UTF-16 code unit, so that it can stand in for
// each backslash of the path.
bool IsOneCharacter(const std::string& text) {
    const auto decoded = DecodeUtf8(text);
    return decoded && decoded->size() == 1;
}

constexpr const char* kParentSegment =
    "gives a local path with a '..' segment below the mount path (--allow-unsafe prints it "
    "anyway)";
constexpr const char* kControlCharacter =
    "gives a local path with a control character (--allow-unsafe prints it anyway)";

// Segments are split at both separators: a Windows host reads either.
bool HasParentSegment(const ostracore::UTF16String& path) {
    for (std::size_t start = 0;;) {
        const std::size_t end = path.find_first_of(u"/\\", start);
        const std::size_t length = (end == std::u16string::npos ? path.size() : end) - start;
        if (path.compare(start, length, u"..") == 0) {
            return true;
        }
        if (end == std::u16string::npos) {
            return false;
        }
        start = end + 1;
    }
}

// C0 controls, DEL and C1 controls.
bool HasControlCharacter(const ostracore::UTF16String& path) {
    return std::any_of(path.begin(), path.end(),
                       [](char16_t unit) { return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F); });
}

struct Problem {
    std::uint64_t argument;
    const char* text;
};

// The substitution decodes the whole path, so escapes such as "..%2F" and
// "%00" become parent segments and control characters of the local path.
// Names the first such part and the argument it comes from.
std::optional<Problem> FindUnsafePart(const kamedia::URL& url,
                                      const ostracore::UTF16String& localPath) {
    // With an empty mount path the substitution gives only the part below it.
    const ostracore::UTF16String below =
        kamedia::SubstituteMountPointAndReturnPath(url, ostracore::UTF16String());
    if (HasParentSegment(below)) {
        return Problem{1, kParentSegment};
    }
    if (HasControlCharacter(below)) {
        return Problem{1, kControlCharacter};
    }
    if (HasControlCharacter(localPath)) {
        return Problem{2, kControlCharacter};
    }
    return std::nullopt;
}

}  // namespace

SubstituteCommand::SubstituteCommand(CLI::App& parent)
    : Subcommand(parent, kCommand,
                 "Print the local path of a media URI's file below a mount path") {
    Command()
        .add_option("--separator", separator_,
                    "Use this character instead of the backslash as path separator")
        ->type_name("CHAR")
        ->check(QuietValidator(IsOneCharacter, "must be exactly one character"));
    Command().add_flag("--allow-unsafe", allowUnsafe_,
                       "Also print a local path with a '..' segment or a control character");
    Command()
        .add_option("MEDIA-URI", mediaUri_, "A media URI; backslashes count as slashes")
        ->required();
    Command()
        .add_option("MOUNT-PATH", mountPath_, "Where the URI's mount point is mounted")
        ->required();
    Command().footer(
        "Escapes are decoded, so '..%2F' and '%00' can give a '..' segment or a control\n"
        "character; such a local path is refused unless --allow-unsafe is given.\n\n"
        "Examples:\n"
        "  kaurl substitute 'kamedia://wendelgrid/media/a.mxf' /Volumes/Grid/\n"
        "  kaurl substitute --separator / 'kamedia://wendelgrid/media/a.mxf' /mnt/grid");
}

int SubstituteCommand::Run() {
    const auto mediaUri = DecodeArgument(kCommand, mediaUri_, 1);
    const auto mountPath = DecodeArgument(kCommand, mountPath_, 2);
    if (!mediaUri || !mountPath) {
        return 1;
    }
    kamedia::URL url;
    if (!kamedia::Create(*mediaUri, url)) {
        ReportInputError(kCommand, {InputPosition::Source::Argument, 1}, "not a valid media URI");
        return 1;
    }
    ostracore::UTF16String localPath = kamedia::SubstituteMountPointAndReturnPath(url, *mountPath);
    if (!allowUnsafe_) {
        if (const auto problem = FindUnsafePart(url, localPath)) {
            ReportInputError(kCommand, {InputPosition::Source::Argument, problem->argument},
                             problem->text);
            return 1;
        }
    }
    if (!separator_.empty()) {
        const char16_t separator = DecodeUtf8(separator_)->front();  // checked when parsed
        std::replace(localPath.begin(), localPath.end(), u'\\', separator);
    }
    std::cout << ostracore::utility::UTF16to8(localPath) << '\n';
    return 0;
}

}  // namespace kaurl::tool
