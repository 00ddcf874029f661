#pragma once
// Code 205: opens a receipt document: its kind, the operator, the buyer and correction details.

#include "link/command.h"

class KORVEX3_EXPORT CommandOpenDoc : public Command {
public:
    using Command::Command;
    int prepare() override;
};
