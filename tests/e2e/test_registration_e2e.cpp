// Registration of a fresh register through korvex3_fremu_registration, with its polling.
#include "e2e/e2e_fixture.h"

namespace e2e {
namespace {

korvex::sim::Options freshRegister()
{
    korvex::sim::Options options;
    options.registered = false;
    options.settings.taskDelay = std::chrono::milliseconds(300);  // a few status polls per step
    return options;
}

class RegistrationTest : public HostTest {
protected:
    RegistrationTest() : HostTest(freshRegister()) {}
};

constexpr const char* kRegistration =
    R"({"company_name":"ИП Иванов","sale_address":"г. Тверь, ул. Советская, 5","fns_site":"www.nalog.gov.ru",)"
    R"("regnum":"0000000002054321","company_inn":"7700000009","taxcode":2,"fd_mode":0})";

TEST_F(RegistrationTest, SequenceCompletesAndTheRegisterWorks)
{
    const char* out = nullptr;
    korvex3_u32 task = 0;
    ASSERT_EQ(korvex3_fremu_registration(handle, kTimeout, task, kRegistration, out), 0);
    EXPECT_EQ(parsed(out)["response"], 0);
    EXPECT_NE(task, 0u);
    Json done = waitFor(task);
    ASSERT_EQ(done["response"], 0);
    EXPECT_EQ(done["data"]["fd_number"], 1);

    ASSERT_EQ(korvex3_get_state(handle, kTimeout, out), 0);
    Json state = parsed(out)["data"];
    EXPECT_EQ(state["company_name"], "ИП Иванов");
    EXPECT_EQ(state["sale_address"], "г. Тверь, ул. Советская, 5");
    EXPECT_EQ(state["regnum"], "0000000002054321");
    EXPECT_EQ(state["taxcode"], 2);
    ASSERT_EQ(korvex3_get_fd(handle, kTimeout, R"({"fd_doc_id":1})", out), 0);
    EXPECT_EQ(parsed(out)["data"]["kkt_regnum"], "0000000002054321    ");

    ASSERT_EQ(korvex3_fremu_enter(handle, kTimeout, out), 0);
    EXPECT_EQ(run(korvex3_fremu_open_shift, R"({"user_id":1})")["response"], 0);
}

TEST_F(RegistrationTest, FiscalWorkWaitsForRegistration)
{
    const char* out = nullptr;
    ASSERT_EQ(korvex3_fremu_enter(handle, kTimeout, out), 0);
    EXPECT_EQ(run(korvex3_fremu_open_shift, R"({"user_id":1})")["response"], 30);
}

TEST_F(RegistrationTest, RefusedOpeningStopsTheSequence)
{
    simulator.withState([](korvex::sim::RegisterState& s) { s.fiscal.archiveClosed = true; });
    const char* out = nullptr;
    korvex3_u32 task = 0;
    ASSERT_EQ(korvex3_fremu_registration(handle, kTimeout, task, kRegistration, out), 0);
    EXPECT_EQ(parsed(out)["response"], 34);
    EXPECT_EQ(task, 0u);
}

}  // namespace
}  // namespace e2e
