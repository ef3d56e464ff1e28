// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Label.h"
#include "kaurl/URI.h"
#include "ostracore/Strings.h"

namespace kaurl::tool {

// The URI classes of the library, by the names the tool uses for them.
enum class UriClass { Generic, Media, Synthetic, File, Http };

// How many classes there are; Http stays the last, or this follows the new last.
constexpr std::size_t kUriClassCount = static_cast<std::size_t>(UriClass::Http) + 1;

// "uri", "kamedia", "kasynthetic", "file" or "http".
const char* NameOf(UriClass uriClass);

// The class called `name`, or nothing for an unknown name.
std::optional<UriClass> UriClassNamed(std::string_view name);

// The class that handles the scheme of `uri`, or the generic class when no
// scheme class does.
UriClass ClassForScheme(const URI& uri);

// One getter of a URI class and what it returned, converted to UTF-8.
struct UriField {
    Label label;      // for people: "mount point"
    const char* key;  // for JSON: "mount_point"
    std::string value;
};

// The name of a media URL's file for display, as GetDisplayName gives it, or
// why GetDisplayName refuses the URL.
struct DisplayName {
    bool given;
    std::string name;     // empty when refused
    std::string refusal;  // DescribeLocalPathRefusal's text; empty when given
};

// Everything an object of one URI class says about a text.
struct UriView {
    std::string input;  // the text as given
    UriClass uriClass;
    bool valid;                              // the class's own IsValid
    std::vector<UriField> fields;            // every string getter, empty values included
    std::optional<int> portNumber;           // HTTP URLs only
    std::optional<DisplayName> displayName;  // media URLs only
    // The media class only: whether its Create accepts the text and, reading
    // backslashes as slashes, finds other parts than its constructor.
    std::optional<bool> createDiffers;
};

// How a text becomes an object of its class.
enum class Reading {
    Constructor,  // the class's constructor from the text
    Create,       // the class's Create; a refused text leaves an empty, invalid object
};

// What an object of `uriClass` read from `text` reports.
UriView DescribeAs(UriClass uriClass, const ostracore::UTF16String& text, Reading reading);

// As DescribeAs, with the class that handles the text's scheme, or the
// generic class when no scheme class does.
UriView DescribeWithSchemeClass(const ostracore::UTF16String& text, Reading reading);

}  // namespace kaurl::tool
