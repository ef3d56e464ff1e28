// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "kaurl/URI.h"
#include "kaurl/file.h"
#include "kaurl/http.h"
#include "kaurl/kamedia.h"
#include "kaurl/kasynthetic.h"

namespace kaurl::test_support {

// Every URI class, for typed tests. CTest names each instance after its type
// (CMake 3.25 cannot read the names of a typed test's own name generator).
using Classes = testing::Types<URI, kamedia::URL, kasynthetic::URL, file::URL, http::URL>;

// Valid and invalid texts of every scheme, so that each class also meets
// texts that its own scheme step refuses or leaves alone.
inline const std::u16string kTexts[] = {u"kamedia://user@Grid:99/dir.d/a.mxf?q#f",
                                        u"kamedia://grid",
                                        u"kamedia:///a.mxf",
                                        u"kasynthetic://u@Gen:5/x?q#f",
                                        u"kasynthetic:path",
                                        u"FILE:///C:/dir.d/a.b",
                                        u"file://host",
                                        u"https://u@Host.example:9/p?q#f",
                                        u"http://bad_host/",
                                        u"//no/scheme",
                                        u""};

}  // namespace kaurl::test_support
