#pragma once
// Code 18: sets the register's clock to date_time (Unix seconds). Never refuses its input:
// without a usable date_time the request goes out empty.

#include "link/command.h"

class KORVEX3_EXPORT CommandSetDateTime : public Command {
public:
    using Command::Command;
    int prepare() override;
};
