#include "commands/report/command_report_x.h"

#include "commands/builder_options.h"
#include "commands/operator_request.h"

namespace {
constexpr quint16 kCode = 208;
constexpr const char* kBeginText = "report x begin";
}  // namespace

int CommandReportX::prepare()
{
    // An empty input is the plain report: nothing is parsed or checked.
    if (input.isEmpty())
        return korvex::RequestBuilder(*this, kBeginText, korvex::inputIgnored()).finish(kCode);
    return korvex::prepareOperatorRequest(*this, kBeginText, kCode, {});
}
