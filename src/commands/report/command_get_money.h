#pragma once
// Code 210: the cash total of the current shift (shift_cash). No input and no task item.

#include "link/command.h"

class KORVEX3_EXPORT CommandGetMoney : public Command {
public:
    using Command::Command;
    int prepare() override;
    Json parse(const QByteArray& body) override;
};
