#pragma once
// One open connection: where the register is, its serial, the texts handed out for it (freed
// with the record) and the task-id counter. No socket stays open between calls.

#include <atomic>

#include <QByteArray>
#include <QList>
#include <QString>

#include "api/export.h"

class KORVEX3_EXPORT ConnectionInfo {
public:
    static constexpr quint16 kDefaultPort = 8080;

    ConnectionInfo() = default;
    ~ConnectionInfo();
    ConnectionInfo(const ConnectionInfo&) = delete;
    ConnectionInfo& operator=(const ConnectionInfo&) = delete;

    // Keeps a NUL-terminated copy of text (up to its first NUL) until the record is destroyed.
    const char* addString(const QByteArray& text);
    // The task id of the next operation with a task id (one atomic fetch-and-add).
    quint32 takeTaskId() { return quint32(nextTaskId.fetch_add(1)); }

    QString serial;
    QString host;
    quint16 port = kDefaultPort;
    QList<const char*> strings;
    std::atomic<int> nextTaskId{1};
};
