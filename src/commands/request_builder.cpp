#include "commands/request_builder.h"

#include <QTextCodec>

#include "api/log.h"
#include "link/packet.h"
#include "tlv/codecs.h"
#include "tlv/inn.h"
#include "tlv/tlv_dictionary.h"

namespace korvex {

namespace {

constexpr quint16 kTaskIdTag = 53;

// Bracket depth outside strings. Exact for well-formed JSON; for anything else the parser
// refuses the text anyway, so a miscount there changes nothing.
bool nestedDeeperThan(const std::string& text, int limit)
{
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > limit)
                return true;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

}  // namespace

Json parseInput(const QByteArray& text)
{
    const std::string bytes(text.constData(), std::size_t(text.size()));
    // The parser stops at a zero byte and would take what follows it for the end of the text.
    // Deep values parse fine but overflow the stack when later copied or dumped.
    if (bytes.find('\0') != std::string::npos || nestedDeeperThan(bytes, kMaxInputDepth))
        return Json(Json::value_t::discarded);
    return Json::parse(bytes, nullptr, false);
}

RequestBuilder::RequestBuilder(Command& command, const char* beginText, Options options)
    : command_(command),
      input_(Json::object()),
      stream_(&payload_, QIODevice::WriteOnly),
      parser_(deviceDictionary()),
      cp1251_(korvex::cp1251())
{
    command_.Command::prepare();
    if (beginText)
        KORVEX_LOG("{}", beginText);
    if (options.parse) {
        input_ = parseInput(command_.input);
        if (options.logRawInput)
            KORVEX_LOG("{}", std::string(command_.input.constData()));
        if (options.logParsedInput && !input_.is_null())
            KORVEX_LOG("{}", compact(input_));
    }
    stream_.setByteOrder(QDataStream::LittleEndian);
    if (options.taskItem && command_.taskId != 0)
        parser_.toStream<unsigned long long>(command_.taskId, kTaskIdTag, stream_);
}

bool RequestBuilder::member(quint16 tag, Encoding encoding) { return member(input_, tag, stream_, encoding); }

bool RequestBuilder::member(const Json& object, quint16 tag, QDataStream& into, Encoding encoding)
{
    return parser_.toStream(object, tag, into, codec(encoding));
}

std::string RequestBuilder::text(quint16 tag) const { return parser_.get(input_, tag); }

std::string RequestBuilder::encoded(quint16 tag, Encoding encoding) const
{
    return parser_.getEncoded(input_, tag, codec(encoding));
}

int RequestBuilder::number(quint16 tag) const { return parser_.get<int>(input_, tag, 0); }

unsigned long long RequestBuilder::number64(quint16 tag) const
{
    return parser_.get<unsigned long long>(input_, tag, 0);
}

bool RequestBuilder::writeText(quint16 tag, const std::string& text, Encoding encoding)
{
    return parser_.toStream(text, tag, stream_, codec(encoding));
}

bool RequestBuilder::writeBytes(quint16 tag, const QByteArray& bytes) { return parser_.toStream(bytes, tag, stream_); }

bool RequestBuilder::writeNumber(quint16 tag, int value) { return parser_.toStream<int>(value, tag, stream_); }

bool RequestBuilder::writeNumber64(quint16 tag, unsigned long long value)
{
    return parser_.toStream<unsigned long long>(value, tag, stream_);
}

bool RequestBuilder::base64(quint16 tag)
{
    return writeBytes(tag, QByteArray::fromBase64(QByteArray::fromStdString(text(tag))));
}

void RequestBuilder::reject(quint16 tag) { reject(Json(deviceDictionary()->name(tag))); }

void RequestBuilder::reject(const Json& entry) { errors_.push_back(entry); }

bool RequestBuilder::require(bool given, quint16 tag)
{
    if (!given)
        reject(tag);
    return given;
}

void RequestBuilder::checkInn(quint16 tag)
{
    // A zero byte would hide the rest of the text from the check but not from the item.
    const std::string inn = text(tag);
    if (inn.find('\0') != std::string::npos || !validateRuInn(inn.c_str(), true))
        reject(tag);
}

const QTextCodec* RequestBuilder::codec(Encoding encoding) const
{
    return encoding == Encoding::Cp1251 ? cp1251_ : nullptr;
}

int RequestBuilder::finish(quint16 code)
{
    if (!errors_.empty()) {
        command_.output = QByteArray::fromStdString(compact(errors_));
        return korvex3::kInvalidFields;
    }
    command_.request = Packet::make(code, command_.serial, payload_);
    return korvex3::kOk;
}

int prepareEmpty(Command& command, quint16 code, const char* beginText)
{
    RequestBuilder::Options options;
    options.parse = false;
    options.taskItem = false;
    return RequestBuilder(command, beginText, options).finish(code);
}

}  // namespace korvex
