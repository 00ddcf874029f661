#pragma once
// Code 207: cancels the open receipt document; the request carries the task item alone.

#include "link/command.h"

class KORVEX3_EXPORT CommandCancelDoc : public Command {
public:
    using Command::Command;
    int prepare() override;
};
