// The configuration block, page by page: each reply names the next page until the last.
#include <algorithm>

#include "sim/handlers/fields.h"
#include "sim/handlers/handlers.h"
#include "sim/handlers/tags.h"
#include "sim/response_codes.h"
#include "sim/wire/item_writer.h"

namespace korvex::sim::handlers {

Reply readConfig(Context& c, const Request& r)
{
    Session& s = c.session;
    if (!s.configStarted) {
        s.configStarted = true;
        s.configEndless = c.faults.takeEndlessMore();
    }
    const int pageSize = std::max(1, c.settings.configPageSize);
    const QByteArray& block = c.state.configuration;
    const int pages = std::max(1, int((block.size() + pageSize - 1) / pageSize));
    // Pages count from 1; page 0 asks for the start.
    const int page = std::max<int>(1, int(numberOr(r.fields, tag::kPageStart, 1) & 0xFFFF));
    if (page > pages && !s.configEndless)
        return Reply::error(response::kNoSuchPage);

    ItemWriter items;
    items.u16(tag::kPageCount, pages).u16(tag::kPageSize, pageSize);
    items.bytes(tag::kBinary, block.mid(((page - 1) % pages) * pageSize, pageSize));
    if (s.configEndless)
        items.u16(tag::kPageStart, page % 0xFFFF + 1);  // never 0, so never the end
    else if (page < pages)
        items.u16(tag::kPageStart, page + 1);
    return Reply::ok(items.data());
}

}  // namespace korvex::sim::handlers
