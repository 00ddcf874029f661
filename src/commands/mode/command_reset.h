#pragma once
// Code 15: reset the register. No payload.

#include "link/command.h"

class KORVEX3_EXPORT CommandReset : public Command {
public:
    using Command::Command;
    int prepare() override;
};
