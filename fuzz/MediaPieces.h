// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <cstddef>
#include <string>

namespace kaurl::fuzz {

// The three texts of one run of the media composition target.
struct MediaPieces {
    std::u16string mountPoint, path, mountPath;
};

// The first two code units of `units` choose where the rest is cut into mount
// point, path and mount path; fewer than two give three empty texts.
inline MediaPieces SplitMediaPieces(const std::u16string& units) {
    MediaPieces pieces;
    if (units.size() < 2) {
        return pieces;
    }
    const std::u16string rest = units.substr(2);
    const std::size_t mountPointSize = units[0] % (rest.size() + 1);
    const std::size_t pathSize = units[1] % (rest.size() - mountPointSize + 1);
    pieces.mountPoint = rest.substr(0, mountPointSize);
    pieces.path = rest.substr(mountPointSize, pathSize);
    pieces.mountPath = rest.substr(mountPointSize + pathSize);
    return pieces;
}

}  // namespace kaurl::fuzz
