#include "log_switch.h"

#include <spdlog/sinks/rotating_file_sink.h>
#include <spdlog/sinks/stdout_sinks.h>
#include <spdlog/spdlog.h>

namespace korvex3_cli {

std::string raiseLibraryLog()
{
    const auto logger = spdlog::get(kLibraryLoggerName);
    if (!logger)
        return {};
    std::string path;
    for (const auto& sink : logger->sinks())
        if (const auto file = std::dynamic_pointer_cast<spdlog::sinks::rotating_file_sink_mt>(sink))
            path = file->filename();
    auto echo = std::make_shared<spdlog::sinks::stderr_sink_mt>();
    echo->set_pattern("  log: %v");
    logger->sinks().push_back(echo);  // before any call, so no record is being written now
    logger->set_level(spdlog::level::debug);
    return path;
}

}  // namespace korvex3_cli
