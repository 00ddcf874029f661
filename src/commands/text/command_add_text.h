#pragma once
// Code 218: a text line inside the open document.

#include "link/command.h"

class KORVEX3_EXPORT CommandAddText : public Command {
public:
    using Command::Command;
    int prepare() override;
};
