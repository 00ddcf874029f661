#pragma once
// Code 219: closes the fiscal archive of the fiscal drive on behalf of the operator named by
// the input (user_id and/or user_name, optional user_inn).

#include "link/command.h"

class KORVEX3_EXPORT CommandCloseArchive : public Command {
public:
    using Command::Command;
    int prepare() override;
};
