// Free text in the document, text printed on its own and stored documents printed again.
#include "sim/handlers/fields.h"
#include "sim/handlers/handlers.h"
#include "sim/handlers/tags.h"
#include "sim/response_codes.h"

namespace korvex::sim::handlers {
namespace {

inline constexpr int kMaxTexts = 100;

}  // namespace

// Also the footer (225): the register keeps both with the document.
Reply addText(Context& c, const Request& r)
{
    if (!c.state.receipt)
        return Reply::error(response::kNoDocument);
    if (numberOr(r.fields, tag::kTextType, 0) == 0 || !has(r.fields, tag::kText))
        return Reply::error(response::kBadParameter);
    if (c.state.receipt->texts >= kMaxTexts)
        return Reply::error(response::kDocumentFull);
    ++c.state.receipt->texts;
    return Reply::ok();
}

Reply print(Context& c, const Request& r)
{
    if (c.state.receipt)
        return Reply::error(response::kDocumentOpen);
    if (!has(r.fields, tag::kText))
        return Reply::error(response::kBadParameter);
    return Reply::ok();
}

Reply printDoc(Context& c, const Request& r)
{
    if (c.state.receipt)
        return Reply::error(response::kDocumentOpen);
    const std::optional<std::uint64_t> number = numberField(r.fields, tag::kFdNumber);
    const FiscalDocument* document = number ? c.state.drive.find(std::uint32_t(*number)) : c.state.drive.last();
    if (!document)
        return Reply::error(response::kNoFiscalDocument);
    c.fdNumber = document->number;
    return Reply::ok();
}

}  // namespace korvex::sim::handlers
