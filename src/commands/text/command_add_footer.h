#pragma once
// Code 225: a footer text; the register decides where it goes.

#include "link/command.h"

class KORVEX3_EXPORT CommandAddFooter : public Command {
public:
    using Command::Command;
    int prepare() override;
};
