#pragma once
// Code 7: the register's configuration block, page by page on one connection. Each reply
// carries a page (item 12) and names the next one (item 11, absent or 0 on the last); the
// output is {"config":"<Base64 of all pages>"}, or the register's {"extended","response"}
// when it refuses a page.

#include "link/command.h"

class KORVEX3_EXPORT CommandReadConfig : public Command {
public:
    // A configuration has at most this many pages.
    static constexpr int kMaxPages = 0xFFFF;
    // Pages in a row that bring no byte before the transfer counts as broken.
    static constexpr int kMaxIdleCycles = 100;
    // The block is far smaller; this only keeps a runaway register from exhausting memory.
    static constexpr int kMaxConfigSize = 64 * 1024 * 1024;

    CommandReadConfig(const QString& host, quint16 port, const QString& serial, quint16 firstPage);

    // Asks for `page`; the run's input is not read and no task item is sent.
    int prepare() override;
    // Gathers one page; -11 once the register breaks the limits above.
    int process(bool& more) override;

    quint16 page;
    QByteArray configData;

private:
    int pagesRead = 0;
    int idleCycles = 0;
};
