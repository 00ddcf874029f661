#include "commands/mode/command_keep_alive.h"

#include "commands/request_builder.h"

namespace {
constexpr quint16 kCode = 224;
constexpr quint16 kTagTimeout = 138;
}  // namespace

int CommandKeepAlive::prepare()
{
    korvex::RequestBuilder::Options options;
    options.taskItem = false;
    korvex::RequestBuilder request(*this, "keep alive begin", options);
    if (request.isNull())
        return request.nullResult();
    request.member(kTagTimeout);
    return request.finish(kCode);
}
