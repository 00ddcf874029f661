#include "commands/marking/command_query_marking.h"

#include "commands/request_builder.h"

using korvex::Encoding;

namespace {
constexpr quint16 kCode = 228;
constexpr quint16 kMarkStamp = 126, kMarkStatus = 163, kQuant = 38, kUnitId = 142;
constexpr quint16 kQuantNumerator = 164, kQuantDenominator = 165, kTimeout = 138;
}  // namespace

int CommandQueryMarking::prepare()
{
    korvex::RequestBuilder b(*this, "query marking begin");
    if (b.isNull())
        return b.nullResult();

    b.require(b.writeText(kMarkStamp, b.text(kMarkStamp), Encoding::Utf8), kMarkStamp);
    b.require(b.member(kMarkStatus), kMarkStatus);
    b.require(b.member(kQuant), kQuant);

    // A fraction of a packed unit: numerator no greater than the denominator, and never
    // combined with a unit of measure.
    const int unit = b.number(kUnitId);
    const unsigned long long numerator = b.number64(kQuantNumerator);
    const unsigned long long denominator = b.number64(kQuantDenominator);
    if (numerator > denominator)
        b.reject(kQuantDenominator);
    if (numerator == 0 && denominator != 0)
        b.reject(kQuantNumerator);
    if (unit != 0 && numerator != 0)
        b.reject(kUnitId);

    b.writeNumber(kUnitId, unit);
    b.writeNumber64(kQuantNumerator, numerator);
    b.writeNumber64(kQuantDenominator, denominator);
    b.member(kTimeout);
    return b.finish(kCode);
}
