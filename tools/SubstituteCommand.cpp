// SPDX-License-Identifier: BSL-1.0
#include "SubstituteCommand.h"

#include <algorithm>
#include <iostream>

#include "Diagnostics.h"
#include "Utf8Input.h"
#include "kaurl/kamedia.h"
#include "ostracore/Utility.h"

namespace kaurl::tool {
namespace {

constexpr const char* kCommand = "substitute";

// The separator must be one UTF-16 code unit, so that it can stand in for
// each backslash of the path.
CLI::Validator OneCharacterValidator() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            const auto decoded = DecodeUtf8(text);
            if (decoded && decoded->size() == 1) {
                return {};
            }
            return "must be exactly one character";
        },
        "");
}

}  // namespace

SubstituteCommand::SubstituteCommand(CLI::App& parent)
    : command_(parent.add_subcommand(
          kCommand, "Print the local path of a media URI's file below a mount path")) {
    command_
        ->add_option("--separator", separator_,
                     "Use this character instead of the backslash as path separator")
        ->type_name("CHAR")
        ->check(OneCharacterValidator());
    command_->add_option("MEDIA-URI", mediaUri_, "A media URI; backslashes count as slashes")
        ->required();
    command_->add_option("MOUNT-PATH", mountPath_, "Where the URI's mount point is mounted")
        ->required();
    command_->footer(
        "Examples:\n"
        "  kaurl substitute 'kamedia://wendelgrid/media/a.mxf' /Volumes/Grid/\n"
        "  kaurl substitute --separator / 'kamedia://wendelgrid/media/a.mxf' /mnt/grid");
}

int SubstituteCommand::Run() const {
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
    if (!separator_.empty()) {
        const char16_t separator = DecodeUtf8(separator_)->front();  // checked when parsed
        std::replace(localPath.begin(), localPath.end(), u'\\', separator);
    }
    std::cout << ostracore::utility::UTF16to8(localPath) << '\n';
    return 0;
}

}  // namespace kaurl::tool
