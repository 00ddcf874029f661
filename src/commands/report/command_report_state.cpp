#include "commands/report/command_report_state.h"

#include "commands/builder_options.h"

int CommandReportState::prepare()
{
    return korvex::RequestBuilder(*this, "report state begin", korvex::inputIgnored()).finish(214);
}
