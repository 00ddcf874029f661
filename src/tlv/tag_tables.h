#pragma once
// The three static tag tables. Each ends with a row whose tag is 0.

#include <QtGlobal>

#include "api/export.h"

// One row: tag number, type code (0 byte string; 1, 2, 4, 8 unsigned of that width), JSON key.
struct TLVJsonMapping {
    quint16 tag;
    quint16 type;
    const char* name;
};

KORVEX3_EXPORT extern TLVJsonMapping NetServerMap[];  // device protocol
KORVEX3_EXPORT extern TLVJsonMapping ReceiptMap[];    // receipt and document content
KORVEX3_EXPORT extern TLVJsonMapping CloudMap[];      // cloud context record
