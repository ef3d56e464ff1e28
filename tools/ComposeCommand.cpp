// SPDX-License-Identifier: BSL-1.0
#include "ComposeCommand.h"

#include <iostream>

#include "Diagnostics.h"
#include "TerminalText.h"
#include "UsageErrors.h"
#include "Utf8Input.h"
#include "kaurl/kamedia.h"
#include "kaurl/kasynthetic.h"

namespace kaurl::tool {
namespace {

constexpr char kMediaExample[] = "\n  kaurl compose media wendelgrid /media/stories/123/ABA00.mxf";
constexpr char kSyntheticExample[] = "\n  kaurl compose synthetic Importer-7";

}  // namespace

ComposeCommand::ComposeCommand(CLI::App& parent)
    : Subcommand(parent, "compose", "Build a URI from its parts") {
    Command().require_subcommand(1);
    Command().footer(std::string("Examples:") + kMediaExample + kSyntheticExample);

    media_ = Command().add_subcommand(
        "media", "Build a media URI; mount point and path are percent-encoded, '/' included");
    media_->add_option("MOUNTPOINT", mountPoint_, "The mount point; must not be empty")->required();
    media_->add_option("PATH", path_, "The path below the mount point")->required();
    media_->footer(std::string("Example:") + kMediaExample);

    synthetic_ = Command().add_subcommand("synthetic", "Build a synthetic-importer URI");
    synthetic_->add_option("IDENTIFIER", identifier_, "The importer identifier, used unescaped")
        ->required();
    synthetic_->footer(std::string("Example:") + kSyntheticExample);
}

int ComposeCommand::Run() {
    if (media_->parsed()) {
        return RunMedia();
    }
    if (synthetic_->parsed()) {
        return RunSynthetic();
    }
    return AnswerUnhandledSubcommand(Command());
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
    WriteEscapedLine(std::cout, url.GetURIString());
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
    WriteEscapedLine(std::cout, url.GetURIString());
    return 0;
}

}  // namespace kaurl::tool
