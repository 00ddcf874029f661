#pragma once
// The state file of --state. Saving writes a temporary file beside it, flushes it to the disk
// and renames it over the old one, so a crash at any moment leaves either the old state or the
// new one, never a mixture. A temporary file left by such a crash is ignored and replaced.

#include <string>

#include "sim/model/register_state.h"

namespace korvex::sim {

class StateFile {
public:
    explicit StateFile(std::string path) : path_(std::move(path)) {}

    // A missing file is a fresh register (true, `state` unchanged); an unreadable or malformed
    // one is an error, so that a typo never overwrites a register's history.
    bool load(RegisterState& state, std::string& error) const;
    bool save(const RegisterState& state, std::string& error) const;

    const std::string& path() const { return path_; }
    std::string temporaryPath() const { return path_ + ".tmp"; }

private:
    std::string path_;
};

}  // namespace korvex::sim
