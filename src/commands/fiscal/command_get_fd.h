#pragma once
// Code 102: one fiscal document of the fiscal drive by its number (fd_doc_id), decoded.

#include "link/command.h"

class KORVEX3_EXPORT CommandGetFd : public Command {
public:
    using Command::Command;
    int prepare() override;
    // fd_doc_type, then the members of the document record (item 21); null without item 19.
    Json parse(const QByteArray& body) override;
    // Adds the decoded members of a document record of type `type` to `object`.
    void parseData(Json& object, int type, const QByteArray& data);
};
