#pragma once
// Every command of the library by its request code, made afresh for each fuzz input. The
// first two bytes of an input (little-endian) pick the command, so that corpus files keep
// their meaning when commands are added; an unknown code picks by its remainder.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "link/command.h"

namespace fuzz {

struct CommandMaker {
    std::uint16_t code;
    std::unique_ptr<Command> (*make)(std::uint16_t argument);
};

// The same loopback address the tests use; nothing is ever connected.
template <typename C>
std::unique_ptr<Command> make(std::uint16_t)
{
    return std::make_unique<C>("127.0.0.1", 1, "0123456789");
}

template <std::size_t N>
const CommandMaker& pick(const CommandMaker (&table)[N], const uint8_t*& data, size_t& size)
{
    std::uint16_t code = 0;
    if (size >= 2) {
        code = std::uint16_t(data[0] | data[1] << 8);
        data += 2;
        size -= 2;
    }
    for (const CommandMaker& maker : table)
        if (maker.code == code)
            return maker;
    return table[code % N];
}

}  // namespace fuzz
