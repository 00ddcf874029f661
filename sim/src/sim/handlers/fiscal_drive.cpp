// Reading the fiscal drive: its state, a document's record and a document's items by tag.
#include <algorithm>

#include "sim/handlers/fields.h"
#include "sim/handlers/handlers.h"
#include "sim/handlers/tags.h"
#include "sim/model/document_layouts.h"
#include "sim/response_codes.h"
#include "sim/wire/item_writer.h"

namespace korvex::sim::handlers {
namespace {

inline constexpr std::uint8_t kPhaseReady = 1;     // waiting for registration
inline constexpr std::uint8_t kPhaseFiscal = 3;
inline constexpr std::uint8_t kPhaseArchive = 7;   // fiscal archive closed
inline constexpr std::uint32_t kDriveLife = 3 * 365 * 24 * 3600;

std::uint8_t phaseOf(const FiscalSetup& fiscal)
{
    if (fiscal.archiveClosed)
        return kPhaseArchive;
    return fiscal.registered ? kPhaseFiscal : kPhaseReady;
}

}  // namespace

Reply getFd(Context& c, const Request& r)
{
    const std::optional<std::uint64_t> number = numberField(r.fields, tag::kFdDocId);
    if (!number)
        return Reply::error(response::kBadParameter);
    const FiscalDocument* document = c.state.drive.find(std::uint32_t(*number));
    if (!document)
        return Reply::error(response::kNoFiscalDocument);
    ItemWriter items;
    items.u8(tag::kFdDocType, document->type).bytes(tag::kFdDocData, documentRecord(*document));
    return Reply::ok(items.data());
}

Reply getFdState(Context& c, const Request&)
{
    const RegisterState& s = c.state;
    const Waiting waiting = s.drive.waiting();
    ItemWriter items;
    items.text(tag::kFdSerial, s.fiscal.fdSerial)
        .u32(tag::kFdLastDate, s.drive.lastDate())
        .u32(tag::kFdLastDoc, s.drive.lastNumber())
        .u8(tag::kFdFlags, 0)
        .u8(tag::kFdPhase, phaseOf(s.fiscal))
        .u16(tag::kShiftId, s.shift.number)
        .u16(tag::kShiftDocNumber, s.shift.receipts)
        .u8(tag::kFdShiftState, s.shift.open ? 1 : 0)
        .u16(tag::kFdWaiting, std::min<std::uint32_t>(waiting.count, 0xFFFF))
        .u32(tag::kFdWaitingDocument, waiting.firstNumber)
        .u32(tag::kFdWaitingDate, waiting.firstDate)
        .u32(tag::kFdExpired, s.fiscal.registrationDate == 0 ? 0 : s.fiscal.registrationDate + kDriveLife)
        .u8(tag::kFdRegLeft, s.fiscal.registrationsLeft)
        .u8(tag::kFdRegCount, s.fiscal.registrations)
        .u32(tag::kFdRegDocument, s.fiscal.registrationDocument)
        .u32(tag::kFdRegDate, s.fiscal.registrationDate)
        .u8(tag::kFfdVersion, s.identity.ffdVersion)
        .u8(tag::kKktFfdVersion, s.identity.ffdVersion);
    return Reply::ok(items.data());
}

Reply getFdTag(Context& c, const Request& r)
{
    const std::optional<std::uint64_t> number = numberField(r.fields, tag::kFdDocId);
    const std::optional<std::uint64_t> fdTag = numberField(r.fields, tag::kFdTag);
    if (!number || !fdTag)
        return Reply::error(response::kBadParameter);
    const FiscalDocument* document = c.state.drive.find(std::uint32_t(*number));
    if (!document)
        return Reply::error(response::kNoFiscalDocument);
    // Tag 0 asks for the whole document; any other tag for its items.
    const QByteArray bytes = *fdTag == 0 ? documentTlv(*document, c.state.fiscal.fdSerial)
                                         : documentItems(*document, c.state.fiscal.fdSerial, std::uint16_t(*fdTag));
    if (bytes.isEmpty())
        return Reply::error(response::kNoSuchTag);
    return Reply::ok(ItemWriter().bytes(tag::kFdDocData, bytes).data());
}

}  // namespace korvex::sim::handlers
