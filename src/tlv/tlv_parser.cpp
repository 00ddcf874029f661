#include "tlv/tlv_parser.h"

#include <QTextCodec>

#include "api/log.h"
#include "tlv/byte_order.h"

TLVParser::TLVParser(const TLVDictionary* dictionary) : dictionary(dictionary) {}

void TLVParser::parse(const QByteArray& payload)
{
    tags.clear();
    data = payload;
    const char* bytes = data.constData();
    const qint64 size = data.size();
    qint64 pos = 0;
    while (size - pos >= 4) {
        const auto tag = quint16(korvex::readLittleEndian(bytes + pos, 2, 2));
        const auto length = quint16(korvex::readLittleEndian(bytes + pos + 2, 2, 2));
        pos += 4;
        if (size - pos < length)
            break;
        tags.insert(tag, TLVTag{length, pos});
        if (KORVEX_LOG_ENABLED()) {
            std::string name = dictionary ? dictionary->name(tag) : std::string();
            if (name.empty())
                name = "tag_" + std::to_string(tag);
            KORVEX_LOG("{}\tlength: {}\tvalue: {}", name, length,
                       data.mid(int(pos), length).toHex().toStdString());
        }
        pos += length;
    }
}

QByteArray TLVParser::value(quint16 tag) const
{
    const auto it = tags.constFind(tag);
    return it == tags.constEnd() ? QByteArray() : data.mid(int(it->offset), it->length);
}

QList<QByteArray> TLVParser::values(quint16 tag) const
{
    QList<QByteArray> result;
    for (auto it = tags.constFind(tag); it != tags.constEnd() && it.key() == tag; ++it)
        result.append(data.mid(int(it->offset), it->length));
    return result;
}

std::string TLVParser::get(quint16 tag) const { return value(tag).toStdString(); }

template <typename T>
T TLVParser::get(quint16 tag, T defaultValue) const
{
    if (!tags.contains(tag))
        return defaultValue;
    return T(korvex::readLittleEndian(value(tag), sizeof(T)));
}

template KORVEX3_EXPORT unsigned char TLVParser::get<unsigned char>(quint16, unsigned char) const;
template KORVEX3_EXPORT unsigned int TLVParser::get<unsigned int>(quint16, unsigned int) const;

bool TLVParser::toJson(Json& object, quint16 tag, const QTextCodec* codec) const
{
    if (!dictionary)
        return false;
    const TLVDictionary::TagDef def = dictionary->definition(tag);
    if (def.name.empty() || !tags.contains(tag))
        return false;
    if (object.is_null())
        object = Json::object();
    else if (!object.is_object())
        return false;
    const QByteArray bytes = value(tag);
    if (def.type == tlv_type::kBytes) {
        object[def.name] = codec ? codec->toUnicode(bytes).toUtf8().toStdString() : bytes.toStdString();
        return true;
    }
    if (!tlv_type::isNumeric(def.type))
        return false;
    object[def.name] = korvex::readLittleEndian(bytes, def.type);
    return true;
}

template <typename T>
bool TLVParser::toJsonValue(Json& object, quint16 tag, const T& value) const
{
    if (!dictionary)
        return false;
    const std::string key = dictionary->name(tag);
    if (key.empty())
        return false;
    if (object.is_null())
        object = Json::object();
    else if (!object.is_object())
        return false;
    object[key] = value;
    return true;
}

template KORVEX3_EXPORT bool TLVParser::toJsonValue<unsigned char>(Json&, quint16, const unsigned char&) const;
template KORVEX3_EXPORT bool TLVParser::toJsonValue<unsigned short>(Json&, quint16, const unsigned short&) const;
template KORVEX3_EXPORT bool TLVParser::toJsonValue<unsigned int>(Json&, quint16, const unsigned int&) const;
template KORVEX3_EXPORT bool TLVParser::toJsonValue<unsigned long long>(Json&, quint16, const unsigned long long&) const;
template KORVEX3_EXPORT bool TLVParser::toJsonValue<int>(Json&, quint16, const int&) const;
template KORVEX3_EXPORT bool TLVParser::toJsonValue<std::string>(Json&, quint16, const std::string&) const;
