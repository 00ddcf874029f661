#pragma once
// The request builder's option sets that commands name, so that a prepare() says which input
// log it writes instead of spelling out a positional aggregate.

#include "commands/request_builder.h"

namespace korvex {

// Logs the input text as received, before the null check.
inline RequestBuilder::Options rawInputLogged()
{
    RequestBuilder::Options options;
    options.logRawInput = true;
    return options;
}

// Logs the parsed input as compact JSON, after the null check.
inline RequestBuilder::Options parsedInputLogged()
{
    RequestBuilder::Options options;
    options.logParsedInput = true;
    return options;
}

// The input is not read at all; the payload is the task item alone.
inline RequestBuilder::Options inputIgnored()
{
    RequestBuilder::Options options;
    options.parse = false;
    return options;
}

// `options` without the task item, for commands whose requests never carry one.
inline RequestBuilder::Options withoutTaskItem(RequestBuilder::Options options = {})
{
    options.taskItem = false;
    return options;
}

}  // namespace korvex
