#pragma once
// Everything the simulated register knows. One instance per simulator, guarded by its lock.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <QByteArray>

#include "sim/model/fiscal_document.h"
#include "sim/model/fiscal_drive.h"
#include "sim/model/goods.h"
#include "sim/model/receipt.h"
#include "sim/model/shift.h"
#include "sim/model/tasks.h"

namespace korvex::sim {

struct Identity {
    std::string serial = "0123456789";
    std::uint16_t version = 0x1005;  // 1.5
    std::uint16_t build = 37;
    std::uint16_t flags = 0;         // bit 0 debug build, bit 1 wifi, bit 2 kz
    std::uint8_t flashBank = 1;
    std::uint16_t flashSize = 4096;
    std::uint16_t goodsCapacity = 1000;
    std::uint32_t bootVersion = 0x00010002;
    std::uint8_t lineLength = 48;
    std::uint8_t ffdVersion = 4;     // FFD 1.2
};

struct FiscalSetup {
    bool registered = true;
    bool archiveClosed = false;
    std::string fdSerial = "9999078900012345";
    std::string regnum = "0000000001012345";
    std::uint8_t fdMode = 0;
    std::uint8_t fdExtMode = 0;
    std::uint8_t taxcode = 1;
    std::uint8_t agents = 0;
    std::string companyName = "ООО \"Ромашка\"";
    std::string companyInn = "7700000009";
    std::string saleAddress = "г. Москва, ул. Тверская, д. 1";
    std::string saleLocation = "Торговый зал";
    std::string ofdName = "ООО \"Оператор\"";
    std::string ofdInn = "7700000009";
    std::string fnsSite = "www.nalog.gov.ru";
    std::string senderEmail = "kkt@example.com";
    std::string automatNumber;
    std::uint8_t registrationsLeft = 29;
    std::uint8_t registrations = 1;
    std::uint32_t registrationDocument = 0;
    std::uint32_t registrationDate = 0;
};

// Attributes of a registration between 215 and 217; each step is its own connection.
struct RegistrationDraft {
    std::map<std::uint16_t, std::string> texts;  // tag -> UTF-8 text of a long attribute
};

struct RegisterState {
    Identity identity;
    FiscalSetup fiscal;
    std::int64_t clockOffset = 0;    // seconds added to the host's clock
    bool emulation = false;
    std::uint32_t keepAlive = 0;     // last keep-alive value, the register's unit
    Shift shift;
    std::optional<Receipt> receipt;  // the open document
    std::optional<RegistrationDraft> registration;
    FiscalDrive drive;
    GoodsDatabase goods;
    Tasks tasks;
    QByteArray configuration;        // the configuration block, read in pages
};

// Seconds since 1970 by the register's clock.
std::uint32_t registerTime(const RegisterState& state);

}  // namespace korvex::sim
