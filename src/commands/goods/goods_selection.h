#pragma once
// The request shared by reading and deleting goods records: the records are selected by a
// `list` of objects with goods_id, or by a `range` (goods_id, optional goods_count).

#include <QtGlobal>

class Command;

namespace korvex {

// Builds `command`'s request with `code`: 0, -9 for null input, -8 with the error list as
// output, or -8 without output when the input has neither `list` nor `range`.
int prepareGoodsSelection(Command& command, const char* beginText, quint16 code);

}  // namespace korvex
