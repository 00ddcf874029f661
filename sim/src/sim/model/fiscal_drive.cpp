#include "sim/model/fiscal_drive.h"

#include <QByteArray>

#include "link/crc32.h"
#include "tlv/byte_order.h"

namespace korvex::sim {
namespace {

// Stands in for the drive's cryptographic sign: the same document always gets the same sign.
std::uint32_t signOf(const FiscalDocument& document, const std::string& fdSerial)
{
    QByteArray basis = QByteArray::fromStdString(fdSerial);
    appendLittleEndian(basis, document.number, 4);
    appendLittleEndian(basis, document.date, 4);
    appendLittleEndian(basis, document.type, 2);
    appendLittleEndian(basis, document.total, 8);
    return Crc32(reinterpret_cast<const unsigned char*>(basis.constData()), unsigned(basis.size()));
}

}  // namespace

const FiscalDocument& FiscalDrive::write(FiscalDocument document, std::uint32_t now, const std::string& fdSerial)
{
    document.number = lastNumber() + 1;
    document.date = now - now % 60;
    document.sign = signOf(document, fdSerial);
    documents_.push_back(std::move(document));
    return documents_.back();
}

Waiting FiscalDrive::waiting() const
{
    if (documents_.empty())
        return {};
    return {std::uint32_t(documents_.size()), documents_.front().number, documents_.front().date};
}

const FiscalDocument* FiscalDrive::find(std::uint32_t number) const
{
    if (number == 0 || number > documents_.size())
        return nullptr;
    return &documents_[number - 1];
}

}  // namespace korvex::sim
