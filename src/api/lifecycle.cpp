// Start-up, shutdown and version of the library.
#include <spdlog/sinks/rotating_file_sink.h>

#include <QDir>

#include "api/identity.h"
#include "api/log.h"
#include "korvex3/korvex3.h"

namespace {
bool initialised = false;

std::shared_ptr<spdlog::logger> makeLogger(const QString& folder)
{
    // spdlog would create a missing folder with all its parents; without the folder there is
    // no file, and records are lost.
    if (!QDir(folder).exists())
        return std::make_shared<spdlog::logger>(korvex::log::kLoggerName);
    const std::string path = QString(folder + "/" + korvex::log::kFileName).toUtf8().toStdString();
    try {
        auto sink = std::make_shared<spdlog::sinks::rotating_file_sink_mt>(
            path, korvex::log::kMaxFileSize, korvex::log::kMaxFiles);
        return std::make_shared<spdlog::logger>(korvex::log::kLoggerName, sink);
    } catch (const spdlog::spdlog_ex&) {
        // A file that cannot be opened only loses records; the logger still exists to be raised.
        return std::make_shared<spdlog::logger>(korvex::log::kLoggerName);
    }
}
}  // namespace

void korvex3_initialize()
{
    if (initialised)
        return;
    const QString folder = korvex::AppHome(QStringLiteral("library")) + "/logs";
    QDir().mkdir(folder);  // this one folder only, never its parents

    if (!korvex::log::shared()) {
        auto logger = makeLogger(folder);
        logger->set_pattern(korvex::log::kPattern);
        logger->set_level(spdlog::level::off);
        logger->flush_on(spdlog::level::debug);
        try {
            spdlog::register_logger(logger);
        } catch (const spdlog::spdlog_ex&) {
            // Another thread of the host registered the name first; its logger is the shared one.
        }
    }
    KORVEX_LOG("log started");
    initialised = true;
}

void korvex3_finalize() {}

extern "C" void korvex3_version(int& major, int& minor, int& build, int& revision)
{
    major = korvex::kVersionMajor;
    minor = korvex::kVersionMinor;
    build = korvex::kVersionBuild;
    revision = korvex::kVersionRevision;
}
