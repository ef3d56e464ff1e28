// SPDX-License-Identifier: BSL-1.0
// A plug-in that uses every class and free function family of kaurl, and its
// self-test, so that the unload test sees the library after real use.
#include <memory>
#include <sstream>

#include "kaurl/SelfTest.h"
#include "kaurl/URI.h"
#include "kaurl/file.h"
#include "kaurl/http.h"
#include "kaurl/kamedia.h"
#include "kaurl/kasynthetic.h"
#include "kaurl_unload_plugin_export.h"
#include "ostraunittesting/UnitTesting.h"

// Returns how many of the uses gave an unexpected result (0 when all agree).
extern "C" KAURL_UNLOAD_PLUGIN_EXPORT int UseEveryClass() {
    int unexpected = 0;
    const auto expect = [&unexpected](bool holds) { unexpected += holds ? 0 : 1; };

    expect(kaurl::URI(u"HTTP://Host/p").GetHost() == u"host");
    expect(!kaurl::IsValid(u"relative/path"));

    kaurl::kamedia::URL media;
    expect(kaurl::kamedia::Create(u"kamedia://grid\\media\\a.mxf", media));
    expect(media.GetMountPoint() == u"grid");
    expect(kaurl::kamedia::SubstituteMountPointAndReturnPath(media, u"/mnt/") ==
           u"/mnt\\media\\a.mxf");
    kaurl::UTF16String localPath;
    expect(kaurl::kamedia::ResolveLocalPath(media, u"/mnt/", localPath,
                                            kaurl::kamedia::PathSeparator::Slash) &&
           localPath == u"/mnt/media/a.mxf");
    kaurl::UTF16String name;
    expect(kaurl::kamedia::GetDisplayName(media, name) && name == u"a.mxf");
    kaurl::kamedia::URL composed;
    expect(kaurl::kamedia::CreateFromMountPointAndPath(u"grid", u"/a b.mxf", composed));
    expect(composed.GetURIString() == u"kamedia://grid/a%20b.mxf");

    kaurl::kasynthetic::URL synthetic;
    expect(kaurl::kasynthetic::CreateFromSyntheticImporterID(u"Importer-7", synthetic));
    expect(synthetic.GetSyntheticImporterID() == u"Importer-7");

    expect(kaurl::file::URL(u"file:///dir/name.txt").GetFileExtension() == u"txt");
    expect(kaurl::http::URL(u"https://h.example").GetPortNumber() == 443);

    const std::unique_ptr<ostraunittesting::TestSuite> suite(kaurl::unittests::CreateTestSuite());
    std::ostringstream trace;
    std::ostringstream report;
    const ostraunittesting::RunSummary summary = ostraunittesting::RunSuite(*suite, trace, report);
    expect(summary.passed == 1 && summary.failed == 0);
    return unexpected;
}
