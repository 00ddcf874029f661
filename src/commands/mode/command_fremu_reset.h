#pragma once
// Code 223: reset the emulation. No payload.

#include "link/command.h"

class KORVEX3_EXPORT CommandFremuReset : public Command {
public:
    using Command::Command;
    int prepare() override;
};
