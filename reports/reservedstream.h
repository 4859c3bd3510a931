#pragma once
/// Output string streams for reports that are drawn in memory and then written whole.

#include <cstddef>
#include <sstream>
#include <string>
#include <utility>

/// An empty output stream whose buffer has room for `capacity` bytes from the start, so that a
/// report up to that size is written without moving its bytes from buffer to ever larger
/// buffer. Room that is never written is never touched.
inline std::ostringstream ReservedOutputStream(std::size_t capacity) {
  std::string buffer;
  buffer.reserve(capacity);
  return std::ostringstream(std::move(buffer));
}
