#pragma once
// Turns a command's JSON input into one request frame, the way every command with input does:
// reset, announce, parse, refuse null (-9), start the payload with the task item, then the
// command reads, checks and writes its fields in wire order, and finish() either frames the
// request (0) or puts the refused keys into `output` as a compact JSON array (-8).
//
//   RequestBuilder b(*this, "open shift begin");
//   if (b.isNull()) return b.nullResult();
//   const int userId = b.number(kUserId);
//   ...
//   return b.finish(203);

#include <string>

#include <QByteArray>
#include <QDataStream>

#include "link/command.h"
#include "tlv/json.h"
#include "tlv/json_parser.h"

class QTextCodec;

namespace korvex {

// How a text field goes out: as the UTF-8 bytes of the JSON string, or in Windows-1251.
enum class Encoding { Utf8, Cp1251 };

// Input nested deeper than this counts as text that does not parse.
inline constexpr int kMaxInputDepth = 64;

// Parses caller text strictly; null for the text `null`, a discarded value when it does not
// parse (empty, malformed, holding a zero byte, too deeply nested). Never throws.
Json parseInput(const QByteArray& text);

class RequestBuilder {
public:
    struct Options {
        bool logRawInput = false;     // debug record of the input text before the null check
        bool logParsedInput = false;  // debug record of the parsed input after it
        bool taskItem = true;         // first item: task_id (53) when the command's task id is not 0
        bool parse = true;            // false: the input is not read at all (acts as {})
    };

    // beginText: the command's debug record; null writes none.
    RequestBuilder(Command& command, const char* beginText, Options options);
    RequestBuilder(Command& command, const char* beginText) : RequestBuilder(command, beginText, Options{}) {}

    // The input was the JSON value null: the command returns nullResult() (-9) at once.
    bool isNull() const { return input_.is_null(); }
    int nullResult() const { return korvex3::kNullInput; }
    const Json& input() const { return input_; }

    // Kind "member": the JSON member written by its type; false when not given.
    bool member(quint16 tag, Encoding encoding = Encoding::Utf8);
    bool member(const Json& object, quint16 tag, QDataStream& into, Encoding encoding = Encoding::Utf8);
    // Readers: text (empty when not given), encoded text, int and 64-bit numbers (0 when not given).
    std::string text(quint16 tag) const;
    std::string encoded(quint16 tag, Encoding encoding) const;
    int number(quint16 tag) const;
    unsigned long long number64(quint16 tag) const;
    // Writers of values the command has read; false (nothing written) for empty text or bytes.
    bool writeText(quint16 tag, const std::string& text, Encoding encoding);
    bool writeBytes(quint16 tag, const QByteArray& bytes);
    bool writeNumber(quint16 tag, int value);
    bool writeNumber64(quint16 tag, unsigned long long value);
    // Kind "base64": the member's text decoded from Base64, written when not empty.
    bool base64(quint16 tag);

    // Checks: append the tag's key (or any entry) to the error list.
    void reject(quint16 tag);
    void reject(const Json& entry);
    // Appends the key when !given; returns given.
    bool require(bool given, quint16 tag);
    // Taxpayer number mark: an empty text passes; else a valid Russian number or the key is appended.
    void checkInn(quint16 tag);

    // The payload stream (little-endian) and parser, for commands with nested blocks.
    QDataStream& stream() { return stream_; }
    const JsonParser& json() const { return parser_; }
    const QTextCodec* codec(Encoding encoding) const;

    // Frames the request with `code` (0), or sets `output` to the error list (-8).
    int finish(quint16 code);

private:
    Command& command_;
    Json input_;
    Json errors_;
    QByteArray payload_;
    QDataStream stream_;
    JsonParser parser_;
    const QTextCodec* cp1251_;
};

// Commands without input or task item: a request without payload. beginText as for
// RequestBuilder. Returns 0.
int prepareEmpty(Command& command, quint16 code, const char* beginText = nullptr);

}  // namespace korvex
