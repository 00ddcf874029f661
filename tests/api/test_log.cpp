// The log is process-wide and korvex3_initialize acts once per process, so every case here runs
// in a process of its own: gtest re-executes this binary for each EXPECT_EXIT statement.
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "api/log.h"
#include "korvex3/korvex3.h"
#include "link/packet.h"
#include "support/hex.h"
#include "tlv/tlv_parser.h"

using testing_support::hex;

namespace {

const char* const kLibraryFolder = "Korvex Engineering/library";
const char* const kLogFile = "Korvex Engineering/library/logs/libkorvex.log";

// Every file and folder under `root`, relative to it, sorted.
std::vector<std::string> entriesUnder(const QString& root)
{
    std::vector<std::string> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.push_back(QDir(root).relativeFilePath(it.next()).toStdString());
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::string join(const std::vector<std::string>& items)
{
    std::string out;
    for (const std::string& item : items)
        out += "[" + item + "]";
    return out;
}

std::vector<std::string> linesOf(const QString& path)
{
    QFile file(path);
    std::vector<std::string> lines;
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.isEmpty())
            lines.push_back(line.toStdString());
    return lines;
}

// Sets up a fresh data location holding `folders`, runs `scenario` against it and leaves the
// process with 0 when the scenario reports no fault, else prints the fault and leaves with 1.
template <typename Scenario>
[[noreturn]] void runInDataHome(const std::vector<const char*>& folders, Scenario scenario)
{
    std::string fault;
    {
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        for (const char* folder : folders)
            QDir(home.path()).mkpath(folder);
        fault = home.isValid() ? scenario(home.path()) : "no temporary folder";
        spdlog::drop_all();  // closes the log file before the folder goes
    }
    std::fprintf(stderr, "%s\n", fault.c_str());
    std::exit(fault.empty() ? 0 : 1);
}

template <typename Scenario>
void expectInOwnProcess(const std::vector<const char*>& folders, Scenario scenario)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(runInDataHome(folders, scenario), ::testing::ExitedWithCode(0), "");
}

struct FolderCase {
    const char* what;
    std::vector<const char*> before;
    std::vector<std::string> after;
};

void PrintTo(const FolderCase& c, std::ostream* out) { *out << c.what; }

class LogFolder : public ::testing::TestWithParam<FolderCase> {};

TEST_P(LogFolder, CreatesOnlyTheLogsFolder)
{
    expectInOwnProcess(GetParam().before, [param = GetParam()](const QString& home) -> std::string {
        korvex3_initialize();
        const auto logger = spdlog::get(korvex::log::kLoggerName);
        if (!logger)
            return "no shared logger after korvex3_initialize";
        if (logger->level() != spdlog::level::off)
            return "level is not off after korvex3_initialize";
        // Raising the level must not create anything either when the folder is missing.
        logger->set_level(spdlog::level::debug);
        KORVEX_LOG("after raising");
        const std::vector<std::string> found = entriesUnder(home);
        return found == param.after ? "" : "found " + join(found) + ", expected " + join(param.after);
    });
}

const std::vector<std::string> kFullLogTree = {
    "Korvex Engineering", kLibraryFolder, "Korvex Engineering/library/logs", kLogFile};

INSTANTIATE_TEST_SUITE_P(
    Rules, LogFolder,
    ::testing::Values(FolderCase{"nothing", {}, {}},
                      FolderCase{"organisation only", {"Korvex Engineering"}, {"Korvex Engineering"}},
                      FolderCase{"library folder", {kLibraryFolder}, kFullLogTree},
                      FolderCase{"logs folder already there", {"Korvex Engineering/library/logs"}, kFullLogTree}),
    [](const ::testing::TestParamInfo<FolderCase>& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(Log, NothingIsWrittenWhileTheLevelIsOff)
{
    expectInOwnProcess({kLibraryFolder}, [](const QString& home) -> std::string {
        korvex3_initialize();
        bool evaluated = false;
        KORVEX_LOG("{}", (evaluated = true));
        Packet::make(203, "0123456789", hex("01 00 02 00 0C 00"));
        Packet reply;
        reply.parse(hex("EF BE 0A 00 07 00 02 00 C9 00 79 AD 31 99"));
        if (evaluated)
            return "arguments were evaluated with the level off";
        if (!QFile::exists(home + "/" + kLogFile))
            return "no log file";
        const std::vector<std::string> lines = linesOf(home + "/" + kLogFile);
        return lines.empty() ? "" : "records written: " + join(lines);
    });
}

TEST(Log, SecondInitializeDoesNothing)
{
    expectInOwnProcess({kLibraryFolder}, [](const QString& home) -> std::string {
        korvex3_initialize();
        const auto first = spdlog::get(korvex::log::kLoggerName);
        first->set_level(spdlog::level::debug);
        korvex3_initialize();
        if (spdlog::get(korvex::log::kLoggerName) != first)
            return "the shared logger was replaced";
        if (first->level() != spdlog::level::debug)
            return "the raised level was reset";
        const std::vector<std::string> lines = linesOf(home + "/" + kLogFile);
        return lines.empty() ? "" : "records written: " + join(lines);
    });
}

struct Record {
    const char* function;
    const char* message;
};

TEST(Log, RaisedLoggerGetsRecordsWithFunctionAndExactText)
{
    expectInOwnProcess({kLibraryFolder}, [](const QString& home) -> std::string {
        korvex3_initialize();
        spdlog::get(korvex::log::kLoggerName)->set_level(spdlog::level::debug);
        Packet::make(201, "", QByteArray());  // no payload: no record
        Packet::make(203, "", hex("01 00 02 00 0C 00"));
        TLVParser(korvex::deviceDictionary()).parse(hex("01 00 02 00 0C 00 2C 01 01 00 FF"));

        const Record expected[] = {
            {"static QByteArray Packet::make(quint16, const QString&, const QByteArray&)", "prepare to send"},
            {"void TLVParser::parse(const QByteArray&)", "version\tlength: 2\tvalue: 0c00"},
            {"void TLVParser::parse(const QByteArray&)", "tag_300\tlength: 1\tvalue: ff"},
        };
        const std::vector<std::string> lines = linesOf(home + "/" + kLogFile);
        if (lines.size() != std::size(expected))
            return "records: " + join(lines);
        // date and time, severity, thread, function, message
        const std::regex layout(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} debug \[\d+\] \[(.*)\] (.*))");
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::smatch parts;
            if (!std::regex_match(lines[i], parts, layout) || parts[1] != expected[i].function ||
                parts[2] != expected[i].message)
                return "unexpected record: " + lines[i];
        }
        return "";
    });
}

TEST(Log, FileRollsOverAt102400Bytes)
{
    expectInOwnProcess({kLibraryFolder}, [](const QString& home) -> std::string {
        korvex3_initialize();
        spdlog::get(korvex::log::kLoggerName)->set_level(spdlog::level::debug);
        const std::string filler(200, 'x');
        for (int i = 0; i < 600; ++i)
            KORVEX_LOG("{}", filler);
        const QString logs = home + "/Korvex Engineering/library/logs/";
        const qint64 size = QFileInfo(logs + "libkorvex.log").size();
        if (size > 102400)
            return "current file has " + std::to_string(size) + " bytes";
        return QFileInfo(logs + "libkorvex.1.log").exists() ? "" : "no rolled file: " + join(entriesUnder(logs));
    });
}

}  // namespace
