// Writing a long report to memory: pages of table cells drawn with TextOut in the Japanese
// font, then EndDoc. The time should grow in proportion to the document's size (appending to
// a content stream is amortised constant time), so 200 pages take about ten times as long
// as 20 pages.

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "pdf/tinkvale.h"
#include "pdf/tpdfcontents.h"

namespace {

// "水位" in code page 932, followed by a number, as in a result table cell.
const std::string kCellPrefix = "\x90\x85\x88\xCA ";

void WriteDocument(benchmark::State& state) {
  const auto pages = static_cast<int>(state.range(0));
  const auto operationsPerPage = static_cast<int>(state.range(1));
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::ostringstream out;
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
    bytes = out.str().size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bytes));
  state.SetItemsProcessed(state.iterations() * pages * operationsPerPage);
}

}  // namespace

BENCHMARK(WriteDocument)->Args({20, 3000})->Args({200, 3000})->Unit(benchmark::kMillisecond);
