#pragma once
// The library started, the register reached (a simulated one inside this process, or the
// address), and one connection opened; all of it undone when the session ends.

#include <memory>
#include <optional>

#include "arguments.h"
#include "connection.h"

namespace korvex::sim {
class Simulator;
}

namespace korvex3_cli {


class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Opens the connection, against a simulated register when `simulate`. On failure prints
    // why and returns the exit status; nullopt when the connection is open.
    std::optional<int> open(Console& console, const Options& options, bool simulate);

    const Connection& connection() const { return connection_; }

private:
    std::unique_ptr<korvex::sim::Simulator> simulator_;
    Connection connection_;
};

// "host:port" with the port the library takes when none is named.
std::string withDefaultPort(const std::string& address);

}  // namespace korvex3_cli
