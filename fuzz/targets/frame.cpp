// Frame checking and taking apart: validate and parse must agree, and never read outside.
#include <cstdlib>

#include "fuzz_input.h"
#include "link/packet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray frame = fuzz::bytes(data, size);
    Packet packet;
    const int checked = Packet::validate(frame);
    if (packet.parse(frame) != checked)
        std::abort();
    if (checked == 0 && packet.body.size() > frame.size())
        std::abort();
    return 0;
}
