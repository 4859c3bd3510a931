#pragma once
/// Powers of two built from their bits, without a library call.

#include <bit>
#include <cstdint>

/// 2^exponent for exponent = −1022 … 1024 (infinity for 1024).
inline double PowerOfTwo(int exponent) {
  return std::bit_cast<double>(static_cast<std::uint64_t>(exponent + 1023) << 52);
}
