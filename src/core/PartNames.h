// SPDX-License-Identifier: BSL-1.0
#pragma once

// The names under which URI objects keep their parts; internal to the library.
// The part operations take a name as a NUL-terminated string, so a misspelt
// literal would silently be another part: every name is written once, here.
namespace kaurl::part {

// Stored by the decomposition.
constexpr char kScheme[] = "scheme";
constexpr char kAuthority[] = "authority";
constexpr char kUserInfo[] = "userinfo";
constexpr char kHost[] = "host";
constexpr char kPort[] = "port";
constexpr char kPath[] = "path";
constexpr char kQuery[] = "query";
constexpr char kFragment[] = "fragment";

// Stored by the scheme classes.
constexpr char kMountPoint[] = "mountpoint";
constexpr char kFileName[] = "filename";
constexpr char kFileExtension[] = "fileextension";
constexpr char kInstanceID[] = "instanceID";

}  // namespace kaurl::part
