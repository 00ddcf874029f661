// Each fault of the simulator gives the library's matching result, and the next call on the
// same handle works again.
#include "e2e/e2e_fixture.h"

namespace e2e {
namespace {

using korvex::sim::Fault;
using korvex::sim::FaultKind;

struct FaultCase {
    const char* name;
    Fault fault;
    int result;
};

class FaultResultTest : public HostTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultResultTest, GivesItsResultThenRecovers)
{
    simulator.faults().add(GetParam().fault);
    const char* out = nullptr;
    EXPECT_EQ(korvex3_get_info(handle, 500, out), GetParam().result);
    ASSERT_EQ(korvex3_get_info(handle, kTimeout, out), 0);
    EXPECT_EQ(parsed(out)["data"]["serial"], "0123456789");
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultResultTest,
    ::testing::Values(FaultCase{"late", {FaultKind::kDelay, 1, std::chrono::milliseconds(1500)}, -4},
                      FaultCase{"late_within_timeout", {FaultKind::kDelay, 1, std::chrono::milliseconds(100)}, 0},
                      FaultCase{"byte_by_byte", {FaultKind::kSplit, 1, std::chrono::milliseconds(5), 0}, 0},
                      FaultCase{"three_pieces", {FaultKind::kSplit, 1, std::chrono::milliseconds(50), 3}, 0},
                      FaultCase{"bad_crc", {FaultKind::kBadCrc}, -6},
                      FaultCase{"bad_magic", {FaultKind::kBadMagic}, -7},
                      FaultCase{"silent", {FaultKind::kSilent}, -4},
                      FaultCase{"closed", {FaultKind::kCloseBeforeReply}, -4},
                      FaultCase{"closed_mid_frame", {FaultKind::kCloseMidFrame}, -4},
                      FaultCase{"overlong", {FaultKind::kOverlong}, -6}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HostTest, EndlessImportHitsTheLibrarysLimit)
{
    const char* out = nullptr;
    ASSERT_EQ(korvex3_fremu_enter(handle, kTimeout, out), 0);
    run(korvex3_fremu_open_shift, R"({"user_id":1})");
    simulator.faults().add({FaultKind::kEndlessMore});
    EXPECT_EQ(korvex3_import_doc(handle, kTimeout, R"({"fd_doc_id":1})", out), korvex3::kReplyOverLimit);
    ASSERT_EQ(korvex3_import_doc(handle, kTimeout, R"({"fd_doc_id":1})", out), 0);
    EXPECT_EQ(parsed(out)["data"]["fd_doc_type"], 2);
}

}  // namespace
}  // namespace e2e
