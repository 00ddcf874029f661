#include "link/command.h"

#include <QElapsedTimer>
#include <QTcpSocket>

#include "api/log.h"
#include "link/frame_format.h"
#include "link/host_addresses.h"
#include "link/packet.h"
#include "tlv/tlv_dictionary.h"

namespace {

// Tries the host's addresses in turn, all within the one connect time-out.
bool connectSocket(QTcpSocket& socket, const QString& host, quint16 port)
{
    QElapsedTimer clock;
    clock.start();
    for (const QHostAddress& address : korvex::hostAddresses(host)) {
        const qint64 left = Command::kConnectTimeoutMs - clock.elapsed();
        if (left <= 0)
            break;
        socket.connectToHost(address, port, QIODevice::ReadWrite);
        if (socket.waitForConnected(int(left)))
            return true;
        socket.abort();
    }
    return false;
}

}  // namespace

Command::Command(const QString& host, quint16 port, const QString& serial)
    : serial(serial), host(host), port(port)
{
}

Command::~Command() { delete socket; }

int Command::run(quint16 timeout, quint32 taskId_, const QByteArray& input_)
{
    input = input_;
    taskId = taskId_;
    delete socket;
    socket = new QTcpSocket();
    if (!connectSocket(*socket, host, port))
        return korvex3::kNoConnection;

    int result = korvex3::kOk;
    bool more = true;
    while (result == korvex3::kOk && more) {
        if ((result = prepare()) != korvex3::kOk)
            break;
        if ((result = send()) != korvex3::kOk)
            break;
        if ((result = read(timeout)) != korvex3::kOk)
            break;
        result = process(more);
    }
    return result;
}

int Command::prepare()
{
    reply.clear();
    request.clear();
    output.clear();
    return korvex3::kOk;
}

int Command::send()
{
    // An empty request is a frame that Packet::make refused to build; nothing goes out.
    const qint64 written = request.isEmpty() ? -1 : socket->write(request);
    KORVEX_LOG("sent {} bytes", written);
    if (written != request.size())
        return korvex3::kNotSent;
    socket->flush();
    sent = true;
    return korvex3::kOk;
}

int Command::read(quint16 timeout) { return receive(*socket, reply, timeout); }

int Command::receive(QTcpSocket& from, QByteArray& into, quint16 timeout)
{
    for (;;) {
        if (from.bytesAvailable() <= 0 && !from.waitForReadyRead(timeout)) {
            from.disconnectFromHost();
            return korvex3::kNoReply;
        }
        const QByteArray piece = from.readAll();
        KORVEX_LOG("read {} bytes", piece.size());
        into.append(piece);
        // A single byte cannot be told from a wrong magic yet; wait for the second one.
        if (into.size() < 2)
            continue;
        switch (Packet().parse(into)) {
        case frame::kWhole:
            return korvex3::kOk;
        case frame::kIncomplete:
            continue;
        case frame::kBadCrc:
            from.disconnectFromHost();
            return korvex3::kBadCrc;
        default:
            from.disconnectFromHost();
            return korvex3::kBadMagic;
        }
    }
}

QByteArray Command::envelope(const QByteArray& frameBytes)
{
    Packet packet;
    packet.parse(frameBytes);
    const TLVDictionary* dictionary = korvex::deviceDictionary();
    Json result = Json::object();
    result[dictionary->name(frame::kTagResponse)] = packet.response;
    result[dictionary->name(frame::kTagExtended)] = packet.extended;
    if (!packet.body.isEmpty())
        result["data"] = parse(packet.body);
    return QByteArray::fromStdString(korvex::compact(result));
}

int Command::process(bool& more)
{
    output = envelope(reply);
    more = false;
    return korvex3::kOk;
}

Json Command::parse(const QByteArray&) { return Json(); }

int Command::query(quint16 timeout, const QByteArray& frameBytes)
{
    sent = false;
    QTcpSocket own;
    KORVEX_LOG("connecting to host:{} at port {}", korvex::log::text(host), port);
    if (!connectSocket(own, host, port))
        return korvex3::kNoConnection;
    KORVEX_LOG("...connected");
    const qint64 written = own.write(frameBytes);
    KORVEX_LOG("wrote {} bytes", written);
    if (written != frameBytes.size()) {
        own.disconnectFromHost();
        return korvex3::kNotSent;
    }
    own.flush();
    sent = true;
    QByteArray received;
    const int result = receive(own, received, timeout);
    if (result != korvex3::kOk)
        return result;
    KORVEX_LOG("disconnecting...");
    own.disconnectFromHost();
    KORVEX_LOG("...disconnected?..");
    if (own.state() == QAbstractSocket::UnconnectedState || own.waitForDisconnected(1000))
        KORVEX_LOG("...disconnected!");
    output = envelope(received);
    return korvex3::kOk;
}
