// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <string>

#include "Subcommand.h"

namespace kaurl::tool {

// kaurl substitute [--separator SEP] [--allow-unsafe] MEDIA-URI MOUNT-PATH:
// prints the local path of a media URI's file below the path at which its mount
// point is mounted, checked by ResolveLocalPath, which names why it refuses;
// with --allow-unsafe, the unchecked SubstituteMountPointAndReturnPath.
class SubstituteCommand : public Subcommand {
public:
    explicit SubstituteCommand(CLI::App& parent);

    // The exit status: 1 when an argument is not UTF-8, the URI is not a
    // valid media URI or the local path is refused.
    int Run() override;

private:
    std::string separator_;
    bool allowUnsafe_ = false;
    std::string mediaUri_;
    std::string mountPath_;
};

}  // namespace kaurl::tool
