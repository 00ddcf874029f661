#pragma once
// A stand-alone holder of one item, with a text form and a stream writer (32-bit length).

#include <QByteArray>
#include <QString>

#include "api/export.h"

class QDataStream;

class KORVEX3_EXPORT TLV {
public:
    TLV(const QString& name, quint16 tag, const QByteArray& value);
    virtual ~TLV();

    // Writes nothing for an empty value; else tag (16 bits), size (32 bits signed), bytes.
    virtual void streamOut(QDataStream& out) const;
    // "Name: %1\tTag: %2\tLength:%3\tValue:%4", the value as colon-separated lower-case hex.
    virtual QString toString() const;

    QString name;
    quint16 tag;
    QByteArray value;
};
