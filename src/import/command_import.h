#pragma once
// Codes 404/405: one fiscal document out of the fiscal drive, fetched in pieces on one
// connection (404 asks for the document, 405 for each next piece) and composed as JSON.
// Reply `response` 0 means "more follows", 5 "this was the last piece"; any other value is
// the register's refusal and is handed out as {"extended":n,"response":n}.

#include "link/command.h"

class KORVEX3_EXPORT CommandImport : public Command {
public:
    // A document is its 4-byte header (type, length) and at most 65535 bytes of items.
    static constexpr int kHeaderSize = 4;
    static constexpr int kMaxDocumentSize = kHeaderSize + 0xFFFF;
    // "More follows" replies in a row that bring no byte before the transfer counts as broken.
    static constexpr int kMaxIdleCycles = 100;

    // escapedText: texts as \uXXXX escapes (EscapedUnicodeString) instead of UTF-8.
    CommandImport(const QString& host, quint16 port, const QString& serial, bool escapedText);

    // First cycle: 404 with fd_doc_id (-8 for input that is null or not JSON); then 405.
    int prepare() override;
    // Gathers the pieces; -11 once they break the document's limits.
    int process(bool& more) override;
    // documentBuffer as the envelope {"data":document,"extended":0,"response":0} in `output`.
    // Pieces shorter than the header or the length it states are composed from what is there.
    void composeDocument();

    qint32 stage = 0;
    bool escapedText;
    QByteArray documentBuffer;

private:
    int prepareBeginImport();
    int idleCycles = 0;
};
