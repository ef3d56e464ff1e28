// SPDX-License-Identifier: BSL-1.0
// Built for Windows only: every accepted path of the code page table and of
// the media fuzz seeds, converted to each ANSI code page and back as the
// Windows A functions do, keeps its names; and the generated tables agree
// with the system's own conversion of every code unit.
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ios>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CodePagePaths.h"
#include "MediaPieces.h"
#include "kaurl/kamedia.h"
#include "schemes/LocalNames.h"
#include "schemes/codepages/CodePageTables.h"

namespace {

using kaurl::kamedia::PathSeparator;
using Media = kaurl::kamedia::URL;

// The media URLs that the table and the seeds give, as the fuzz target makes
// them: from the raw path, and composed from mount point and path.
std::vector<Media> CandidateUrls() {
    std::vector<Media> urls;
    for (const char16_t* path : kaurl::test_paths::kAcceptedDespiteCodePages) {
        urls.emplace_back(u"kamedia://grid/" + std::u16string(path));
    }
    for (const auto& entry : std::filesystem::directory_iterator(KAURL_MEDIA_SEEDS)) {
        std::ifstream stream(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(stream)),
                                std::istreambuf_iterator<char>());
        std::u16string units;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                  static_cast<unsigned char>(bytes[i + 1]) << 8));
        }
        kaurl::fuzz::MediaPieces pieces = kaurl::fuzz::SplitMediaPieces(units);
        urls.emplace_back(u"kamedia://grid/" + pieces.path);
        pieces.path.erase(0, pieces.path.find_first_not_of(u"/\\"));
        Media composed;
        if (kaurl::kamedia::CreateFromMountPointAndPath(pieces.mountPoint, pieces.path, composed)) {
            urls.push_back(composed);
        }
    }
    return urls;
}

// `path` converted to `page` and back, or false when the conversion would
// write the default character.
bool RoundTrip(const std::u16string& path, UINT page, std::u16string& back) {
    const auto* wide = reinterpret_cast<const wchar_t*>(path.data());
    const int length = static_cast<int>(path.size());
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(page, 0, wide, length, nullptr, 0, nullptr, &usedDefault);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(page, 0, wide, length, bytes.data(), size, nullptr, &usedDefault);
    if (usedDefault) {
        return false;
    }
    back.resize(
        static_cast<std::size_t>(MultiByteToWideChar(page, 0, bytes.data(), size, nullptr, 0)));
    MultiByteToWideChar(page, 0, bytes.data(), size, reinterpret_cast<wchar_t*>(back.data()),
                        static_cast<int>(back.size()));
    return true;
}

bool IsReadAsAnotherName(const std::u16string& name) {
    return name == u".." || name.find(u':') != std::u16string::npos ||
           (!name.empty() && (name.back() == u'.' || name.back() == u' ')) ||
           kaurl::detail::IsDeviceName(name);
}

TEST(CodePageRoundTrip, KeepsTheNamesOfEveryAcceptedPath) {
    int converted = 0;
    for (const Media& url : CandidateUrls()) {
        std::u16string local;
        if (!kaurl::kamedia::ResolveLocalPath(url, u"m", local, PathSeparator::Backslash)) {
            continue;
        }
        const std::u16string below = local.substr(1);
        for (const std::uint16_t page : kaurl::detail::codepages::kCodePages) {
            std::u16string back;
            if (!RoundTrip(below, page, back)) {
                continue;
            }
            ++converted;
            SCOPED_TRACE(testing::PrintToString(below) + " in code page " + std::to_string(page));
            for (std::size_t start = 0; start <= back.size();) {
                const std::size_t end = std::min(back.find_first_of(u"/\\", start), back.size());
                EXPECT_FALSE(IsReadAsAnotherName(back.substr(start, end - start)))
                    << testing::PrintToString(back);
                start = end + 1;
            }
        }
    }
    EXPECT_GT(converted, 0);
}

// What the tables say of `unit` in the page with bit `page`: whether the page
// converts it, and what it reads back as when that is special.
bool TablesConvert(char16_t unit, std::uint16_t page, char16_t& readAs) {
    namespace tables = kaurl::detail::codepages;
    const auto next = std::upper_bound(
        std::begin(tables::kPageRuns), std::end(tables::kPageRuns), unit,
        [](char16_t value, const tables::PageRun& run) { return value < run.first; });
    readAs = unit;
    for (const tables::SpecialFit& fit : tables::kSpecialFits) {
        if (fit.codeUnit == unit && (fit.pages & page) != 0) {
            readAs = fit.readAs;
        }
    }
    return (std::prev(next)->pages & page) != 0;
}

TEST(CodePageRoundTrip, AgreesWithTheTablesOnEveryCodeUnit) {
    namespace tables = kaurl::detail::codepages;
    for (std::size_t bit = 0; bit < tables::kCodePageCount; ++bit) {
        int mismatches = 0;
        for (char32_t value = 0; value <= 0xFFFF && mismatches < 5; ++value) {
            const auto unit = static_cast<char16_t>(value);
            std::u16string back;
            const bool converts = RoundTrip(std::u16string(1, unit), tables::kCodePages[bit], back);
            char16_t readAs = 0;
            const bool tablesConvert =
                TablesConvert(unit, static_cast<std::uint16_t>(1U << bit), readAs);
            const bool special =
                back.size() == 1 && back[0] != unit &&
                (back[0] < 0x80 || back[0] == 0xB9 || back[0] == 0xB2 || back[0] == 0xB3);
            if (converts != tablesConvert || (converts && (special ? back[0] : unit) != readAs)) {
                ++mismatches;
                ADD_FAILURE() << "U+" << std::hex << value << " in code page " << std::dec
                              << tables::kCodePages[bit];
            }
        }
    }
}

}  // namespace
