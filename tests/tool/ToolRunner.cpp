// SPDX-License-Identifier: BSL-1.0
#include "ToolRunner.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "ToolProcess.h"

namespace kaurl::tooltest {
namespace {

namespace fs = std::filesystem;

// A fresh directory that is removed with everything in it.
class TemporaryDirectory {
public:
    TemporaryDirectory() {
        std::random_device random;
        do {
            path_ = fs::temp_directory_path() / ("kaurl-tool-" + std::to_string(random()));
        } while (!fs::create_directory(path_));
    }
    ~TemporaryDirectory() { fs::remove_all(path_); }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

// Standard streams go through files, so a large output cannot block the tool.
ToolResult RunTool(const std::vector<std::string>& arguments, const std::string& input) {
    const TemporaryDirectory directory;
    const fs::path inPath = directory.Path() / "in";
    const fs::path outPath = directory.Path() / "out";
    const fs::path errPath = directory.Path() / "err";
    std::ofstream(inPath, std::ios::binary) << input;

    // The tool, after the emulator that starts it in a cross build.
    std::vector<std::string> words{KAURL_TOOL_COMMAND};
    words.insert(words.end(), arguments.begin(), arguments.end());
    const int status = RunProcess(words, inPath, outPath, errPath);
    return {ReadFile(outPath), ReadFile(errPath), status};
}

std::string CommandLine(const std::vector<std::string>& arguments) {
    std::string line = "kaurl";
    for (const std::string& argument : arguments) {
        line += ' ' + argument;
    }
    return line;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace kaurl::tooltest
