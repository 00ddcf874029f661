#pragma once
// Code 6: how the register is set up for fiscal work (drive, modes, organisation, clock).

#include "link/command.h"

class KORVEX3_EXPORT CommandGetState : public Command {
public:
    using Command::Command;
    int prepare() override;
    Json parse(const QByteArray& body) override;
};
