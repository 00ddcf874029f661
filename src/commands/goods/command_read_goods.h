#pragma once
// Code 401: goods records selected by a list of goods_id or by a range, read back.

#include "link/command.h"

class KORVEX3_EXPORT CommandReadGoods : public Command {
public:
    using Command::Command;
    int prepare() override;
    // One object per `item` record, last record of the reply first; null without records.
    Json parse(const QByteArray& body) override;
};
