// A day at the cash desk as a host program lives it, through the exported functions.
#include "e2e/e2e_fixture.h"

namespace e2e {
namespace {

using WholeDayTest = HostTest;

TEST_F(WholeDayTest, OpenSellReadBackReportAndClose)
{
    const char* out = nullptr;
    ASSERT_EQ(korvex3_get_info(handle, kTimeout, out), 0);
    EXPECT_EQ(parsed(out)["data"]["serial"], "0123456789");
    EXPECT_EQ(parsed(out)["data"]["version"], "1.5.37 lan");
    ASSERT_EQ(korvex3_fremu_enter(handle, kTimeout, out), 0);
    EXPECT_EQ(parsed(out)["response"], 0);

    EXPECT_EQ(run(korvex3_fremu_open_shift, R"({"user_name":"Кассир"})")["response"], 0);
    EXPECT_EQ(run(korvex3_fremu_open_doc, R"({"doc_kind":1,"user_name":"Кассир"})")["response"], 0);
    EXPECT_EQ(run(korvex3_fremu_add_item,
                  R"({"tax_id":1,"price":1000000,"quant":20000,"intcode":"M1","name":"Молоко"})")["response"], 0);
    EXPECT_EQ(run(korvex3_fremu_add_item,
                  R"({"tax_id":3,"price":123400,"quant":15000,"intcode":"B2","name":"Хлеб"})")["response"], 0);
    EXPECT_EQ(run(korvex3_fremu_close_doc, R"({"cash":2500000})")["response"], 0);

    Json status = waitFor(lastTask);
    ASSERT_EQ(status["response"], 0);
    Json& done = status["data"];
    EXPECT_EQ(done["fd_number"], 2);
    EXPECT_EQ(done["sales"]["check_count"], 1);
    EXPECT_EQ(done["sales"]["check_total"], 2185100);
    EXPECT_EQ(done["shift_cash"], 2185100);

    ASSERT_EQ(korvex3_get_fd(handle, kTimeout, R"({"fd_doc_id":2})", out), 0);
    Json fd = parsed(out)["data"];
    EXPECT_EQ(fd["fd_doc_type"], 3);
    EXPECT_EQ(fd["fd_number"], 2);
    EXPECT_EQ(fd["fd_sign"], done["fd_sign"]);
    EXPECT_EQ(fd["fd_date"], done["fd_date"]);
    EXPECT_EQ(fd["summa"], 2185100);
    EXPECT_EQ(fd["operation"], 1);

    ASSERT_EQ(korvex3_import_doc(handle, kTimeout, R"({"fd_doc_id":2})", out), 0);
    Json doc = parsed(out)["data"];
    EXPECT_EQ(doc["fd_doc_type"], 3);
    EXPECT_EQ(doc["fd_sign"], done["fd_sign"]);
    EXPECT_EQ(doc["fd_date"], done["fd_date"]);
    EXPECT_EQ(doc["check_total"], 2185100);
    EXPECT_EQ(doc["cash"], 2185100);
    EXPECT_EQ(doc["user_name"], "Кассир");
    ASSERT_EQ(doc["list"].size(), 2u);
    EXPECT_EQ(doc["list"][0]["name"], "Хлеб");  // last position first
    EXPECT_EQ(doc["list"][0]["quant"], 15000);
    EXPECT_EQ(doc["list"][0]["tax_id"], 3);
    EXPECT_EQ(doc["list"][1]["name"], "Молоко");
    EXPECT_EQ(doc["list"][1]["price"], 1000000);
    EXPECT_EQ(doc["list"][1]["tax_id"], 1);

    const char* report = nullptr;
    ASSERT_EQ(korvex3_fremu_report_x(handle, kTimeout, lastTask, report), 0);
    EXPECT_EQ(parsed(report)["response"], 0);
    EXPECT_EQ(waitFor(lastTask)["response"], 0);
    ASSERT_EQ(korvex3_fremu_get_money(handle, kTimeout, out), 0);
    EXPECT_EQ(parsed(out)["data"]["shift_cash"], 2185100);

    ASSERT_EQ(korvex3_write_goods(handle, kTimeout,
                                  R"({"list":[{"goods_id":1,"name":"Молоко","intcode":"M1","item_attr":1,"dept_id":1,"price":1000000},
                                              {"goods_id":2,"name":"Хлеб","intcode":"B2","item_attr":1,"dept_id":1}]})",
                                  out),
              0);
    // Sent in descending order, answered in that order, listed in reverse by the library.
    EXPECT_EQ(parsed(out)["data"], Json::parse(R"([{"goods_id":1,"response":0},{"goods_id":2,"response":0}])"));
    ASSERT_EQ(korvex3_read_goods(handle, kTimeout, R"({"list":[{"goods_id":1}]})", out), 0);
    EXPECT_EQ(parsed(out)["data"][0]["name"], "Молоко");
    EXPECT_EQ(parsed(out)["data"][0]["price"], 1000000);
    ASSERT_EQ(korvex3_delete_goods(handle, kTimeout, R"({"list":[{"goods_id":1}]})", out), 0);
    ASSERT_EQ(korvex3_read_goods(handle, kTimeout, R"({"range":{"goods_id":1}})", out), 0);
    EXPECT_EQ(parsed(out)["data"].size(), 1u);
    EXPECT_EQ(parsed(out)["data"][0]["goods_id"], 2);

    EXPECT_EQ(run(korvex3_fremu_close_shift, R"({"user_name":"Кассир"})")["response"], 0);
    EXPECT_EQ(waitFor(lastTask)["data"]["fd_number"], 3);
    ASSERT_EQ(korvex3_fremu_exit(handle, kTimeout, out), 0);
    EXPECT_EQ(parsed(out)["response"], 0);
}

TEST_F(WholeDayTest, OutOfOrderCommandsGiveTheRegistersCodeWithResultZero)
{
    const char* out = nullptr;
    EXPECT_EQ(run(korvex3_fremu_open_shift, R"({"user_id":1})")["response"], 10);  // not in emulation
    ASSERT_EQ(korvex3_fremu_enter(handle, kTimeout, out), 0);
    EXPECT_EQ(run(korvex3_fremu_add_item, R"({"tax_id":1,"price":1,"quant":1,"intcode":"A","name":"X"})")["response"], 14);
    EXPECT_EQ(run(korvex3_fremu_close_shift, R"({"user_id":1})")["response"], 12);
    EXPECT_EQ(run(korvex3_fremu_open_shift, R"({"user_id":1})")["response"], 0);
    EXPECT_EQ(run(korvex3_fremu_open_shift, R"({"user_id":1})")["response"], 11);
    EXPECT_EQ(run(korvex3_fremu_open_doc, R"({"doc_kind":1,"user_id":1})")["response"], 0);
    EXPECT_EQ(run(korvex3_fremu_add_item, R"({"tax_id":1,"price":1000000,"quant":10000,"intcode":"A","name":"X"})")["response"], 0);
    EXPECT_EQ(run(korvex3_fremu_close_doc, R"({"cash":500000})")["response"], 15);
    EXPECT_EQ(run(korvex3_fremu_close_doc, R"({"cash":1000000})")["response"], 0);
    ASSERT_EQ(korvex3_fremu_query(handle, kTimeout, 999, out), 0);
    EXPECT_EQ(parsed(out)["response"], 20);
}

}  // namespace
}  // namespace e2e
