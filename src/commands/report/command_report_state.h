#pragma once
// Code 214: the report on the current state of settlements. Takes no input.

#include "link/command.h"

class KORVEX3_EXPORT CommandReportState : public Command {
public:
    using Command::Command;
    int prepare() override;
};
