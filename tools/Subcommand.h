// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <CLI/CLI.hpp>

namespace kaurl::tool {

// One subcommand of kaurl: it declares its arguments when it is made, and does
// its work in Run once the command line has named it.
class Subcommand {
public:
    Subcommand(const Subcommand&) = delete;
    Subcommand& operator=(const Subcommand&) = delete;
    virtual ~Subcommand() = default;

    // Whether the command line named this subcommand.
    bool Chosen() const { return command_->parsed(); }

    // Does the work; returns the exit status.
    virtual int Run() = 0;

protected:
    Subcommand(CLI::App& parent, const char* name, const char* description)
        : command_(parent.add_subcommand(name, description)) {}

    CLI::App& Command() const { return *command_; }

private:
    CLI::App* command_;
};

}  // namespace kaurl::tool
