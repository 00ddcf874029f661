#pragma once
// Code 228: asks the register to check a marking code with the item's planned status and
// quantity; the outcome is read later with the status query of the reported task id.

#include "link/command.h"

class KORVEX3_EXPORT CommandQueryMarking : public Command {
public:
    using Command::Command;
    int prepare() override;
};
