#pragma once
// Code 227: buyer details (birth date, citizenship, identity document, address).

#include "link/command.h"

class KORVEX3_EXPORT CommandSetClientInfo : public Command {
public:
    using Command::Command;
    int prepare() override;
};
