#pragma once
// Code 213: the agent and supplier details of the items that follow.

#include "link/command.h"

class KORVEX3_EXPORT CommandSetAgent : public Command {
public:
    using Command::Command;
    int prepare() override;
};
