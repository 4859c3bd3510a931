#pragma once
/// Room in the destination before a whole document is written to it.

#include <cstddef>
#include <ostream>

/// When `out` writes into an empty std::stringbuf, gives the buffer room for `bytes` before
/// anything is written: otherwise the bytes of a long document are copied from buffer to ever
/// larger buffer as the stream grows. Any other stream, and a string stream that already holds
/// bytes (a file written over them keeps their tail), is left as it is.
void MakeRoomInEmptyStringStream(std::ostream& out, std::size_t bytes);
