// Writing a long report to memory: pages of table cells drawn with TextOut in the Japanese
// font, then EndDoc. The time should grow in proportion to the document's size (appending to
// a content stream is amortised constant time), so 200 pages take about ten times as long
// as 20 pages.
//
// A 200-page document holds 42 MB of page contents and as much output. The C library returns
// blocks that large to the system when they are freed, so every iteration touches fresh memory,
// and where the system is slow to hand out pages (a virtual machine may take 0.5 to 3 ms per
// MB) that is much of the time measured. EndDoc gives an empty string stream room for the whole
// file, in large pages where the system grants them, so the output is neither copied from
// buffer to ever larger buffer nor faulted in 4 KiB at a time; the page contents and the copy
// taken out of the stream at the end still are. The writer's own share shows when the memory
// is kept:
//   GLIBC_TUNABLES=glibc.malloc.mmap_max=0:glibc.malloc.trim_threshold=4000000000 pdf_writer_bench

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <utility>

#include "pdf/tinkvale.h"
#include "pdf/tpdfcontents.h"

namespace {

// "水位" in code page 932, followed by a number, as in a result table cell.
const std::string kCellPrefix = "\x90\x85\x88\xCA ";

// Draws the document's pages and writes it to `out`.
void DrawAndWrite(std::ostream& out, int pages, int operationsPerPage) {
  TInkvale writer;
  writer.BeginDoc(&out);
  for (int page = 0; page < pages; ++page) {
    if (page > 0) writer.NewPage();
    TPDFContents& canvas = writer.Canvas();
    canvas.FontIndex = 6;
    canvas.FontSize = 9;
    for (int i = 0; i < operationsPerPage; ++i) {
      const std::string cell = i % 2 == 0 ? kCellPrefix + std::to_string(i) : "12.345";
      canvas.TextOut(cell, 65.5f + static_cast<float>(i % 9) * 50, 780 - (i % 48) * 15.0f);
    }
  }
  writer.EndDoc(false);
}

// Writes the document into a plain string stream `state.iterations()` times. The bytes come
// out as a copy (`str()`), or are taken out of the stream without one, as the PDF report does.
void MeasureWriting(benchmark::State& state, bool takeOut) {
  const auto pages = static_cast<int>(state.range(0));
  const auto operationsPerPage = static_cast<int>(state.range(1));
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::ostringstream out;
    DrawAndWrite(out, pages, operationsPerPage);
    const std::string file = takeOut ? std::move(out).str() : out.str();
    bytes = file.size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bytes));
  state.SetItemsProcessed(state.iterations() * pages * operationsPerPage);
}

void WriteDocument(benchmark::State& state) { MeasureWriting(state, false); }
void WriteDocumentTakenOut(benchmark::State& state) { MeasureWriting(state, true); }

}  // namespace

BENCHMARK(WriteDocumentTakenOut)->Args({20, 3000})->Args({200, 3000})->Unit(benchmark::kMillisecond);
BENCHMARK(WriteDocument)->Args({20, 3000})->Args({200, 3000})->Unit(benchmark::kMillisecond);
