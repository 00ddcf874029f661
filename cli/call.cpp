#include "call.h"

namespace korvex3_cli {

namespace {

// Copies the text out at once: it belongs to the connection and goes with korvex3_close.
std::optional<std::string> copied(const char* text)
{
    return text ? std::optional<std::string>(text) : std::nullopt;
}

struct Caller {
    int handle;
    korvex3_u16 timeout;
    const Request& request;

    Outcome operator()(InfoFunction f) const
    {
        const char* out = nullptr;
        const int code = f(handle, timeout, out);
        return {code, copied(out), std::nullopt};
    }
    Outcome operator()(JsonFunction f) const
    {
        const char* out = nullptr;
        const int code = f(handle, timeout, request.json.c_str(), out);
        return {code, copied(out), std::nullopt};
    }
    Outcome operator()(TaskJsonFunction f) const
    {
        const char* out = nullptr;
        korvex3_u32 taskId = 0;
        const int code = f(handle, timeout, taskId, request.json.c_str(), out);
        return {code, copied(out), taskId};
    }
    Outcome operator()(TaskFunction f) const
    {
        const char* out = nullptr;
        korvex3_u32 taskId = 0;
        const int code = f(handle, timeout, taskId, out);
        return {code, copied(out), taskId};
    }
    Outcome operator()(SilentFunction f) const { return {f(handle, timeout), std::nullopt, std::nullopt}; }
    Outcome operator()(QueryFunction f) const
    {
        const char* out = nullptr;
        const int code = f(handle, timeout, request.task, out);
        return {code, copied(out), std::nullopt};
    }
};

}  // namespace

Outcome call(const Subcommand& command, int handle, korvex3_u16 timeout, const Request& request)
{
    return std::visit(Caller{handle, timeout, request}, command.function);
}

}  // namespace korvex3_cli
