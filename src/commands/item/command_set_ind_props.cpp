#include "commands/item/command_set_ind_props.h"

#include "commands/builder_options.h"
#include "commands/member_fields.h"

using korvex::Encoding;

namespace {
constexpr quint16 kCode = 226;
constexpr quint16 kFoivIdent = 154;
// The authorities that issue industry attributes are numbered 1 to 72.
constexpr int kFirstFoiv = 1, kLastFoiv = 72;
}  // namespace

int CommandSetIndProps::prepare()
{
    korvex::RequestBuilder b(*this, "set industry props begin", korvex::parsedInputLogged());
    if (b.isNull())
        return b.nullResult();

    const int foiv = b.number(kFoivIdent);
    b.require(foiv >= kFirstFoiv && foiv <= kLastFoiv, kFoivIdent);
    b.writeNumber(kFoivIdent, foiv);
    korvex::writeMembers(b, {{155},                     // ind_prop_docdate
                             {156, Encoding::Cp1251},   // ind_prop_docnumber
                             {157, Encoding::Cp1251}}); // ind_prop_value
    return b.finish(kCode);
}
