// SPDX-License-Identifier: GPL-3.0-or-later
// The ten-place high-score table, held in memory in exactly the 152-byte layout of "leads.dat":
// ten 11-byte name slots, a 2-byte filler, then ten little-endian signed 32-bit scores.
// Arrays are indexed 0..9 for places 1..10.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace tavro {

inline constexpr int kLeadPlaces = 10;
inline constexpr int kLeadNameLength = 10;
inline constexpr std::size_t kLeadsFileSize = 152;

struct LeadName {
    std::uint8_t Length;  // 0..10 when written by us; read clamped to 10
    std::array<std::uint8_t, kLeadNameLength> Chars;  // Windows-1252 bytes
};

struct LeadsTable {
    std::array<LeadName, kLeadPlaces> LeadNames;
    std::array<std::uint8_t, 2> Filler;
    std::array<std::int32_t, kLeadPlaces> LeadPoints;  // place 1 first; little-endian on disk
};

static_assert(sizeof(LeadName) == 11);
static_assert(sizeof(LeadsTable) == kLeadsFileSize);
static_assert(offsetof(LeadsTable, Filler) == 110);
static_assert(offsetof(LeadsTable, LeadPoints) == 112);
// The table is read and written as one block, so the host must store integers as the file does.
static_assert(std::endian::native == std::endian::little);

}  // namespace tavro
