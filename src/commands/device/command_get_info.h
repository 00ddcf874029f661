#pragma once
// Code 1: what the register is (serial, firmware version text, memory, goods capacity).

#include "link/command.h"

class KORVEX3_EXPORT CommandGetInfo : public Command {
public:
    using Command::Command;
    int prepare() override;
    // `version` is always set: "major.minor.build" from items 1 and 2, then "d" (flag bit 0),
    // " wifi" or " lan" (bit 1), " kz" (bit 2) from item 3.
    Json parse(const QByteArray& body) override;
};
