#include <set>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "link/crc32.h"
#include "tlv/tag_tables.h"
#include "tlv/tlv_dictionary.h"

namespace {

struct Table {
    const char* name;
    const TLVJsonMapping* rows;
    const TLVDictionary* (*dictionary)();
};

const Table kTables[] = {
    {"NetServerMap", NetServerMap, [] { return static_cast<const TLVDictionary*>(TLVDictionaryFactory::instance()->netServer); }},
    {"ReceiptMap", ReceiptMap, [] { return static_cast<const TLVDictionary*>(TLVDictionaryFactory::instance()->receipt); }},
    {"CloudMap", CloudMap, [] { return static_cast<const TLVDictionary*>(TLVDictionaryFactory::instance()->cloud); }},
};

const Table& table(const char* name)
{
    for (const Table& t : kTables)
        if (std::string(t.name) == name)
            return t;
    throw std::invalid_argument(name);
}

std::vector<TLVJsonMapping> rowsOf(const TLVJsonMapping* rows)
{
    std::vector<TLVJsonMapping> out;
    for (; rows->tag != 0; ++rows)
        out.push_back(*rows);
    return out;
}

// "tag type key\n" for every row: one number that changes with any row of the vocabulary.
quint32 fingerprint(const std::vector<TLVJsonMapping>& rows)
{
    std::string text;
    for (const TLVJsonMapping& row : rows)
        text += std::to_string(row.tag) + " " + std::to_string(row.type) + " " + row.name + "\n";
    return korvex::Crc32(reinterpret_cast<const unsigned char*>(text.data()), unsigned(text.size()));
}

struct Shape {
    const char* table;
    std::size_t rows;
    quint32 fingerprint;
};

TEST(TagTables, HoldTheProtocolVocabulary)
{
    const Shape shapes[] = {
        {"NetServerMap", 169, 0x7A0C2F8Fu},
        {"ReceiptMap", 80, 0x3AB39500u},
        {"CloudMap", 9, 0x1A32659Bu},
    };
    for (const Shape& s : shapes) {
        SCOPED_TRACE(s.table);
        const std::vector<TLVJsonMapping> rows = rowsOf(table(s.table).rows);
        ASSERT_EQ(rows.size(), s.rows);
        std::set<std::string> keys;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            ASSERT_NE(rows[i].name, nullptr) << "tag " << rows[i].tag;
            EXPECT_TRUE(keys.insert(rows[i].name).second) << "repeated key " << rows[i].name;
            EXPECT_TRUE(rows[i].type == 0 || tlv_type::isNumeric(rows[i].type)) << "tag " << rows[i].tag;
            if (i > 0) {
                EXPECT_LT(rows[i - 1].tag, rows[i].tag) << "rows out of ascending order";
            }
        }
        EXPECT_EQ(fingerprint(rows), s.fingerprint) << "a row of the vocabulary changed";
    }
}

struct Row {
    const char* table;
    quint16 tag;
    const char* name;  // "" for a tag the table does not define
    quint16 type;
};

TEST(TLVDictionary, LooksUpTheShippedTables)
{
    const Row rows[] = {
        {"NetServerMap", 1, "version", 2},
        {"NetServerMap", 6, "serial", 0},
        {"NetServerMap", 7, "cmd", 2},
        {"NetServerMap", 8, "response", 2},
        {"NetServerMap", 9, "body", 0},
        {"NetServerMap", 15, "shift_cash", 8},
        {"NetServerMap", 19, "fd_doc_type", 1},
        {"NetServerMap", 20, "fd_doc_id", 4},
        {"NetServerMap", 30, "extended", 4},
        {"NetServerMap", 53, "task_id", 4},
        {"NetServerMap", 54, "flash_bank", 1},
        {"NetServerMap", 57, "boot_version", 4},
        {"NetServerMap", 65, "client_version", 4},
        {"NetServerMap", 100, "fd_error", 1},
        {"NetServerMap", 126, "mark_stamp", 0},
        {"NetServerMap", 129, "goods_id", 2},
        {"NetServerMap", 140, "forbid_print", 1},
        {"NetServerMap", 142, "unit_id", 1},
        {"NetServerMap", 167, "reg_reason_ext", 4},
        {"NetServerMap", 169, "payment_qrcode", 0},
        {"NetServerMap", 175, "additional_props", 0},
        {"ReceiptMap", 100, "datetime", 4},
        {"ReceiptMap", 111, "price", 8},
        {"ReceiptMap", 113, "discount", 8},
        {"ReceiptMap", 116, "dept_id", 1},
        {"ReceiptMap", 118, "receipt_item", 0},
        {"ReceiptMap", 120, "user_id", 1},
        {"ReceiptMap", 128, "correction_date", 2},
        {"ReceiptMap", 170, "global_count", 4},
        {"ReceiptMap", 183, "provider_inn", 0},
        {"CloudMap", 20, "dev_context", 2},
        {"CloudMap", 21, "fd_number", 0},
        {"CloudMap", 27, "goods_count", 4},
        {"CloudMap", 28, "fd_ext_mode", 1},
        // Tags the tables leave out.
        {"NetServerMap", 0, "", 0},
        {"NetServerMap", 55, "", 0},
        {"NetServerMap", 56, "", 0},
        {"NetServerMap", 127, "", 0},
        {"NetServerMap", 128, "", 0},
        {"NetServerMap", 141, "", 0},
        {"NetServerMap", 168, "", 0},
        {"NetServerMap", 176, "", 0},
        {"NetServerMap", 0xFFFF, "", 0},
        {"ReceiptMap", 0, "", 0},
        {"ReceiptMap", 1, "", 0},
        {"ReceiptMap", 99, "", 0},
        {"ReceiptMap", 112, "", 0},
        {"ReceiptMap", 114, "", 0},
        {"ReceiptMap", 115, "", 0},
        {"ReceiptMap", 119, "", 0},
        {"ReceiptMap", 184, "", 0},
        {"CloudMap", 0, "", 0},
        {"CloudMap", 19, "", 0},
        {"CloudMap", 29, "", 0},
    };
    for (const Row& r : rows) {
        const TLVDictionary* dictionary = table(r.table).dictionary();
        const TLVDictionary::TagDef def = dictionary->definition(r.tag);
        EXPECT_EQ(dictionary->name(r.tag), r.name) << r.table << " tag " << r.tag;
        EXPECT_EQ(def.name, r.name) << r.table << " tag " << r.tag;
        EXPECT_EQ(def.type, r.type) << r.table << " tag " << r.tag;
    }
}

