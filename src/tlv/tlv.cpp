#include "tlv/tlv.h"

#include <QDataStream>

TLV::TLV(const QString& name, quint16 tag, const QByteArray& value) : name(name), tag(tag), value(value) {}

TLV::~TLV() = default;

void TLV::streamOut(QDataStream& out) const
{
    if (value.isEmpty())
        return;
    out << tag << qint32(value.size());
    out.writeRawData(value.constData(), value.size());
}

QString TLV::toString() const
{
    return QStringLiteral("Name: %1\tTag: %2\tLength:%3\tValue:%4")
        .arg(name)
        .arg(uint(tag))
        .arg(value.size())
        .arg(QString::fromLatin1(value.toHex(':')));
}
