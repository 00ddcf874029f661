#pragma once
// Code 215: opens a registration on the register; the payload is the task item alone.

#include "link/command.h"

class KORVEX3_EXPORT CommandBeginRegistration : public Command {
public:
    using Command::Command;
    int prepare() override;
};
