#pragma once
// Raises the library's shared logger to debug for the lifetime of the object and keeps the
// records' messages (no time stamps), so tests can assert which log lines an exchange wrote.
// Restores the logger's level and sinks afterwards. One at a time per process.

#include <memory>
#include <string>
#include <vector>

#include <spdlog/sinks/ringbuffer_sink.h>
#include <spdlog/spdlog.h>

namespace testing_support {

class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::vector<std::string> lines() const;
    // The messages that start with `prefix`.
    std::vector<std::string> linesStartingWith(const std::string& prefix) const;

private:
    std::shared_ptr<spdlog::logger> logger_;
    std::shared_ptr<spdlog::sinks::ringbuffer_sink_mt> sink_;
    spdlog::level::level_enum previous_;
};

}  // namespace testing_support
