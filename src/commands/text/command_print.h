#pragma once
// Code 211: a text printed on its own, outside any document.

#include "link/command.h"

class KORVEX3_EXPORT CommandPrint : public Command {
public:
    using Command::Command;
    int prepare() override;
};
