#pragma once
// A simulator started for one test, tasks finishing at once, and a client connected to it.

#include <memory>

#include <gtest/gtest.h>

#include "sim/sim_client.h"
#include "sim/simulator.h"

namespace sim_testing {

inline korvex::sim::Options quickOptions()
{
    korvex::sim::Options options;
    options.settings.taskDelay = milliseconds(0);
    return options;
}

class SimTest : public ::testing::Test {
protected:
    explicit SimTest(korvex::sim::Options options = quickOptions()) : simulator(std::move(options)) {}

    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(simulator.start(&error)) << error;
        client = std::make_unique<SimClient>(simulator.port());
    }

    Answer call(std::uint16_t cmd, const QByteArray& payload = {}) { return client->call(cmd, payload); }

    // Emulation mode on and a shift open by an operator; each step must be accepted.
    void openShift()
    {
        ASSERT_EQ(call(201).response, 0);
        ASSERT_EQ(call(203, item(13, u16(1))).response, 0);
    }

    korvex::sim::Simulator simulator;
    std::unique_ptr<SimClient> client;
};

// Payloads of the receipt commands.
inline QByteArray openDocPayload(std::uint16_t kind) { return item(14, u16(kind)) + item(13, u16(1)); }
inline QByteArray itemPayload(std::uint64_t price, std::uint64_t quantity, const QByteArray& name = "Item")
{
    return item(51, u8(1)) + item(37, u64(price)) + item(38, u64(quantity)) + item(40, "A1") + item(41, name);
}
inline QByteArray cashPayload(std::uint64_t cash) { return item(31, u64(cash)); }

}  // namespace sim_testing
