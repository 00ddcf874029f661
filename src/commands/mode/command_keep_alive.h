#pragma once
// Code 224: keeps the emulation mode alive. Item 138 `timeout` (the register's own unit) when
// the input holds a number or boolean under it; never refuses fields, carries no task item.

#include "link/command.h"

class KORVEX3_EXPORT CommandKeepAlive : public Command {
public:
    using Command::Command;
    int prepare() override;
};
