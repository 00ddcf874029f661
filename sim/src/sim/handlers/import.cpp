// The piecewise import of one fiscal document: 404 starts it and returns the first piece,
// each 405 on the same connection the next; the last piece comes with response 5.
#include <algorithm>

#include "sim/handlers/fields.h"
#include "sim/handlers/handlers.h"
#include "sim/handlers/tags.h"
#include "sim/model/document_layouts.h"
#include "sim/response_codes.h"

namespace korvex::sim::handlers {
namespace {

Reply nextPiece(Context& c)
{
    Session& s = c.session;
    const int size = std::max(1, c.settings.importPieceSize);
    // An endless transfer hands out its first piece again and again, never the last.
    if (s.importEndless)
        return Reply::ok(s.importDocument.left(size));
    const QByteArray piece = s.importDocument.mid(s.importOffset, size);
    s.importOffset += piece.size();
    if (s.importOffset < s.importDocument.size())
        return Reply::ok(piece);
    s.importActive = false;
    return Reply{response::kLastPiece, 0, piece};
}

}  // namespace

Reply importBegin(Context& c, const Request& r)
{
    const std::uint32_t number = std::uint32_t(numberOr(r.fields, tag::kFdDocId, 0));
    // Number 0 names the last document.
    const FiscalDocument* document = number == 0 ? c.state.drive.last() : c.state.drive.find(number);
    c.session.importActive = false;
    if (!document)
        return Reply::error(response::kNoFiscalDocument);
    c.session.importDocument = documentTlv(*document, c.state.fiscal.fdSerial);
    c.session.importOffset = 0;
    c.session.importActive = true;
    c.session.importEndless = c.faults.takeEndlessMore();
    return nextPiece(c);
}

Reply importNext(Context& c, const Request&)
{
    if (!c.session.importActive)
        return Reply::error(response::kNoImport);
    return nextPiece(c);
}

}  // namespace korvex::sim::handlers
