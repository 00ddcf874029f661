#pragma once
// Code 212: what the register knows about one task (item 53, when the task id is not 0) and
// about the fiscal drive: the task's fiscal document, the shift, drive flags, documents waiting
// for the operator, the document data in Base64, per-operation counters and marking results.

#include "link/command.h"

class KORVEX3_EXPORT CommandQuery : public Command {
public:
    using Command::Command;
    int prepare() override;
    // Each counter block becomes {"check_count":n,"check_total":n}, null when it holds neither.
    Json parse(const QByteArray& body) override;
};
