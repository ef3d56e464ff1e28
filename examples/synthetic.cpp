// SPDX-License-Identifier: BSL-1.0
// Synthetic-importer URIs: the importer identifier in the authority position.
#undef NDEBUG  // the asserts state what the library returns: keep them in every build
//! [example]
#include <cassert>

#include <kaurl/kasynthetic.h>

int main() {
    kaurl::kasynthetic::URL url;
    const bool created = kaurl::kasynthetic::CreateFromSyntheticImporterID(u"Importer-7", url);
    assert(created);
    assert(url.GetURIString() == u"kasynthetic://Importer-7");
    assert(url.GetSyntheticImporterID() == u"Importer-7");  // case kept
    assert(url.GetAuthority().empty());                     // the authority became the identifier

    // The identifier is used unescaped: a "/" ends it.
    const kaurl::kasynthetic::URL cut(u"kasynthetic://colour/bars");
    assert(cut.GetSyntheticImporterID() == u"colour");
    assert(cut.GetPath() == u"/bars");
}
//! [example]
