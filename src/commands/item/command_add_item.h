#pragma once
// Code 206: adds one sold item: department or tax, price, quantity, code, name, marking.

#include "link/command.h"

class KORVEX3_EXPORT CommandAddItem : public Command {
public:
    using Command::Command;
    int prepare() override;
};
