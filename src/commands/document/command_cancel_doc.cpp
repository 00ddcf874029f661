#include "commands/document/command_cancel_doc.h"

#include "commands/builder_options.h"

int CommandCancelDoc::prepare()
{
    korvex::RequestBuilder b(*this, nullptr, korvex::inputIgnored());
    return b.finish(207);
}
