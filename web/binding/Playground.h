// SPDX-License-Identifier: BSL-1.0
#pragma once

// The playground's interface to the library: plain C, so that JavaScript can
// call it in the WebAssembly build and the differential check's driver in the
// native one. It is built on the library's C interface (kaurl/kaurl.h) alone,
// so the page answers through the same code as every other C caller. Texts
// come in as UTF-16 code units with their length (NULs and lone surrogates
// included); each answer is one JSON object as ASCII text, allocated with
// malloc, which the caller hands back to kaurl_web_free.

#include <cstddef>

extern "C" {

// What an object of the class `className` ("uri", "kamedia", "kasynthetic",
// "file", "http", or "auto": the class of the text's scheme, as `kaurl parse
// --as auto`) reports for the text, read by the class's constructor or, when
// `create` is non-zero, by its Create: "input", "class", "valid", every
// getter's value under the key that `kaurl parse --json` gives it, for media
// URLs "display_name" and "display_name_refusal" (GetDisplayName's name, or
// DescribeLocalPathRefusal's text of its refusal) and, for HTTP URLs,
// "port_number". Null for an unknown class name.
char* kaurl_web_describe(const char16_t* text, std::size_t length, const char* className,
                         int create);

// CreateFromMountPointAndPath: "created" and the "uri" (empty when refused).
char* kaurl_web_compose(const char16_t* mountPoint, std::size_t mountPointLength,
                        const char16_t* path, std::size_t pathLength);

// The media URI read by kamedia::Create ("created"), and what
// SubstituteMountPointAndReturnPath makes of it and the mount path ("path",
// empty when Create refuses the URI).
char* kaurl_web_substitute(const char16_t* uri, std::size_t uriLength, const char16_t* mountPath,
                           std::size_t mountPathLength);

// The media URI read by kamedia::Create, and what ResolveLocalPath makes of it
// and the mount path with the separator named `separatorName` ("Slash",
// "Backslash" or "Native"): "resolved", the "local_path" (empty when
// refused), the "refusal" as DescribeLocalPathRefusal words it (empty when
// resolved) and the "separator" used. Null for an unknown separator name.
char* kaurl_web_resolve(const char16_t* uri, std::size_t uriLength, const char16_t* mountPath,
                        std::size_t mountPathLength, const char* separatorName);

// The library's self-test: "passed", "failed", and the texts of the "trace"
// and "report" streams.
char* kaurl_web_self_test();

void kaurl_web_free(char* answer);
}
