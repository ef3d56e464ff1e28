// SPDX-License-Identifier: BSL-1.0
// kaurl_web_compose and kaurl_web_substitute: media URIs from a mount point
// and a path, and local paths from media URIs.
#include "Answer.h"
#include "JsonObject.h"
#include "Playground.h"
#include "kaurl/kamedia.h"

extern "C" char* kaurl_web_compose(const char16_t* mountPoint, std::size_t mountPointLength,
                                   const char16_t* path, std::size_t pathLength) {
    using namespace kaurl::web;
    kaurl::kamedia::URL url;
    const bool created = kaurl::kamedia::CreateFromMountPointAndPath(
        Units(mountPoint, mountPointLength), Units(path, pathLength), url);
    return Answer(
        JsonObject().AddBool("created", created).AddText("uri", url.GetURIString()).Text());
}

extern "C" char* kaurl_web_substitute(const char16_t* uri, std::size_t uriLength,
                                      const char16_t* mountPath, std::size_t mountPathLength) {
    using namespace kaurl::web;
    kaurl::kamedia::URL url;
    const bool created = kaurl::kamedia::Create(Units(uri, uriLength), url);
    const kaurl::UTF16String path = created ? kaurl::kamedia::SubstituteMountPointAndReturnPath(
                                                  url, Units(mountPath, mountPathLength))
                                            : kaurl::UTF16String();
    return Answer(JsonObject().AddBool("created", created).AddText("path", path).Text());
}
