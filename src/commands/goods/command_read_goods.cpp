#include "commands/goods/command_read_goods.h"

#include "commands/goods/goods_fields.h"
#include "commands/goods/goods_selection.h"
#include "tlv/reply_fields.h"

using namespace korvex::goods;
using korvex::Text;

int CommandReadGoods::prepare()
{
    return korvex::prepareGoodsSelection(*this, "read goods begin", 401);
}

Json CommandReadGoods::parse(const QByteArray& body)
{
    return korvex::convertRecords(body, kItem,
                                  {{kGoodsId}, {kName, Text::Cp1251}, {kIntCode, Text::Cp1251}, {kBarcode},
                                   {kUnit, Text::Cp1251}, {kPrice}, {kExcise}, {kItemAttr}, {kItemAttrExt},
                                   {kDeptId}, {kResponse}});
}
