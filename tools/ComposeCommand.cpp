// SPDX-License-Identifier: BSL-1.0
#include "ComposeCommand.h"

#include <iostream>

#include "Diagnostics.h"
#include "Utf8Input.h"
#include "kaurl/kamedia.h"
#include "kaurl/kasynthetic.h"
#include "ostracore/Utility.h"

namespace kaurl::tool {

ComposeCommand::ComposeCommand(CLI::App& parent)
    : command_(parent.add_subcommand("compose", "Build a URI from its parts")) {
    command_->require_subcommand(1);
    command_->footer(
        "Examples:\n"
        "  kaurl compose media wendelgrid /media/stories/123/ABA00.mxf\n"
        "  kaurl compose synthetic Importer-7");

    media_ = command_->add_subcommand(
        "media", "Build a media URI; mount point and path are percent-encoded, '/' included");
    media_->add_option("MOUNTPOINT", mountPoint_, "The mount point; must not be empty")->required();
    media_->add_option("PATH", path_, "The path below the mount point")->required();
    media_->footer("Example:\n  kaurl compose media wendelgrid /media/stories/123/ABA00.mxf");

    synthetic_ = command_->add_subcommand("synthetic", "Build a synthetic-importer URI");
    synthetic_->add_option("IDENTIFIER", identifier_, "The importer identifier, used unescaped")
        ->required();
    synthetic_->footer("Example:\n  kaurl compose synthetic Importer-7");
}

int ComposeCommand::Run() const {
    return media_->parsed() ? RunMedia() : RunSynthetic();
}

int ComposeCommand::RunMedia() const {
    const auto mountPoint = DecodeArgument("compose media", mountPoint_, 1);
    const auto path = DecodeArgument("compose media", path_, 2);
    if (!mountPoint || !path) {
        return 1;
    }
    kamedia::URL url;
    if (!kamedia::CreateFromMountPointAndPath(*mountPoint, *path, url)) {
        ReportInputError("compose media", {InputPosition::Source::Argument, 1},
                         "the mount point is empty");
        return 1;
    }
    std::cout << ostracore::utility::UTF16to8(url.GetURIString()) << '\n';
    return 0;
}

int ComposeCommand::RunSynthetic() const {
    const auto identifier = DecodeArgument("compose synthetic", identifier_, 1);
    if (!identifier) {
        return 1;
    }
    kasynthetic::URL url;
    if (!kasynthetic::CreateFromSyntheticImporterID(*identifier, url)) {
        ReportInputError("compose synthetic", {InputPosition::Source::Argument, 1},
                         "gives no valid synthetic-importer URI (it is empty or begins with "
                         "'/', '?' or '#')");
        return 1;
    }
    std::cout << ostracore::utility::UTF16to8(url.GetURIString()) << '\n';
    return 0;
}

}  // namespace kaurl::tool
