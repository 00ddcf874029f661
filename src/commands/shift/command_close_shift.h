#pragma once
// Code 204: closes the shift on behalf of an operator (user_name or user_id required).

#include "link/command.h"

class KORVEX3_EXPORT CommandCloseShift : public Command {
public:
    using Command::Command;
    int prepare() override;
};
