// --state: the fiscal drive, the shift and the goods survive a restart, and a crash while
// saving never loses the previous state.
#include <fstream>

#include <QDir>
#include <QTemporaryDir>

#include "sim/sim_fixture.h"
#include "sim/response_codes.h"

namespace sim_testing {
namespace {

using korvex::sim::RegisterState;
using korvex::sim::Simulator;

class StateFileTest : public ::testing::Test {
protected:
    korvex::sim::Options withFile() const
    {
        korvex::sim::Options options = quickOptions();
        options.stateFile = path();
        return options;
    }
    std::string path() const { return QDir(folder.path()).filePath("register.json").toStdString(); }

    // A shift with one sale of 100.00 and one goods record, then the simulator is stopped.
    void workADay()
    {
        Simulator simulator(withFile());
        ASSERT_TRUE(simulator.start());
        SimClient client(simulator.port());
        ASSERT_EQ(client.call(201).response, 0);
        ASSERT_EQ(client.call(203, item(13, u16(1))).response, 0);
        ASSERT_EQ(client.call(205, openDocPayload(1)).response, 0);
        ASSERT_EQ(client.call(206, itemPayload(1000000, 10000, "\xCC\xEE\xEB\xEE\xEA\xEE")).response, 0);
        ASSERT_EQ(client.call(209, cashPayload(1000000)).response, 0);
        const QByteArray record = item(129, u16(7)) + item(41, "A") + item(40, "1") + item(118, u8(1)) + item(36, u8(1));
        ASSERT_EQ(client.call(402, item(132, item(130, record))).response, 0);
    }

    static void write(const std::string& file, const std::string& text) { std::ofstream(file) << text; }

    QTemporaryDir folder;
};

TEST_F(StateFileTest, StateSurvivesARestart)
{
    workADay();
    Simulator restarted(withFile());
    std::string error;
    ASSERT_TRUE(restarted.start(&error)) << error;
    SimClient client(restarted.port());
    const Answer fd = client.call(102, item(20, u32(2)));
    ASSERT_EQ(fd.response, 0);
    EXPECT_EQ(numberOf(valueOf(fd.body, 21).mid(14, 5)), 10000u);
    ASSERT_EQ(client.call(201).response, 0);
    EXPECT_EQ(numberOf(valueOf(client.call(210).body, 15)), 1000000u);
    EXPECT_EQ(client.call(203, item(13, u16(1))).response, korvex::sim::response::kShiftOpen);
    EXPECT_EQ(itemOf(itemsOf(client.call(401).body).at(0).value, 129), u16(7));
    // The document content too: the position's name comes back in the import.
    const Answer import = client.call(404, item(20, u32(2)));
    EXPECT_TRUE(import.body.contains(QByteArray("\x8C\xAE\xAB\xAE\xAA\xAE")));
}

TEST_F(StateFileTest, StrayTemporaryFileFromACrashIsIgnored)
{
    workADay();
    write(path() + ".tmp", "{\"format\": 1, \"documents\": [");  // a save cut short
    Simulator restarted(withFile());
    std::string error;
    ASSERT_TRUE(restarted.start(&error)) << error;
    EXPECT_EQ(restarted.withState([](RegisterState& s) { return s.drive.lastNumber(); }), 2u);
    // The next save replaces it.
    SimClient client(restarted.port());
    ASSERT_EQ(client.call(201).response, 0);
    ASSERT_EQ(client.call(204, item(13, u16(1))).response, 0);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path() + ".tmp")));
    Simulator again(withFile());
    ASSERT_TRUE(again.start());
    EXPECT_EQ(again.withState([](RegisterState& s) { return s.drive.lastNumber(); }), 3u);
}

TEST_F(StateFileTest, MissingFileIsAFreshRegister)
{
    Simulator simulator(withFile());
    ASSERT_TRUE(simulator.start());
    EXPECT_EQ(simulator.withState([](RegisterState& s) { return s.drive.lastNumber(); }), 0u);
}

struct BadFile {
    const char* name;
    const char* text;
};

class BadStateFileTest : public StateFileTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadStateFileTest, RefusesToStartAndKeepsTheFile)
{
    write(path(), GetParam().text);
    Simulator simulator(withFile());
    std::string error;
    EXPECT_FALSE(simulator.start(&error));
    EXPECT_FALSE(error.empty());
    std::ifstream in(path());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadStateFileTest,
    ::testing::Values(BadFile{"not_json", "{\"format\": 1,"}, BadFile{"other_format", "{\"format\": 7}"},
                      BadFile{"wrong_types", "{\"format\": 1, \"documents\": 5, \"goods\": [], \"fiscal\": {}, \"shift\": {}}"},
                      BadFile{"gap_in_numbers", "{\"format\": 1, \"documents\": [{\"number\": 2}], \"goods\": [], "
                                                "\"fiscal\": {}, \"shift\": {}}"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sim_testing
