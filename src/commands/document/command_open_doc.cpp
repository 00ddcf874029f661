#include "commands/document/command_open_doc.h"

#include "commands/member_fields.h"
#include "commands/operator_fields.h"

using korvex::Encoding;
using korvex::kTagUserId;
using korvex::kTagUserInn;
using korvex::kTagUserName;

namespace {
constexpr quint16 kCode = 205;
constexpr quint16 kDocKind = 14, kTaxcode = 27, kClientInn = 63, kAdditionalProps = 175;
// The register keeps at most this many bytes of the additional attribute.
constexpr std::size_t kMaxAdditionalPropsBytes = 16;
}  // namespace

int CommandOpenDoc::prepare()
{
    korvex::RequestBuilder b(*this, "open document begin");
    if (b.isNull())
        return b.nullResult();

    b.require(b.member(kDocKind), kDocKind);
    b.member(kTaxcode);
    korvex::writeOperator(b, {kTagUserId, kTagUserName, kTagUserInn}, korvex::InnAlone::Identifies);
    korvex::writeMembers(b, {{62},                         // force_print
                             {61, Encoding::Cp1251}});     // client_contact
    b.checkInn(kClientInn);
    b.member(kClientInn);
    korvex::writeMembers(b, {{64, Encoding::Cp1251},       // client_name
                             {111},                        // correction_kind
                             {112},                        // correction_date
                             {113, Encoding::Cp1251},      // correction_document
                             {114, Encoding::Cp1251}});    // correction_description
    if (b.encoded(kAdditionalProps, Encoding::Cp1251).size() > kMaxAdditionalPropsBytes)
        b.reject(kAdditionalProps);
    b.member(kAdditionalProps, Encoding::Cp1251);
    return b.finish(kCode);
}
