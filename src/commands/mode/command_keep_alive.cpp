#include "commands/mode/command_keep_alive.h"

#include "commands/builder_options.h"

namespace {
constexpr quint16 kCode = 224;
constexpr quint16 kTagTimeout = 138;
}  // namespace

int CommandKeepAlive::prepare()
{
    korvex::RequestBuilder request(*this, "keep alive begin", korvex::withoutTaskItem());
    if (request.isNull())
        return request.nullResult();
    request.member(kTagTimeout);
    return request.finish(kCode);
}