TEST(TLVDictionary, FactoryDictionariesHoldEveryRowOfTheirTable)
{
    for (const Table& t : kTables) {
        for (const TLVJsonMapping& row : rowsOf(t.rows)) {
            const TLVDictionary::TagDef def = t.dictionary()->definition(row.tag);
            EXPECT_EQ(def.name, row.name) << t.name << " tag " << row.tag;
            EXPECT_EQ(def.type, row.type) << t.name << " tag " << row.tag;
        }
    }
}

struct OwnTableCase {
    const char* what;
    std::vector<TLVJsonMapping> rows;  // ends with a tag-0 row
    quint16 tag;
    const char* name;
    quint16 type;
};

TEST(TLVDictionary, BuildsFromACallersTable)
{
    const OwnTableCase cases[] = {
        {"repeated tag keeps the last row", {{5, 2, "first"}, {6, 1, "other"}, {5, 8, "second"}, {0, 0, nullptr}}, 5,
         "second", 8},
        {"null name defines the tag with an empty key", {{5, 4, nullptr}, {0, 0, nullptr}}, 5, "", 4},
        {"first row 0 ends the table at once", {{0, 0, nullptr}, {5, 2, "hidden"}, {0, 0, nullptr}}, 5, "", 0},
        {"rows after the terminator are not read", {{1, 2, "one"}, {0, 0, nullptr}, {5, 2, "hidden"}}, 5, "", 0},
    };
    for (const OwnTableCase& c : cases) {
        const TLVDictionary dictionary(c.rows.data());
        const TLVDictionary::TagDef def = dictionary.definition(c.tag);
        EXPECT_EQ(def.name, c.name) << c.what;
        EXPECT_EQ(def.type, c.type) << c.what;
        EXPECT_EQ(dictionary.name(c.tag), c.name) << c.what;
    }
}

TEST(TLVDictionary, NullTableGivesAnEmptyDictionary)
{
    const TLVDictionary dictionary(nullptr);
    for (quint16 tag : {0, 1, 6, 100, 0xFFFF}) {
        EXPECT_EQ(dictionary.name(tag), "");
        EXPECT_EQ(dictionary.definition(tag).type, 0);
    }
}

TEST(TLVDictionaryFactory, BuildsOnceAndHandsOutTheSameDictionaries)
{
    constexpr int kThreads = 8;
    std::vector<TLVDictionarySet*> seen(kThreads);
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i)
        threads.emplace_back([&seen, i] { seen[std::size_t(i)] = TLVDictionaryFactory::instance(); });
    for (std::thread& t : threads)
        t.join();

    TLVDictionarySet* set = TLVDictionaryFactory::instance();
    const TLVDictionarySet copy = *set;
    for (TLVDictionarySet* s : seen)
        EXPECT_EQ(s, set);
    EXPECT_EQ(TLVDictionaryFactory::instance()->netServer, copy.netServer);
    EXPECT_EQ(TLVDictionaryFactory::instance()->receipt, copy.receipt);
    EXPECT_EQ(TLVDictionaryFactory::instance()->cloud, copy.cloud);
    EXPECT_EQ(korvex::deviceDictionary(), copy.netServer);
    EXPECT_EQ(std::set<const TLVDictionary*>({copy.netServer, copy.receipt, copy.cloud}).size(), 3u);
    EXPECT_EQ(copy.netServer->name(6), "serial");
    EXPECT_EQ(copy.receipt->name(100), "datetime");
    EXPECT_EQ(copy.cloud->name(20), "dev_context");
}

}  // namespace
