// SPDX-License-Identifier: BSL-1.0
#include "UriViews.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

#include "kaurl/file.h"
#include "kaurl/http.h"
#include "kaurl/kamedia.h"
#include "kaurl/kasynthetic.h"
#include "ostracore/Utility.h"

namespace kaurl::tool {
namespace {

using ostracore::UTF16String;
using ostracore::utility::UTF16to8;

// One row for each class, in the order of the enumeration, so that a class
// indexes its own row. A row too many does not compile; a missing one is left
// empty and fails the check below.
constexpr std::array<std::pair<UriClass, const char*>, kUriClassCount> kClassNames{{
    {UriClass::Generic, "uri"},
    {UriClass::Media, "kamedia"},
    {UriClass::Synthetic, "kasynthetic"},
    {UriClass::File, "file"},
    {UriClass::Http, "http"},
}};

constexpr bool EveryClassHasItsRow() {
    for (std::size_t i = 0; i < kClassNames.size(); ++i) {
        if (static_cast<std::size_t>(kClassNames[i].first) != i ||
            kClassNames[i].second == nullptr) {
            return false;
        }
    }
    return true;
}
static_assert(EveryClassHasItsRow(), "kClassNames has one row for each URI class, in order");

UriView GenericView(UriClass uriClass, const URI& uri) {
    UriView view{{}, uriClass, uri.IsValid(), {}, std::nullopt, std::nullopt, std::nullopt};
    view.fields = {
        {"scheme", "scheme", UTF16to8(uri.GetScheme())},
        {"authority", "authority", UTF16to8(uri.GetAuthority())},
        {"userinfo", "userinfo", UTF16to8(uri.GetUserInfo())},
        {"host", "host", UTF16to8(uri.GetHost())},
        {"port", "port", UTF16to8(uri.GetPort())},
        {"path", "path", UTF16to8(uri.GetPath())},
        {"query", "query", UTF16to8(uri.GetQuery())},
        {"fragment", "fragment", UTF16to8(uri.GetFragment())},
    };
    return view;
}

UriView MediaView(const kamedia::URL& url) {
    UriView view = GenericView(UriClass::Media, url);
    view.fields.push_back({"mount point", "mount_point", UTF16to8(url.GetMountPoint())});
    view.fields.push_back({"file name", "file_name", UTF16to8(url.GetFileName())});
    view.fields.push_back({"extension", "file_extension", UTF16to8(url.GetFileExtension())});
    UTF16String name;
    auto refusal = kamedia::LocalPathRefusal::InvalidURL;
    view.displayName = kamedia::GetDisplayName(url, name, &refusal)
                           ? DisplayName{true, UTF16to8(name), {}}
                           : DisplayName{false, {}, kamedia::DescribeLocalPathRefusal(refusal)};
    return view;
}

UriView SyntheticView(const kasynthetic::URL& url) {
    UriView view = GenericView(UriClass::Synthetic, url);
    view.fields.push_back(
        {"importer id", "synthetic_importer_id", UTF16to8(url.GetSyntheticImporterID())});
    return view;
}

UriView FileView(const file::URL& url) {
    UriView view = GenericView(UriClass::File, url);
    view.fields.push_back({"file name", "file_name", UTF16to8(url.GetFileName())});
    view.fields.push_back({"extension", "file_extension", UTF16to8(url.GetFileExtension())});
    return view;
}

UriView HttpView(const http::URL& url) {
    UriView view = GenericView(UriClass::Http, url);
    view.portNumber = url.GetPortNumber();
    return view;
}

// Every scheme class's constructor from a URI object copies the decomposition
// and adds its own parts, exactly as its constructor from the text would, so
// the text is decomposed only once.
UriView ConstructedView(UriClass uriClass, const URI& generic) {
    switch (uriClass) {
        case UriClass::Media:
            return MediaView(kamedia::URL(generic));
        case UriClass::Synthetic:
            return SyntheticView(kasynthetic::URL(generic));
        case UriClass::File:
            return FileView(file::URL(generic));
        case UriClass::Http:
            return HttpView(http::URL(generic));
        case UriClass::Generic:
            break;
    }
    return GenericView(UriClass::Generic, generic);
}

// `url` as `create` leaves it: still empty when `create` refuses the text.
template <typename Url>
Url Created(const UTF16String& text, Url url, bool (*create)(const UTF16String&, Url&)) {
    create(text, url);
    return url;
}

UriView CreatedView(UriClass uriClass, const UTF16String& text) {
    switch (uriClass) {
        case UriClass::Media:
            return MediaView(Created(text, kamedia::URL(), kamedia::Create));
        case UriClass::Synthetic:
            return SyntheticView(Created(text, kasynthetic::URL(), kasynthetic::Create));
        case UriClass::File:
            // The file class has no default constructor; one copied from an
            // empty generic URI is just as empty.
            return FileView(Created(text, file::URL(URI()), file::Create));
        case UriClass::Http:
            return HttpView(Created(text, http::URL(), http::Create));
        case UriClass::Generic:
            break;
    }
    return GenericView(UriClass::Generic, Created(text, URI(), kaurl::Create));
}

bool SameValues(const std::vector<UriField>& some, const std::vector<UriField>& others) {
    return std::equal(
        some.begin(), some.end(), others.begin(), others.end(),
        [](const UriField& one, const UriField& other) { return one.value == other.value; });
}

// Applications read media URIs with Create, which reads backslashes as
// slashes, so a media view also tells whether Create reads other parts.
UriView Describe(UriClass uriClass, const URI& generic, const UTF16String& text, Reading reading) {
    if (uriClass != UriClass::Media) {
        return reading == Reading::Create ? CreatedView(uriClass, text)
                                          : ConstructedView(uriClass, generic);
    }
    UriView constructed = ConstructedView(uriClass, generic);
    UriView created = CreatedView(uriClass, text);
    const bool differs = created.valid && !SameValues(created.fields, constructed.fields);
    UriView view = reading == Reading::Create ? std::move(created) : std::move(constructed);
    view.createDiffers = differs;
    return view;
}

UriView WithInput(UriView view, const UTF16String& text) {
    view.input = UTF16to8(text);
    return view;
}

}  // namespace

UriClass ClassForScheme(const URI& uri) {
    if (kamedia::IsKAMediaURI(uri)) {
        return UriClass::Media;
    }
    if (kasynthetic::IsKASyntheticURI(uri)) {
        return UriClass::Synthetic;
    }
    if (file::IsFileURI(uri)) {
        return UriClass::File;
    }
    if (http::IsHttpURI(uri)) {
        return UriClass::Http;
    }
    return UriClass::Generic;
}

const char* NameOf(UriClass uriClass) {
    return kClassNames[static_cast<std::size_t>(uriClass)].second;
}

std::optional<UriClass> UriClassNamed(std::string_view name) {
    for (const auto& [uriClass, candidate] : kClassNames) {
        if (name == candidate) {
            return uriClass;
        }
    }
    return std::nullopt;
}

UriView DescribeAs(UriClass uriClass, const UTF16String& text, Reading reading) {
    return WithInput(Describe(uriClass, URI(text), text, reading), text);
}

UriView DescribeWithSchemeClass(const UTF16String& text, Reading reading) {
    const URI generic(text);
    const UriClass uriClass = ClassForScheme(generic);
    return WithInput(Describe(uriClass, generic, text, reading), text);
}

}  // namespace kaurl::tool
