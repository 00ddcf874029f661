#pragma once
// A host program's view: the exported functions against an in-process simulator.

#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "korvex3/korvex3.h"
#include "sim/simulator.h"
#include "tlv/json.h"

namespace e2e {

inline constexpr korvex3_u16 kTimeout = 3000;

inline korvex::sim::Options quickRegister()
{
    korvex::sim::Options options;
    options.settings.taskDelay = std::chrono::milliseconds(0);
    return options;
}

inline Json parsed(const char* text) { return text ? Json::parse(text, nullptr, false) : Json(); }

class HostTest : public ::testing::Test {
protected:
    explicit HostTest(korvex::sim::Options options = quickRegister()) : simulator(std::move(options)) {}

    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(simulator.start(&error)) << error;
        connect();
    }
    void TearDown() override
    {
        if (handle > 0)
            korvex3_close(handle);
    }

    void connect()
    {
        const char* out = nullptr;
        handle = korvex3_open(simulator.address().c_str(), kTimeout, out);
        ASSERT_GT(handle, 0);
    }

    // A counter function's call: result 0 expected, the envelope returned, the task id kept.
    using Counted = int (*)(int, korvex3_u16, korvex3_u32&, const char*, const char*&);
    Json run(Counted function, const char* json)
    {
        const char* out = nullptr;
        const int result = function(handle, kTimeout, lastTask, json, out);
        EXPECT_EQ(result, 0) << json;
        return parsed(out);
    }

    // Polls the status of `task` until it is no longer 3/103 (for 10 s at most); the last envelope.
    Json waitFor(korvex3_u32 task)
    {
        Json status;
        for (int polls = 0; polls < 1000; ++polls) {
            const char* out = nullptr;
            EXPECT_EQ(korvex3_fremu_query(handle, kTimeout, task, out), 0);
            status = parsed(out);
            if (!(status.value("response", 0) == 3 && status.value("extended", 0) == 103))
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return status;
    }

    korvex::sim::Simulator simulator;
    int handle = 0;
    korvex3_u32 lastTask = 0;
};

}  // namespace e2e
