#pragma once
// Code 220: prints a stored fiscal document again by its number.

#include "link/command.h"

class KORVEX3_EXPORT CommandPrintDoc : public Command {
public:
    using Command::Command;
    int prepare() override;
};
