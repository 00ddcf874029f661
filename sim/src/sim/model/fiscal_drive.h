#pragma once
// The fiscal drive: numbered documents with their date and fiscal sign, never changed once
// written.

#include <cstdint>
#include <string>
#include <vector>

#include "sim/model/fiscal_document.h"

namespace korvex::sim {

// Documents not yet acknowledged by the fiscal data operator. The simulator has no operator to
// talk to, so every document stays waiting.
struct Waiting {
    std::uint32_t count = 0;
    std::uint32_t firstNumber = 0;
    std::uint32_t firstDate = 0;
};

class FiscalDrive {
public:
    // Numbers, dates (cut to the minute) and signs `document`, then keeps it.
    const FiscalDocument& write(FiscalDocument document, std::uint32_t now, const std::string& fdSerial);
    const FiscalDocument* find(std::uint32_t number) const;
    const FiscalDocument* last() const { return documents_.empty() ? nullptr : &documents_.back(); }
    std::uint32_t lastNumber() const { return documents_.empty() ? 0 : documents_.back().number; }
    // The date every later document must not precede.
    std::uint32_t lastDate() const { return documents_.empty() ? 0 : documents_.back().date; }

    Waiting waiting() const;

    const std::vector<FiscalDocument>& documents() const { return documents_; }
    void restore(std::vector<FiscalDocument> documents) { documents_ = std::move(documents); }

private:
    std::vector<FiscalDocument> documents_;
};

}  // namespace korvex::sim
