#pragma once
// A misbehaviour the simulator can be told to show, for the next `count` occasions.

#include <chrono>

namespace korvex::sim {

enum class FaultKind {
    // What happens to a reply on its way out (one occasion = one reply).
    kDelay,             // the reply is written `pause` late
    kSplit,             // the reply is written in `pieces` pieces (0: byte by byte), `pause` apart
    kBadCrc,            // the last CRC byte is flipped
    kBadMagic,          // the magic is wrong, the CRC matches the changed bytes
    kSilent,            // no reply; the connection stays open
    kCloseBeforeReply,  // the connection is closed instead of replying
    kCloseMidFrame,     // half of the reply, then the connection is closed
    kOverlong,          // four stray bytes follow the frame in the same write
    // What happens to a multi-cycle transfer (one occasion = one import or one config read).
    kEndlessMore,       // import pieces or configuration pages never end
    // What happens to a registration task (one occasion = one of 215, 216, 217).
    kEndlessStatus,     // its status stays "not finished"
};

struct Fault {
    static constexpr int kAlways = -1;

    FaultKind kind = FaultKind::kDelay;
    int count = 1;                          // occasions left; kAlways never runs out
    std::chrono::milliseconds pause{0};     // kDelay, kSplit
    int pieces = 0;                         // kSplit
};

}  // namespace korvex::sim
