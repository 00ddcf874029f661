#pragma once
// Code 201: enter the fiscal-registrar emulation mode. No payload.

#include "link/command.h"

class KORVEX3_EXPORT CommandEnter : public Command {
public:
    using Command::Command;
    int prepare() override;
};
