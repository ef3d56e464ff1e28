// SPDX-License-Identifier: BSL-1.0
#include "schemes/MediaPath.h"

namespace kaurl::detail {
namespace {

bool IsEncodedSeparator(TextView escape) {
    return escape.size() == 3 && escape[0] == u'%' &&
           ((escape[1] == u'2' && LowercaseAscii(escape[2]) == u'f') ||
            (escape[1] == u'5' && LowercaseAscii(escape[2]) == u'c'));
}

}  // namespace

UTF16String ReadMediaPath(TextView path) {
    UTF16String read;
    read.reserve(path.size());
    for (std::size_t index = 0; index < path.size(); ++index) {
        if (IsEncodedSeparator(path.substr(index, 3))) {
            read += u'/';
            index += 2;
        } else {
            read += path[index] == u'\\' ? u'/' : path[index];
        }
    }
    return read;
}

}  // namespace kaurl::detail
