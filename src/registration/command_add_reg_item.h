#pragma once
// Code 216: one long registration attribute, {"fd_tag":n,"value":"<Base64>"}, sent after the
// task item as item n holding the decoded bytes. A tag outside 1..65535, or a value that is
// missing, not a string, empty once decoded or longer than 65535 bytes, is refused (-8,
// ["fd_tag"]) without sending.

#include "link/command.h"

class KORVEX3_EXPORT CommandAddRegItem : public Command {
public:
    using Command::Command;
    int prepare() override;
};
