#pragma once
// The one pattern behind every exported device function: look the handle up (-1 leaves the
// out-parameters untouched), build the command, take the task id, run, hand the text out by
// the function's rule, report the task id, destroy the command (closing its connection).

#include <functional>
#include <memory>

#include "api/connection_info.h"
#include "link/command.h"

namespace korvex::api {

// S: the text only on result 0. T: whenever there is a text (also the -8 error list).
// TR: T, and "result: <code>" is logged when no text is handed out.
enum class Out { S, T, TR };

struct Call {
    enum class Task { None, Counter, Fixed };

    int handle = 0;
    quint16 timeout = 0;
    const char* json = nullptr;  // null counts as empty text
    Task task = Task::None;
    quint32 fixedTask = 0;
    quint32* taskIdOut = nullptr;  // written for Task::Counter
    const char** out = nullptr;    // null: the result text is dropped
    Out rule = Out::S;
};

using CommandFactory = std::function<std::unique_ptr<Command>(const ConnectionInfo&)>;

int execute(const Call& call, const CommandFactory& make);

template <typename C, typename... Extra>
CommandFactory factory(Extra... extra)
{
    return [=](const ConnectionInfo& c) { return std::make_unique<C>(c.host, c.port, c.serial, extra...); };
}

// Task id 0, input `json` (none when null), result text by `rule`.
template <typename C, typename... Extra>
int plain(int handle, quint16 timeout, const char* json, const char*& out, Out rule, Extra... extra)
{
    Call call{handle, timeout, json, Call::Task::None, 0, nullptr, &out, rule};
    return execute(call, factory<C>(extra...));
}

// Task id from the connection's counter, reported through taskId.
template <typename C>
int counted(int handle, quint16 timeout, quint32& taskId, const char* json, const char*& out, Out rule)
{
    Call call{handle, timeout, json, Call::Task::Counter, 0, &taskId, &out, rule};
    return execute(call, factory<C>());
}

// The caller's task id; no counter is touched.
template <typename C>
int withTask(int handle, quint16 timeout, quint32 task, const char*& out)
{
    Call call{handle, timeout, nullptr, Call::Task::Fixed, task, nullptr, &out, Out::S};
    return execute(call, factory<C>());
}

// No input and no result text: only the result code reaches the caller.
template <typename C>
int silent(int handle, quint16 timeout)
{
    Call call{handle, timeout, nullptr, Call::Task::None, 0, nullptr, nullptr, Out::S};
    return execute(call, factory<C>());
}

}  // namespace korvex::api
