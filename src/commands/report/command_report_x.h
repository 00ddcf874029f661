#pragma once
// Code 208: the X-report. Without input it is asked for plainly; with input the input names
// the operator (user_id and/or user_name, optional user_inn).

#include "link/command.h"

class KORVEX3_EXPORT CommandReportX : public Command {
public:
    using Command::Command;
    int prepare() override;
};
