#pragma once
// The request of the commands that name a fiscal document: the required number members of
// the input in the given order, no task item. Every member not given is refused by its key.

#include <initializer_list>

#include <QtGlobal>

class Command;

namespace korvex {

int prepareDocumentRequest(Command& command, const char* beginText, quint16 code,
                           std::initializer_list<quint16> requiredMembers);

}  // namespace korvex
