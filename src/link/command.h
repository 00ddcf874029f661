#pragma once
// Base of every register command: one TCP connection per object, synchronous on the caller's
// thread. run() connects (30000 ms at most), then repeats prepare, send, read(timeout),
// process until a step fails or process asks for no more cycles. After run(), `output` holds
// the result envelope {"data":…,"extended":n,"response":n} (data only for a non-empty reply
// payload), or the list of refused keys after -8; `sent` says whether a request went out in full.

#include <QByteArray>
#include <QString>

#include "api/export.h"
#include "korvex3/result_codes.h"
#include "tlv/json.h"

class QTcpSocket;

class KORVEX3_EXPORT Command {
public:
    static constexpr int kConnectTimeoutMs = 30000;

    Command(const QString& host, quint16 port, const QString& serial);
    virtual ~Command();
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    int run(quint16 timeout, quint32 taskId, const QByteArray& input);

    // Base: empties reply, request and output; returns 0. Overrides build `request`.
    virtual int prepare();
    virtual int send();
    // Builds `output` from `reply`; sets `more` to ask for another cycle.
    virtual int process(bool& more);
    // Receives one whole reply frame into `reply`: 0, -4, -6 or -7.
    virtual int read(quint16 timeout);
    // Converts a non-empty reply payload into the envelope's `data`; base: null.
    virtual Json parse(const QByteArray& body);

    // One-shot exchange of a frame built by the caller, on a connection of its own.
    int query(quint16 timeout, const QByteArray& frame);

    QString serial;
    QString host;
    quint16 port;
    quint32 taskId = 0;
    QByteArray input;
    QByteArray output;
    bool sent = false;
    QByteArray reply;
    QByteArray request;
    QTcpSocket* socket = nullptr;

protected:
    // The result envelope of a whole reply frame, as compact JSON text.
    QByteArray envelope(const QByteArray& frame);

private:
    int receive(QTcpSocket& from, QByteArray& into, quint16 timeout);
};
