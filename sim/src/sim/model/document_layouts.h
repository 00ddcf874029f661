#pragma once
// The two forms in which the fiscal drive hands a document out:
//  - the fixed record of the document table (read by number): 13 common bytes (date as
//    year-2000, month, day, hour, minute; number u32; sign u32) and the fields of its type;
//  - the drive's own TLV document (imported in pieces, or read by tag): u16 type, u16 length,
//    then items with the drive's tag numbers, texts in CP866, amounts in kopecks.

#include <cstdint>
#include <string>

#include <QByteArray>

#include "sim/model/fiscal_document.h"

namespace korvex::sim {

QByteArray documentRecord(const FiscalDocument& document);
QByteArray documentTlv(const FiscalDocument& document, const std::string& fdSerial);
// The items of the TLV document with `tag` (each with its header), in document order.
QByteArray documentItems(const FiscalDocument& document, const std::string& fdSerial, std::uint16_t tag);

// Register tax number (1..6) to the drive's tax code, the inverse of the import's mapping.
std::uint8_t fiscalTaxCode(std::uint8_t taxId);

}  // namespace korvex::sim
