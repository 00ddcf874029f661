#pragma once
// Code 403: removes the goods records selected by a list of goods_id or by a range.

#include "link/command.h"

class KORVEX3_EXPORT CommandDeleteGoods : public Command {
public:
    using Command::Command;
    int prepare() override;
};
