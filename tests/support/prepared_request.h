#pragma once
// A command's request as prepare() alone builds it: no connection is needed to see what
// would be sent. The frame is taken apart by the test's own reader (support/frames.h).
//
//   Prepared<CommandGetFd> p(R"({"fd_doc_id":5})");
//   EXPECT_EQ(p.result, 0); EXPECT_EQ(p.code(), 102); EXPECT_EQ(p.payload(), "14 00 04 00 05 00 00 00");

#include <cstdint>
#include <string>

#include <QByteArray>
#include <QString>

#include "support/frames.h"
#include "support/hex.h"

namespace testing_support {

template <typename C>
struct Prepared {
    explicit Prepared(const QByteArray& input, quint32 task = 0) : command("127.0.0.1", 1, QString("SN1"))
    {
        command.input = input;
        command.taskId = task;
        result = command.prepare();
    }
    std::uint16_t code() const { return commandOf(command.request); }
    // The payload (item 9 of the frame) as spaced upper-case hex; empty without one.
    std::string payload() const { return toHex(payloadOf(command.request)); }
    std::string output() const { return command.output.toStdString(); }
    bool framed() const { return !command.request.isEmpty(); }

    C command;
    int result = -100;
};

}  // namespace testing_support
