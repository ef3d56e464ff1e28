// SPDX-License-Identifier: BSL-1.0
#include "SubstituteCommand.h"

#include <algorithm>
#include <iostream>

#include "InputLines.h"
#include "TerminalText.h"
#include "UsageErrors.h"
#include "Utf8Input.h"
#include "kaurl/kamedia.h"

namespace kaurl::tool {
namespace {

using ostracore::UTF16String;

constexpr const char* kCommand = "substitute";
constexpr const char* kSlash = "/";
constexpr const char* kBackslash = "\\";
constexpr const char* kStandardInput = "-";

bool IsSeparator(const std::string& text) {
    return text == kSlash || text == kBackslash;
}

// Whether ResolveLocalPath refuses the mount path rather than the URI.
bool IsAboutMountPath(kamedia::LocalPathRefusal refusal) {
    return refusal == kamedia::LocalPathRefusal::EmptyMountPath ||
           refusal == kamedia::LocalPathRefusal::ControlCharacterInMountPath;
}

}  // namespace

SubstituteCommand::SubstituteCommand(CLI::App& parent)
    : Subcommand(parent, kCommand,
                 "Print the checked local path of a media URI's file below a mount path") {
    Command()
        .add_option("--separator", separator_,
                    "/ or \\ between the names below the mount path (default: the platform's)")
        ->type_name("SEP")
        ->check(QuietValidator(IsSeparator, "must be / or \\"));
    Command().add_flag("--allow-unsafe", allowUnsafe_,
                       "Print the unchecked substitution instead, with backslashes unless "
                       "--separator is given");
    Command()
        .add_option("MEDIA-URI", mediaUri_,
                    "A media URI; backslashes count as slashes. -: one per line from standard "
                    "input")
        ->required();
    Command()
        .add_option("MOUNT-PATH", mountPath_,
                    "Where the URI's mount point is mounted; used as written")
        ->required();
    Command().footer(
        "The URI's path is decoded once, strictly, and split at / and \\. A URI is refused,\n"
        "with the reason, when its path has a malformed escape, is not UTF-8, holds a control,\n"
        "invisible or reordering character or a '..' name, names no file, has a name longer\n"
        "than 255 UTF-16 code units or one that Windows reads as something else (: < > \" | ? *,\n"
        "a device name such as CON or NUL, a final '.' or space), also once a Windows program\n"
        "converts it to an ANSI code page (fullwidth dots and slashes, the yen sign); so is an\n"
        "empty mount path or one with a control character. The unchecked substitution also\n"
        "decodes the mount path and keeps what these checks refuse.\n\n"
        "With - for MEDIA-URI, each line of standard input is a media URI: each result is one\n"
        "line of standard output, each refusal one line \"line N: REASON\" on standard error,\n"
        "and the exit status is 1 if any was refused. A refused mount path is reported once,\n"
        "and the lines after it are skipped.\n\n"
        "Examples:\n"
        "  kaurl substitute 'kamedia://wendelgrid/media/a.mxf' /Volumes/Grid/\n"
        "  kaurl substitute --separator '\\' 'kamedia://wendelgrid/media/a.mxf' 'D:\\Grid'\n"
        "  kaurl substitute - /Volumes/Grid/ < uris.txt");
}

int SubstituteCommand::Run() {
    if (mediaUri_ == kStandardInput) {
        const auto mountPath = DecodeArgument(kCommand, mountPath_, 2);
        return mountPath ? SubstituteLines(*mountPath) : 1;
    }
    const auto mediaUri = DecodeArgument(kCommand, mediaUri_, 1);
    const auto mountPath = DecodeArgument(kCommand, mountPath_, 2);
    if (!mediaUri || !mountPath) {
        return 1;
    }
    const Outcome outcome =
        SubstituteOne(*mediaUri, {InputPosition::Source::Argument, 1}, *mountPath);
    return outcome == Outcome::Printed ? 0 : 1;
}

// A refused mount path would refuse every further line too, so it is reported
// once and the lines after it are skipped (still read, so that the writer of
// standard input is not cut off).
int SubstituteCommand::SubstituteLines(const UTF16String& mountPath) const {
    bool refused = false;
    bool mountPathRefused = false;
    ForEachInputLine(std::cin, [&](const std::string& line, const InputPosition& position) {
        if (mountPathRefused) {
            return;
        }
        const auto mediaUri = DecodeUtf8(line);
        if (!mediaUri) {
            ReportInputError(kCommand, position, "not valid UTF-8");
            refused = true;
            return;
        }
        const Outcome outcome = SubstituteOne(*mediaUri, position, mountPath);
        refused = refused || outcome != Outcome::Printed;
        mountPathRefused = outcome == Outcome::MountPathRefused;
    });
    std::cout.flush();
    return refused ? 1 : 0;
}

SubstituteCommand::Outcome SubstituteCommand::SubstituteOne(const UTF16String& mediaUri,
                                                            const InputPosition& position,
                                                            const UTF16String& mountPath) const {
    kamedia::URL url;
    if (!kamedia::Create(mediaUri, url)) {
        ReportInputError(kCommand, position, "not a valid media URI");
        return Outcome::UriRefused;
    }
    UTF16String localPath;
    if (allowUnsafe_) {
        localPath = kamedia::SubstituteMountPointAndReturnPath(url, mountPath);
        if (!separator_.empty()) {
            std::replace(localPath.begin(), localPath.end(), u'\\',
                         static_cast<char16_t>(separator_.front()));
        }
    } else {
        const auto separator = separator_.empty()     ? kamedia::PathSeparator::Native
                               : separator_ == kSlash ? kamedia::PathSeparator::Slash
                                                      : kamedia::PathSeparator::Backslash;
        auto refusal = kamedia::LocalPathRefusal::InvalidURL;
        if (!kamedia::ResolveLocalPath(url, mountPath, localPath, separator, &refusal)) {
            const bool aboutMountPath = IsAboutMountPath(refusal);
            ReportInputError(
                kCommand,
                aboutMountPath ? InputPosition{InputPosition::Source::Argument, 2} : position,
                std::string(kamedia::DescribeLocalPathRefusal(refusal)) +
                    "; --allow-unsafe prints it anyway");
            return aboutMountPath ? Outcome::MountPathRefused : Outcome::UriRefused;
        }
    }
    WriteEscapedLine(std::cout, localPath);
    return Outcome::Printed;
}

}  // namespace kaurl::tool
