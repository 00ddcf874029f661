#include "tlv/json_parser.h"

#include <cstdint>
#include <limits>

#include <QDataStream>
#include <QString>
#include <QTextCodec>

namespace {

constexpr int kMaxItemLength = std::numeric_limits<quint16>::max();

// The low 64 bits of a JSON number or boolean, by the one rule every numeric reader shares:
// integers wrap (two's complement), floats are truncated toward zero, booleans are 1 or 0.
// A float outside [-2^63, 2^64), NaN included, has no such bits and is not usable.
bool integerBits(const Json& value, std::uint64_t& bits)
{
    switch (value.type()) {
    case Json::value_t::boolean:
        bits = value.get<bool>() ? 1 : 0;
        return true;
    case Json::value_t::number_integer:
        bits = static_cast<std::uint64_t>(value.get<std::int64_t>());
        return true;
    case Json::value_t::number_unsigned:
        bits = value.get<std::uint64_t>();
        return true;
    case Json::value_t::number_float: {
        const double d = value.get<double>();
        constexpr double kLowest = -9223372036854775808.0;  // -2^63
        constexpr double kPastMax = 18446744073709551616.0;  // 2^64
        if (!(d >= kLowest && d < kPastMax))
            return false;
        bits = d < 0 ? static_cast<std::uint64_t>(static_cast<std::int64_t>(d)) : static_cast<std::uint64_t>(d);
        return true;
    }
    default:
        return false;
    }
}

void writeNumberItem(QDataStream& out, quint16 tag, quint16 width, std::uint64_t bits)
{
    out << tag << width;
    switch (width) {
    case 1: out << quint8(bits); break;
    case 2: out << quint16(bits); break;
    case 4: out << quint32(bits); break;
    default: out << quint64(bits); break;
    }
}

bool writeBytesItem(QDataStream& out, quint16 tag, const QByteArray& bytes)
{
    if (bytes.size() > kMaxItemLength)
        return false;
    out << tag << quint16(bytes.size());
    out.writeRawData(bytes.constData(), bytes.size());
    return true;
}

QByteArray encode(const std::string& text, const QTextCodec* codec)
{
    return codec ? codec->fromUnicode(QString::fromStdString(text)) : QByteArray::fromStdString(text);
}

}  // namespace

JsonParser::JsonParser(const TLVDictionary* dictionary) : dictionary(dictionary) {}

bool JsonParser::toStream(const Json& object, quint16 tag, QDataStream& out, const QTextCodec* codec) const
{
    if (!contains(object, tag))
        return false;
    const TLVDictionary::TagDef def = dictionary->definition(tag);
    const Json& value = object.find(def.name).value();
    if (value.is_string())
        return def.type == tlv_type::kBytes && writeBytesItem(out, tag, encode(value.get_ref<const std::string&>(), codec));
    std::uint64_t bits = 0;
    if (!tlv_type::isNumeric(def.type) || !integerBits(value, bits))
        return false;
    writeNumberItem(out, tag, def.type, bits);
    return true;
}

bool JsonParser::toStream(const std::string& text, quint16 tag, QDataStream& out, const QTextCodec* codec) const
{
    return !text.empty() && toStream(encode(text, codec), tag, out);
}

bool JsonParser::toStream(const QByteArray& bytes, quint16 tag, QDataStream& out) const
{
    if (!dictionary || bytes.isEmpty())
        return false;
    const TLVDictionary::TagDef def = dictionary->definition(tag);
    return !def.name.empty() && def.type == tlv_type::kBytes && writeBytesItem(out, tag, bytes);
}

template <typename T>
bool JsonParser::toStream(const T& value, quint16 tag, QDataStream& out) const
{
    if (!dictionary)
        return false;
    const TLVDictionary::TagDef def = dictionary->definition(tag);
    if (def.name.empty() || !tlv_type::isNumeric(def.type))
        return false;
    writeNumberItem(out, tag, def.type, static_cast<std::uint64_t>(value));
    return true;
}

template KORVEX3_EXPORT bool JsonParser::toStream<int>(const int&, quint16, QDataStream&) const;
template KORVEX3_EXPORT bool JsonParser::toStream<unsigned long long>(const unsigned long long&, quint16,
                                                                       QDataStream&) const;

std::string JsonParser::get(const Json& object, quint16 tag) const
{
    if (!contains(object, tag))
        return {};
    const Json& value = object.find(dictionary->name(tag)).value();
    return value.is_string() ? value.get<std::string>() : std::string();
}

template <typename T>
T JsonParser::get(const Json& object, quint16 tag, T defaultValue) const
{
    std::uint64_t bits = 0;
    if (!contains(object, tag) || !integerBits(object.find(dictionary->name(tag)).value(), bits))
        return defaultValue;
    // Wraps to the width of T (modular conversion of the low bits).
    return static_cast<T>(bits);
}

template KORVEX3_EXPORT int JsonParser::get<int>(const Json&, quint16, int) const;
template KORVEX3_EXPORT unsigned long long JsonParser::get<unsigned long long>(const Json&, quint16,
                                                                                unsigned long long) const;

std::string JsonParser::getEncoded(const Json& object, quint16 tag, const QTextCodec* codec) const
{
    const std::string text = get(object, tag);
    return codec ? encode(text, codec).toStdString() : text;
}

bool JsonParser::contains(const Json& object, quint16 tag) const
{
    if (!dictionary || !object.is_object())
        return false;
    const std::string key = dictionary->name(tag);
    return !key.empty() && object.contains(key);
}
