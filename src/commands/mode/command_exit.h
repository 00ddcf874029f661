#pragma once
// Code 202: leave the fiscal-registrar emulation mode. No payload.

#include "link/command.h"

class KORVEX3_EXPORT CommandExit : public Command {
public:
    using Command::Command;
    int prepare() override;
};
