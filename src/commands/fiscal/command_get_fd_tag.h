#pragma once
// Code 105: the raw content of one part (fd_tag) of a fiscal document (fd_doc_id), as Base64.

#include "link/command.h"

class KORVEX3_EXPORT CommandGetFdTag : public Command {
public:
    using Command::Command;
    int prepare() override;
    // {"base64": standard Base64 of item 21}; null when the reply has no such bytes.
    Json parse(const QByteArray& body) override;
};
