#include "pdf/pdfstreamroom.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>
#include <sstream>
#include <string>
#include <typeinfo>
#include <utility>

namespace {

constexpr std::uintptr_t kLargePage = std::uintptr_t{1} << 21;

// The buffer is about to be written from end to end. Large pages, where the system grants
// them, take one page fault per 2 MiB instead of one per 4 KiB; on a virtual machine those
// faults are most of the cost of filling tens of megabytes. Only the whole large pages inside
// the buffer are advised, so no memory outside it is touched.
void AdviseLargePages(const char* begin, std::size_t bytes) {
  const auto first = (reinterpret_cast<std::uintptr_t>(begin) + kLargePage - 1) & ~(kLargePage - 1);
  const auto last = (reinterpret_cast<std::uintptr_t>(begin) + bytes) & ~(kLargePage - 1);
  // Only a hint: where it is refused the buffer works all the same.
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

}  // namespace

void MakeRoomInEmptyStringStream(std::ostream& out, std::size_t bytes) {
  std::streambuf* buffer = out.rdbuf();
  // Exactly the standard string buffer: a class derived from it may keep state of its own.
  if (buffer == nullptr || typeid(*buffer) != typeid(std::stringbuf)) return;
  auto& strings = static_cast<std::stringbuf&>(*buffer);
  if (!strings.view().empty()) return;
  std::string room = std::move(strings).str();
  try {
    room.reserve(bytes);
    AdviseLargePages(room.data(), bytes);
  } catch (const std::bad_alloc&) {
    // Without the room the stream grows as it is written, and reports running out of memory
    // there, as any write does.
  }
  strings.str(std::move(room));
}
