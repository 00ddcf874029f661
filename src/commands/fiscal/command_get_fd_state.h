#pragma once
// Code 104: the state of the fiscal drive (serial, last document, shift, waiting documents,
// registrations, format versions).

#include "link/command.h"

class KORVEX3_EXPORT CommandGetFdState : public Command {
public:
    using Command::Command;
    int prepare() override;
    Json parse(const QByteArray& body) override;
};
