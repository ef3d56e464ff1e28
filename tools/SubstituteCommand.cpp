// SPDX-License-Identifier: BSL-1.0
#include "SubstituteCommand.h"

#include <algorithm>
#include <cstdint>
#include <iostream>

#include "Diagnostics.h"
#include "UsageErrors.h"
#include "Utf8Input.h"
#include "kaurl/kamedia.h"
#include "ostracore/Utility.h"

namespace kaurl::tool {
namespace {

constexpr const char* kCommand = "substitute";
constexpr const char* kSlash = "/";
constexpr const char* kBackslash = "\\";

bool IsSeparator(const std::string& text) {
    return text == kSlash || text == kBackslash;
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
        .add_option("MEDIA-URI", mediaUri_, "A media URI; backslashes count as slashes")
        ->required();
    Command()
        .add_option("MOUNT-PATH", mountPath_,
                    "Where the URI's mount point is mounted; used as written")
        ->required();
    Command().footer(
        "The URI's path is decoded once, strictly, and split at / and \\. A URI is refused,\n"
        "with the reason, when its path has a malformed escape, is not UTF-8, holds a control\n"
        "character or a '..' name, names no file, or has a name that Windows reads as something\n"
        "else (: < > \" | ? *, a device name such as CON or NUL, a final '.' or space); so is\n"
        "a mount path with a control character. The unchecked substitution also decodes the\n"
        "mount path and keeps what these checks refuse.\n\n"
        "Examples:\n"
        "  kaurl substitute 'kamedia://wendelgrid/media/a.mxf' /Volumes/Grid/\n"
        "  kaurl substitute --separator '\\' 'kamedia://wendelgrid/media/a.mxf' 'D:\\Grid'");
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
    ostracore::UTF16String localPath;
    if (allowUnsafe_) {
        localPath = kamedia::SubstituteMountPointAndReturnPath(url, *mountPath);
        if (!separator_.empty()) {
            std::replace(localPath.begin(), localPath.end(), u'\\',
                         static_cast<char16_t>(separator_.front()));
        }
    } else {
        const auto separator = separator_.empty()     ? kamedia::PathSeparator::Native
                               : separator_ == kSlash ? kamedia::PathSeparator::Slash
                                                      : kamedia::PathSeparator::Backslash;
        auto refusal = kamedia::LocalPathRefusal::InvalidURL;
        if (!kamedia::ResolveLocalPath(url, *mountPath, localPath, separator, &refusal)) {
            const bool mountPathRefused =
                refusal == kamedia::LocalPathRefusal::EmptyMountPath ||
                refusal == kamedia::LocalPathRefusal::ControlCharacterInMountPath;
            const std::uint64_t argument = mountPathRefused ? 2 : 1;
            ReportInputError(kCommand, {InputPosition::Source::Argument, argument},
                             std::string(kamedia::DescribeLocalPathRefusal(refusal)) +
                                 "; --allow-unsafe prints it anyway");
            return 1;
        }
    }
    std::cout << ostracore::utility::UTF16to8(localPath) << '\n';
    return 0;
}

}  // namespace kaurl::tool
