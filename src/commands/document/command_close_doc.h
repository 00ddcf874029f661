#pragma once
// Code 209: closes the open receipt document with the amounts paid in each form of payment.

#include "link/command.h"

class KORVEX3_EXPORT CommandCloseDoc : public Command {
public:
    using Command::Command;
    int prepare() override;
};
