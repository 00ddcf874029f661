// The fixed-layout record of a fiscal document, decoded by document type, and the dates in it
// taken as the host's local time.
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "commands/fiscal/command_get_fd.h"
#include "support/frames.h"
#include "support/hex.h"

using namespace testing_support;

namespace {

// Runs the test body under a fixed time zone and puts the host's zone back afterwards.
class FixedZone {
public:
    explicit FixedZone(const char* zone)
    {
        if (const char* old = std::getenv("TZ"))
            saved_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~FixedZone()
    {
        if (saved_)
            setenv("TZ", saved_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> saved_;
};

// 2024-03-15 12:30, number 0x0102 = 258, sign 0xAABBCCDD.
const char* const kHeader = "18 03 0F 0C 1E  02 01 00 00  DD CC BB AA";
const Json kHeaderMembers = {{"fd_date", 1710505800u}, {"fd_number", 258u}, {"fd_sign", 0xAABBCCDDu}};
// "7707083893" and two spaces; "0000000001000001" and four zero bytes.
const char* const kInn = "37 37 30 37 30 38 33 38 39 33 20 20";
const char* const kRegNumber = "30 30 30 30 30 30 30 30 30 31 30 30 30 30 30 31 00 00 00 00";

QByteArray record(std::initializer_list<const char*> parts)
{
    QByteArray all;
    for (const char* part : parts)
        all += hex(part);
    return all;
}

Json withHeader(const Json& further, const Json& more = Json::object())
{
    Json all = kHeaderMembers;
    all.update(further);
    all.update(more);
    return all;
}

struct RecordCase {
    const char* name;
    int type;
    QByteArray record;
    Json members;  // null: nothing added
};

class DocumentRecord : public testing::TestWithParam<RecordCase> {
protected:
    FixedZone utc{"UTC"};
};

TEST_P(DocumentRecord, DecodesTheMembersOfItsType)
{
    CommandGetFd command("127.0.0.1", 1, QString());
    Json decoded;
    command.parseData(decoded, GetParam().type, GetParam().record);
    EXPECT_EQ(decoded, GetParam().members);
}

const Json kRegistration = {{"inn", "7707083893  "}, {"kkt_regnum", "0000000001000001"}, {"taxcode", 1}, {"mode", 0x22}};
const Json kSale = {{"operation", 1}, {"summa", 1000000}};

INSTANTIATE_TEST_SUITE_P(
    Types, DocumentRecord,
    testing::Values(
        RecordCase{"Registration", 1, record({kHeader, kInn, kRegNumber, "01 22"}), withHeader(kRegistration)},
        RecordCase{"ChangedRegistration", 11, record({kHeader, kInn, kRegNumber, "01 22 04"}),
                   withHeader(kRegistration, {{"reason", 4}})},
        RecordCase{"ShiftOpening", 2, record({kHeader, "07 00"}), withHeader({{"shift_number", 7}})},
        RecordCase{"ShiftClosing", 5, record({kHeader, "01 02"}), withHeader({{"shift_number", 0x0201}})},
        RecordCase{"Receipt", 3, record({kHeader, "01 10 27 00 00 00"}), withHeader(kSale)},
        RecordCase{"StrictForm", 4, record({kHeader, "02 FF FF FF FF FF"}),
                   withHeader({{"operation", 2}, {"summa", 0xFFFFFFFFFFull * 100}})},
        RecordCase{"CorrectionReceipt", 31, record({kHeader, "03 00 00 00 00 01"}),
                   withHeader({{"operation", 3}, {"summa", (1ull << 32) * 100}})},
        RecordCase{"CorrectionStrictForm", 41, record({kHeader, "04 01 00 00 00 00"}),
                   withHeader({{"operation", 4}, {"summa", 100}})},
        // The closing report ends after the registration number, whatever follows it.
        RecordCase{"FiscalModeClosing", 6, record({kHeader, kInn, kRegNumber, "01 22"}),
                   withHeader({{"inn", "7707083893  "}, {"kkt_regnum", "0000000001000001"}})},
        // 2023-12-31 23:59.
        RecordCase{"SettlementState", 21, record({kHeader, "05 00 01 00", "17 0C 1F 17 3B"}),
                   withHeader({{"wait_count", 0x10005}, {"first_waiting_date", 1704067140u}})},
        // A text field without a zero byte is taken whole.
        RecordCase{"RegistrationNumberFillsItsField", 6,
                   record({kHeader, kInn, "41 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41 42"}),
                   withHeader({{"inn", "7707083893  "}, {"kkt_regnum", "AAAAAAAAAAAAAAAAAAAB"}})},
        RecordCase{"UnknownType", 7, record({kHeader, "01 02 03 04"}), nullptr},
        // Records shorter than their type needs: only the members whose bytes are all there.
        RecordCase{"ReceiptWithoutAmount", 3, record({kHeader, "01 10 27 00 00"}), withHeader({{"operation", 1}})},
        RecordCase{"RegistrationCutInTheNumber", 1, record({kHeader, kInn, "30 30 30"}),
                   withHeader({{"inn", "7707083893  "}})},
        RecordCase{"ChangedRegistrationWithoutReason", 11, record({kHeader, kInn, kRegNumber, "01 22"}),
                   withHeader(kRegistration)},
        RecordCase{"SettlementStateWithoutDate", 21, record({kHeader, "05 00 00 00", "17 0C 1F 17"}),
                   withHeader({{"wait_count", 5}})},
        RecordCase{"HeaderWithoutSign", 2, record({"18 03 0F 0C 1E  02 01 00 00  DD CC"}),
                   Json{{"fd_date", 1710505800u}, {"fd_number", 258u}}},
        RecordCase{"DateCutShort", 3, record({"18 03 0F 0C"}), nullptr},
        RecordCase{"Empty", 1, QByteArray(), nullptr}),
    [](const testing::TestParamInfo<RecordCase>& info) { return std::string(info.param.name); });

Json parsedDocument(const QByteArray& payload)
{
    CommandGetFd command("127.0.0.1", 1, QString());
    return command.parse(payload);
}

TEST(GetFdParse, PutsTheDocumentTypeBeforeTheRecordMembers)
{
    FixedZone utc("UTC");
    const Json data = parsedDocument(item(19, u8(2)) + item(21, record({kHeader, "07 00"})));
    EXPECT_EQ(data, withHeader({{"fd_doc_type", 2}, {"shift_number", 7}}));
}

TEST(GetFdParse, TypeOutsideTheTableGivesTheTypeOnly)
{
    EXPECT_EQ(parsedDocument(item(19, u8(7)) + item(21, record({kHeader, "01 02"}))), Json({{"fd_doc_type", 7}}));
}

TEST(GetFdParse, ReplyWithoutTypeGivesNull)
{
    EXPECT_TRUE(parsedDocument(item(21, record({kHeader, "07 00"}))).is_null());
}

TEST(GetFdParse, TypeWithoutRecordGivesTheTypeOnly)
{
    EXPECT_EQ(parsedDocument(item(19, u8(3))), Json({{"fd_doc_type", 3}}));
}

// The record's date is wall-clock time where the register stands; the host's zone rules,
// daylight saving included, turn it into Unix seconds.
struct ZoneCase {
    const char* name;
    const char* zone;
    const char* date;
    quint32 seconds;
};

class RecordDateZone : public testing::TestWithParam<ZoneCase> {};

TEST_P(RecordDateZone, IsLocalTimeOfTheHost)
{
    FixedZone zone(GetParam().zone);
    CommandGetFd command("127.0.0.1", 1, QString());
    Json decoded;
    command.parseData(decoded, 2, hex(GetParam().date) + hex("01 00 00 00  00 00 00 00  01 00"));
    EXPECT_EQ(decoded["fd_date"], GetParam().seconds);
}

const char* const kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";

INSTANTIATE_TEST_SUITE_P(
    Zones, RecordDateZone,
    testing::Values(ZoneCase{"Utc", "UTC", "18 07 01 09 05", 1719824700u},
                    ZoneCase{"ThreeHoursEast", "MSK-3", "18 07 01 09 05", 1719824700u - 3 * 3600},
                    ZoneCase{"WinterTime", kCentralEurope, "18 03 0F 0C 1E", 1710505800u - 3600},
                    ZoneCase{"SummerTime", kCentralEurope, "18 07 01 09 05", 1719824700u - 2 * 3600}),
    [](const testing::TestParamInfo<ZoneCase>& info) { return std::string(info.param.name); });

}  // namespace
