#pragma once
// Code 217: completes a registration with its short attributes (the long ones went before as
// items of code 216). company_inn and ofd_inn must be valid Russian taxpayer numbers or empty.

#include "link/command.h"

class KORVEX3_EXPORT CommandRegistration : public Command {
public:
    using Command::Command;
    int prepare() override;
};
