#pragma once
// The library's diagnostic log: one spdlog logger shared by name with the host process.
// Its level is off after korvex3_initialize; host code raises it with
// spdlog::get(korvex::log::kLoggerName)->set_level(spdlog::level::debug).
// Every record is written at debug level with the writing function's signature.

#include <memory>
#include <string>

#include <QString>
#include <spdlog/spdlog.h>

namespace korvex::log {

inline constexpr const char* kLoggerName = "korvex3";
inline constexpr const char* kFileName = "libkorvex.log";
inline constexpr std::size_t kMaxFileSize = 102400;
inline constexpr std::size_t kMaxFiles = 100;
// date-time, severity, thread, function, message
inline constexpr const char* kPattern = "%Y-%m-%d %H:%M:%S.%e %-5l [%t] [%!] %v";

// The shared logger if one is registered under kLoggerName, else null.
inline std::shared_ptr<spdlog::logger> shared() { return spdlog::get(kLoggerName); }

// Text forms for log arguments; the log only takes UTF-8 strings and numbers.
inline std::string text(const QString& s) { return s.toStdString(); }

}  // namespace korvex::log

// Writes one debug record; the arguments are only evaluated when debug records are admitted.
#define KORVEX_LOG(...)                                                                     \
    do {                                                                                    \
        if (auto korvexLogger_ = ::korvex::log::shared();                                   \
            korvexLogger_ && korvexLogger_->should_log(spdlog::level::debug)) {             \
            korvexLogger_->log(spdlog::source_loc{__FILE__, __LINE__, __PRETTY_FUNCTION__}, \
                               spdlog::level::debug, __VA_ARGS__);                          \
        }                                                                                   \
    } while (0)

// True when a record would be written; guards work that only feeds the log.
#define KORVEX_LOG_ENABLED()                                                                \
    ([] { auto l = ::korvex::log::shared(); return l && l->should_log(spdlog::level::debug); }())
