#pragma once
// Code 402: stores goods records (`list` of record objects), optionally clearing the database
// first (delete_before). Records go out in descending goods_id order.

#include "link/command.h"

class KORVEX3_EXPORT CommandWriteGoods : public Command {
public:
    using Command::Command;
    int prepare() override;
    // {goods_id, response} per `item` record, last record of the reply first; null without records.
    Json parse(const QByteArray& body) override;
};
