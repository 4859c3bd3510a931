#include "charts/wmfcanvas.h"

#include <cstdint>
#include <map>
#include <set>

#include <gtest/gtest.h>

#include "charts/chartrenderer.h"
#include "core/text/cp932.h"
#include "results/resultsheet.h"

namespace {

std::uint16_t Word(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                    static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

std::uint32_t DoubleWord(const std::string& bytes, std::size_t at) {
  return Word(bytes, at) | static_cast<std::uint32_t>(Word(bytes, at + 2)) << 16;
}

struct MetafileRecord {
  std::uint16_t function;
  std::string parameters;
};

// Walks the file as a reader does, checking the two headers and the object table on the way.
std::vector<MetafileRecord> Records(const std::string& bytes, int width, int height) {
  std::vector<MetafileRecord> records;
  EXPECT_EQ(DoubleWord(bytes, 0), 0x9AC6CDD7u);
  EXPECT_EQ(Word(bytes, 10), width);
  EXPECT_EQ(Word(bytes, 12), height);
  EXPECT_EQ(Word(bytes, 14), 96);
  std::uint16_t checksum = 0;
  for (std::size_t at = 0; at < 20; at += 2) checksum ^= Word(bytes, at);
  EXPECT_EQ(Word(bytes, 20), checksum);
  const std::size_t start = 22;
  EXPECT_EQ(Word(bytes, start), 1);
  EXPECT_EQ(Word(bytes, start + 2), 9);
  EXPECT_EQ(DoubleWord(bytes, start + 6) * 2, bytes.size() - start);
  const std::uint16_t objects = Word(bytes, start + 10);
  const std::uint32_t largest = DoubleWord(bytes, start + 12);

  std::set<std::uint16_t> live;
  std::uint32_t seenLargest = 0;
  for (std::size_t at = start + 18; at < bytes.size();) {
    const std::uint32_t words = DoubleWord(bytes, at);
    EXPECT_GE(words, 3u);
    EXPECT_LE(at + words * 2, bytes.size());
    if (words < 3 || at + words * 2 > bytes.size()) break;
    seenLargest = std::max(seenLargest, words);
    MetafileRecord record{Word(bytes, at + 4), bytes.substr(at + 6, words * 2 - 6)};
    if (record.function == 0x02FA || record.function == 0x02FB || record.function == 0x02FC) {
      std::uint16_t index = 0;
      while (live.count(index)) ++index;
      live.insert(index);
      EXPECT_LT(index, objects);
    }
    if (record.function == 0x012D) {
      EXPECT_TRUE(live.count(Word(record.parameters, 0)));
    }
    if (record.function == 0x01F0) {
      EXPECT_EQ(live.erase(Word(record.parameters, 0)), 1u);
    }
    records.push_back(record);
    at += words * 2;
  }
  EXPECT_EQ(seenLargest, largest);
  EXPECT_EQ(records.back().function, 0x0000);
  return records;
}

TEST(WmfCanvasTest, AChartBecomesAWellFormedPlaceableMetafile) {
  ResultSheet sheet;
  Chart& chart = sheet.LevelChart;
  SetChartRanges(chart, 24, 34, 0, 3000);
  for (int t = 0; t <= 3000; t += 20) chart.series[0].Add(t, 24 + t / 300.0);
  chart.series[1].Add(1440, 32.5, " ");
  chart.series[1].Add(1441, 32.5, "H=32.500m");
  WmfCanvas canvas(900, 540);
  RenderChart(chart, canvas, {0, 0, 900, 540});
  const std::string bytes = canvas.Bytes();
  const auto records = Records(bytes, 900, 540);

  // Few objects however many pens, fonts and fills the chart needs.
  EXPECT_LE(Word(bytes, 22 + 10), 6);
  int texts = 0;
  bool foundMark = false;
  for (const MetafileRecord& record : records) {
    if (record.function == 0x02FB) {
      EXPECT_EQ(static_cast<std::uint8_t>(record.parameters[13]), 128);  // SHIFTJIS_CHARSET
      EXPECT_EQ(record.parameters.substr(18, 9), *Utf8ToCp932("ＭＳ 明朝"));
    }
    if (record.function == 0x0A32) {
      ++texts;
      const std::uint16_t length = Word(record.parameters, 4);
      const std::string text = record.parameters.substr(8, length);
      foundMark = foundMark || text == "H=32.500m";
      EXPECT_TRUE(Cp932ToUtf8(text).has_value());
    }
  }
  EXPECT_GT(texts, 10);
  EXPECT_TRUE(foundMark);
}

TEST(WmfCanvasTest, LinesAreCutToTheClipAndCoordinatesKeptToSixteenBits) {
  WmfCanvas canvas(200, 100);
  canvas.SetPen({ChartColour::Red(), 1, PenDash::Solid});
  canvas.Clip({10, 10, 100, 50});
  const CanvasPoint across[] = {{0, 30}, {300, 30}};
  canvas.Polyline(across);
  canvas.ResetClip();
  const CanvasPoint far[] = {{0, 0}, {1e9, -1e9}};
  canvas.Polyline(far);
  std::vector<std::vector<std::int16_t>> lines;
  for (const MetafileRecord& record : Records(canvas.Bytes(), 200, 100)) {
    if (record.function != 0x0325) continue;
    std::vector<std::int16_t> values;
    for (std::size_t at = 2; at < record.parameters.size(); at += 2) {
      values.push_back(static_cast<std::int16_t>(Word(record.parameters, at)));
    }
    lines.push_back(values);
  }
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], (std::vector<std::int16_t>{10, 30, 110, 30}));
  EXPECT_EQ(lines[1], (std::vector<std::int16_t>{0, 0, 32767, -32768}));
}

}  // namespace
