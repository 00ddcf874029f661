#pragma once
// Code 226: an industry attribute: the issuing authority, its document and value.

#include "link/command.h"

class KORVEX3_EXPORT CommandSetIndProps : public Command {
public:
    using Command::Command;
    int prepare() override;
};
