#pragma once
// Registering the register with the tax authority is a conversation, not one command:
// open a registration (215), send each long attribute as an item (216), complete it with the
// short attributes (217). The register works on each of the first steps as a task; the
// sequence asks for the task's status every 200 ms until it has finished.

#include <chrono>
#include <string>

#include <QtGlobal>

#include "api/connection_info.h"
#include "api/export.h"

// What the steps of one registration share.
struct CmdReg {
    // Read time-out of the opening and item steps and of every status query.
    static constexpr quint16 kStepTimeoutMs = 5000;
    static constexpr std::chrono::milliseconds kPollInterval{200};
    // A task still unfinished after this long counts as lost: the step ends with -4.
    static constexpr std::chrono::minutes kWaitLimit{10};

    ConnectionInfo* connection = nullptr;
    quint16 port = 0;
    std::string itemJson;              // {"fd_tag":n,"value":"<Base64>"} of the next item step
    const char* resultText = nullptr;  // kept by the connection; handed out on an early stop
    bool completed = false;            // the last step's task finished with 0/0
    std::chrono::milliseconds waitLimit = kWaitLimit;
};

// The whole conversation. -1 for a null connection, -8 for json that is null, not JSON, or
// holds a field one of the steps would refuse (nothing sent, out and taskId unwritten). A step the register refuses or fails stops the
// sequence with 0 and that verdict's envelope in out; an exchange failure with its code and
// out null. Otherwise out is the completing command's envelope and taskId its task id.
KORVEX3_EXPORT int registration(ConnectionInfo* connection, quint16 port, quint16 timeout, quint32& taskId,
                                const char* json, const char*& out);
// One step each: the command with a fresh task id, then status queries with that id until
// the task ends. 0 with `completed` set when it finished; 0 with `resultText` set to the
// refusal (the command's envelope) or the failure (the status query's envelope); an exchange
// code, -4 once `waitLimit` has passed, or -1 without a connection, with `resultText` null.
KORVEX3_EXPORT int beginRegistration(CmdReg& reg);
KORVEX3_EXPORT int addRegistrationItem(CmdReg& reg);
