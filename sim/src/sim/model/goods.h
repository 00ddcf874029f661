#pragma once
// The goods database: records by goods number, up to the register's capacity.

#include <cstdint>
#include <map>
#include <string>

namespace korvex::sim {

struct GoodsRecord {
    std::uint16_t id = 0;
    std::string name;     // UTF-8
    std::string intcode;
    std::string barcode;
    std::string unit;     // UTF-8
    std::uint8_t itemAttr = 0;
    std::uint8_t itemAttrExt = 0;
    std::uint64_t price = 0;
    std::uint64_t excise = 0;
    std::uint8_t deptId = 0;
};

struct GoodsDatabase {
    std::map<std::uint16_t, GoodsRecord> records;
};

}  // namespace korvex::sim
