#include "support/log_capture.h"

#include <algorithm>

#include <spdlog/pattern_formatter.h>

#include "api/log.h"

namespace testing_support {

LogCapture::LogCapture()
    : logger_(korvex::log::shared()), sink_(std::make_shared<spdlog::sinks::ringbuffer_sink_mt>(10000))
{
    if (!logger_) {
        logger_ = std::make_shared<spdlog::logger>(korvex::log::kLoggerName);
        logger_->set_level(spdlog::level::off);
        spdlog::register_logger(logger_);
    }
    previous_ = logger_->level();
    // Messages only, without a line end.
    sink_->set_formatter(std::make_unique<spdlog::pattern_formatter>("%v", spdlog::pattern_time_type::local, ""));
    logger_->sinks().push_back(sink_);
    logger_->set_level(spdlog::level::debug);
}

LogCapture::~LogCapture()
{
    logger_->set_level(previous_);
    auto& sinks = logger_->sinks();
    sinks.erase(std::remove(sinks.begin(), sinks.end(), sink_), sinks.end());
}

std::vector<std::string> LogCapture::lines() const { return sink_->last_formatted(); }

std::vector<std::string> LogCapture::linesStartingWith(const std::string& prefix) const
{
    std::vector<std::string> matching;
    for (const std::string& line : lines())
        if (line.compare(0, prefix.size(), prefix) == 0)
            matching.push_back(line);
    return matching;
}

}  // namespace testing_support
