#pragma once
// Result codes of every libkorvex3 call. The register's own codes are never among them:
// they travel as "response" and "extended" inside the result text, with result 0.

namespace korvex3 {

enum ResultCode : int {
    kOk = 0,                 // success (korvex3_open returns a positive handle instead)
    kNoHandle = -1,          // the handle names no open connection
    kNoConnection = -2,      // no TCP connection within 30000 ms
    kNotSent = -3,           // the request was not written in full
    kNoReply = -4,           // no reply data within the time-out
    kBadCrc = -6,            // the reply's CRC-32 does not match
    kBadMagic = -7,          // the reply does not start with EF BE
    kInvalidFields = -8,     // input refused; the result text (where handed out) lists the keys
    kNullInput = -9,         // the input is the JSON value null; nothing was sent
    kInvalidAddress = -10,   // korvex3_open: the address is not a valid host[:port]
    kReplyOverLimit = -11,   // a multi-part reply grew past what the protocol can hold
};

// A plain-words description of a result code, for messages to people.
inline const char* describe(int code)
{
    switch (code) {
    case kOk: return "success";
    case kNoHandle: return "the handle names no open connection";
    case kNoConnection: return "no TCP connection within 30000 ms";
    case kNotSent: return "the request was not written in full";
    case kNoReply: return "no reply within the time-out";
    case kBadCrc: return "the reply's CRC does not match";
    case kBadMagic: return "the reply does not start with the magic EF BE";
    case kInvalidFields: return "input fields refused";
    case kNullInput: return "the input is the JSON value null";
    case kInvalidAddress: return "invalid address";
    case kReplyOverLimit: return "the register's multi-part reply broke the protocol's limits";
    default: return code > 0 ? "connection handle" : "unknown result code";
    }
}

}  // namespace korvex3
