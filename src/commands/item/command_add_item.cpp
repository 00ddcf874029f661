#include "commands/item/command_add_item.h"

#include <algorithm>

#include "commands/builder_options.h"
#include "commands/member_fields.h"

using korvex::Encoding;

namespace {
constexpr quint16 kCode = 206;
constexpr quint16 kDeptId = 36, kTaxId = 51, kPrice = 37, kQuant = 38, kIntcode = 40, kName = 41;
// Longer names are cut, not refused: the register prints at most this many bytes.
constexpr std::size_t kMaxNameBytes = 128;
}  // namespace

int CommandAddItem::prepare()
{
    korvex::RequestBuilder b(*this, "add item begin", korvex::rawInputLogged());
    if (b.isNull())
        return b.nullResult();

    // Either the department or the tax rate is enough.
    const int dept = b.number(kDeptId);
    const int tax = b.number(kTaxId);
    if (dept == 0 && tax == 0) {
        b.reject(kDeptId);
        b.reject(kTaxId);
    }
    if (dept != 0)
        b.writeNumber(kDeptId, dept);
    if (tax != 0)
        b.writeNumber(kTaxId, tax);

    b.require(b.member(kPrice), kPrice);
    b.require(b.member(kQuant), kQuant);
    korvex::writeMembers(b, {{137},   // excise
                             {117},   // tax_value
                             {39}});  // item_disc_abs
    b.require(b.member(kIntcode, Encoding::Cp1251), kIntcode);

    std::string name = b.encoded(kName, Encoding::Cp1251);
    name.resize(std::min(name.size(), kMaxNameBytes));
    b.require(b.writeBytes(kName, QByteArray::fromStdString(name)), kName);

    korvex::writeMembers(b, {{77},                       // payment_method
                             {118},                      // item_attr
                             {119},                      // item_attr_ext
                             {121},                      // mark_type
                             {122, Encoding::Cp1251},    // gtin
                             {123, Encoding::Cp1251},    // mark_serial
                             {126},                      // mark_stamp
                             {142},                      // unit_id
                             {143},                      // country
                             {166, Encoding::Cp1251},    // gtd
                             {165},                      // quant_denominator, before the numerator
                             {164},                      // quant_numerator
                             {163},                      // mark_status
                             {173},                      // mark_online_type
                             {138}});                    // timeout
    return b.finish(kCode);
}
