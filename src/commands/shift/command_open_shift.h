#pragma once
// Code 203: opens the shift on behalf of an operator (user_id or user_name required).

#include "link/command.h"

class KORVEX3_EXPORT CommandOpenShift : public Command {
public:
    using Command::Command;
    int prepare() override;
};
