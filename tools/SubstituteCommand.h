// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <string>

#include "Diagnostics.h"
#include "Subcommand.h"
#include "ostracore/Strings.h"

namespace kaurl::tool {

// kaurl substitute [--separator SEP] [--allow-unsafe] MEDIA-URI MOUNT-PATH:
// prints the local path of a media URI's file below the path at which its mount
// point is mounted, checked by ResolveLocalPath, which names why it refuses;
// with --allow-unsafe, the unchecked SubstituteMountPointAndReturnPath. A
// MEDIA-URI "-" reads one media URI per line from standard input.
class SubstituteCommand : public Subcommand {
public:
    explicit SubstituteCommand(CLI::App& parent);

    // The exit status: 1 when an argument or line is not UTF-8, a URI is not a
    // valid media URI or a local path is refused.
    int Run() override;

private:
    enum class Outcome { Printed, UriRefused, MountPathRefused };

    int SubstituteLines(const ostracore::UTF16String& mountPath) const;
    Outcome SubstituteOne(const ostracore::UTF16String& mediaUri, const InputPosition& position,
                          const ostracore::UTF16String& mountPath) const;

    std::string separator_;
    bool allowUnsafe_ = false;
    std::string mediaUri_;
    std::string mountPath_;
};

}  // namespace kaurl::tool
