#include "import/command_import.h"

#include "commands/request_builder.h"
#include "link/packet.h"
#include "link/status_envelope.h"

namespace {
constexpr quint16 kCodeBegin = 404, kCodeNext = 405;
constexpr quint16 kTagDocId = 20;
constexpr quint16 kResponseMore = 0, kResponseLast = 5;
}  // namespace

CommandImport::CommandImport(const QString& host, quint16 port, const QString& serial, bool escapedText)
    : Command(host, port, serial), escapedText(escapedText)
{
}

int CommandImport::prepare()
{
    if (stage == 0)
        return prepareBeginImport();
    Command::prepare();
    request = Packet::make(kCodeNext, serial, {});
    return korvex3::kOk;
}

int CommandImport::prepareBeginImport()
{
    documentBuffer.clear();
    idleCycles = 0;
    // An empty text means "document 0"; anything else must be a JSON value other than null.
    korvex::RequestBuilder::Options options;
    options.taskItem = false;
    options.parse = !input.isEmpty();
    korvex::RequestBuilder builder(*this, "import doc begin", options);
    if (builder.isNull() || builder.input().is_discarded())
        return korvex3::kInvalidFields;
    builder.writeNumber64(kTagDocId, builder.number64(kTagDocId));
    const int result = builder.finish(kCodeBegin);
    if (result == korvex3::kOk)
        stage = 1;
    return result;
}

int CommandImport::process(bool& more)
{
    Packet packet;
    packet.parse(reply);
    more = false;
    const bool piece = packet.response == kResponseMore || packet.response == kResponseLast;
    if (piece) {
        documentBuffer.append(packet.body);
        if (documentBuffer.size() > kMaxDocumentSize)
            return korvex3::kReplyOverLimit;
    }
    if (packet.response == kResponseMore) {
        idleCycles = packet.body.isEmpty() ? idleCycles + 1 : 0;
        if (idleCycles > kMaxIdleCycles)
            return korvex3::kReplyOverLimit;
        more = true;
        return korvex3::kOk;
    }
    if (packet.response == kResponseLast && !documentBuffer.isEmpty())
        composeDocument();
    else
        output = korvex::statusEnvelope(packet);
    return korvex3::kOk;
}
