#include "link/status_envelope.h"

#include "link/frame_format.h"
#include "link/packet.h"
#include "tlv/json.h"
#include "tlv/tlv_dictionary.h"

namespace korvex {

QByteArray statusEnvelope(const Packet& reply)
{
    const TLVDictionary* dictionary = deviceDictionary();
    Json result = Json::object();
    result[dictionary->name(frame::kTagResponse)] = reply.response;
    result[dictionary->name(frame::kTagExtended)] = reply.extended;
    return QByteArray::fromStdString(compact(result));
}

}  // namespace korvex
