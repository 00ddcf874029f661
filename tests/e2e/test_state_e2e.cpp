// The state file of a restarted simulator keeps the fiscal drive, the shift and the goods.
#include <QDir>
#include <QTemporaryDir>

#include "e2e/e2e_fixture.h"

namespace e2e {
namespace {

TEST(StateRestartTest, DayContinuesAfterARestart)
{
    QTemporaryDir folder;
    korvex::sim::Options options = quickRegister();
    options.stateFile = QDir(folder.path()).filePath("register.json").toStdString();
    const char* out = nullptr;
    korvex3_u32 task = 0;
    {
        korvex::sim::Simulator first(options);
        ASSERT_TRUE(first.start());
        const int handle = korvex3_open(first.address().c_str(), kTimeout, out);
        ASSERT_GT(handle, 0);
        ASSERT_EQ(korvex3_fremu_enter(handle, kTimeout, out), 0);
        ASSERT_EQ(korvex3_fremu_open_shift(handle, kTimeout, task, R"({"user_id":1})", out), 0);
        ASSERT_EQ(korvex3_fremu_open_doc(handle, kTimeout, task, R"({"doc_kind":1,"user_id":1})", out), 0);
        ASSERT_EQ(korvex3_fremu_add_item(handle, kTimeout, task,
                                         R"({"dept_id":1,"price":500000,"quant":10000,"intcode":"1","name":"Чай"})", out),
                  0);
        ASSERT_EQ(korvex3_fremu_close_doc(handle, kTimeout, task, R"({"cash":500000})", out), 0);
        ASSERT_EQ(korvex3_write_goods(handle, kTimeout,
                                      R"({"list":[{"goods_id":4,"name":"Чай","intcode":"1","item_attr":1,"dept_id":1}]})",
                                      out),
                  0);
        korvex3_close(handle);
    }
    korvex::sim::Simulator second(options);
    ASSERT_TRUE(second.start());
    const int handle = korvex3_open(second.address().c_str(), kTimeout, out);
    ASSERT_GT(handle, 0);
    ASSERT_EQ(korvex3_import_doc(handle, kTimeout, R"({"fd_doc_id":2})", out), 0);
    EXPECT_EQ(parsed(out)["data"]["list"][0]["name"], "Чай");
    ASSERT_EQ(korvex3_read_goods(handle, kTimeout, R"({"list":[{"goods_id":4}]})", out), 0);
    EXPECT_EQ(parsed(out)["data"][0]["name"], "Чай");
    ASSERT_EQ(korvex3_fremu_enter(handle, kTimeout, out), 0);
    ASSERT_EQ(korvex3_fremu_get_money(handle, kTimeout, out), 0);
    EXPECT_EQ(parsed(out)["data"]["shift_cash"], 500000);
    ASSERT_EQ(korvex3_fremu_close_shift(handle, kTimeout, task, R"({"user_id":1})", out), 0);
    EXPECT_EQ(parsed(out)["response"], 0);  // the shift was still open
    korvex3_close(handle);
}

}  // namespace
}  // namespace e2e
