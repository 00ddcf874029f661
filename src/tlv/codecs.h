#pragma once
// The register's code pages. Qt owns its codecs for the life of the process; null when absent.

class QTextCodec;

namespace korvex {
const QTextCodec* cp1251();  // "Windows-1251": texts sent to and read from the register
const QTextCodec* cp866();   // "CP866": texts of documents read from the fiscal drive
}  // namespace korvex
