#pragma once
// The result envelope without `data`: what a multi-cycle command hands out when the register
// stops a transfer with its own verdict, so that a refusal is never read as a result.

#include <QByteArray>

class Packet;

namespace korvex {

// {"extended":n,"response":n} of a parsed reply, compact.
QByteArray statusEnvelope(const Packet& reply);

}  // namespace korvex
