#pragma once
// The fixed-layout record of one fiscal document (item 21 of a document reply), decoded into
// JSON members by a table of fields per document type.

#include <QByteArray>

#include "tlv/json.h"

namespace korvex {

// Adds fd_date, fd_number, fd_sign and the type's further members to `object`, in that order.
// A member whose bytes lie beyond the end of `record` is left out; an unknown type adds nothing.
void decodeDocumentRecord(Json& object, int type, const QByteArray& record);

}  // namespace korvex
