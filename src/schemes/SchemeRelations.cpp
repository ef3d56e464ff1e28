// SPDX-License-Identifier: BSL-1.0
#include "kaurl/file.h"
#include "kaurl/http.h"
#include "kaurl/kamedia.h"
#include "kaurl/kasynthetic.h"

namespace kaurl {

namespace kamedia {
bool ResolveReference(const UTF16String&, const UTF16String&, UTF16String&, ResolutionMode) {
    return false;
}
bool ResolveReference(const URL&, const UTF16String&, URL&, ResolutionMode) {
    return false;
}
bool Normalize(const URL&, URL&) {
    return false;
}
}  // namespace kamedia

namespace kasynthetic {
bool ResolveReference(const URL&, const UTF16String&, URL&, ResolutionMode) {
    return false;
}
bool Normalize(const URL&, URL&) {
    return false;
}
}  // namespace kasynthetic

namespace file {
bool ResolveReference(const URL&, const UTF16String&, URL&, ResolutionMode) {
    return false;
}
bool Normalize(const URL&, URL&) {
    return false;
}
}  // namespace file

namespace http {
bool ResolveReference(const URL&, const UTF16String&, URL&, ResolutionMode) {
    return false;
}
bool Normalize(const URL&, URL&) {
    return false;
}
}  // namespace http

}  // namespace kaurl
