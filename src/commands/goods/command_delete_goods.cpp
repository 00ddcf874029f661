#include "commands/goods/command_delete_goods.h"

#include "commands/goods/goods_selection.h"

int CommandDeleteGoods::prepare()
{
    return korvex::prepareGoodsSelection(*this, "delete goods begin", 403);
}
