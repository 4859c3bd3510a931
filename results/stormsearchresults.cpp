#include "results/stormsearchresults.h"

#include <cmath>
#include <cstddef>
#include <utility>

#include "core/calc/routingresult.h"
#include "core/text/formatgeneral.h"
#include "core/text/formatnumber.h"

namespace {

constexpr const char* kWaveformNames[] = {"中央集中型(1)", "中央集中型(2)", "後方集中型"};
constexpr double kSameDuration = 1e-9;  // min

std::string Outcome(const StormCase& storm) {
  return storm.outcome == kRoutingCompleted ? "完了" : "範囲超過";
}

std::string Storm(const StormCase& storm) {
  return std::string(WaveformName(storm.waveform)) + " " + FormatGeneral(storm.duration) + "分";
}

const StormCase* TypedStorm(const StormSearch& search, int waveform, double duration) {
  for (const StormCase& storm : search.cases) {
    if (storm.waveform == waveform && std::fabs(storm.duration - duration) < kSameDuration) {
      return &storm;
    }
  }
  return nullptr;
}

// "<what>: <storm> <value>", or "範囲超過" for a level that left the pond table.
std::string WorstLine(const char* what, const StormCase& storm, const std::string& value) {
  std::string line = std::string(what) + Storm(storm);
  return storm.outcome == kRoutingCompleted ? line + " " + value : line + " 範囲超過";
}

}  // namespace

const char* WaveformName(int waveform) {
  return waveform >= 0 && waveform < 3 ? kWaveformNames[waveform] : "";
}

std::vector<std::string> StormSearchHeader() {
  return {"降雨波形",         "降雨継続時間(分)",  "最高水位(m)", "必要調節容量(m3)",
          "最大流入量(m3/s)", "最大放流量(m3/s)", "結果"};
}

std::vector<std::string> StormCaseCells(const StormCase& storm) {
  return {WaveformName(storm.waveform),        FormatGeneral(storm.duration),
          FormatNumber("0.000", storm.maxLevel), FormatNumber("0.000", storm.storage),
          FormatNumber("0.000", storm.maxInflow), FormatNumber("0.000", storm.maxOutflow),
          Outcome(storm)};
}

TextList StormSearchSummary(const StormSearch& search, int typedWaveform, double typedDuration) {
  if (search.highestLevel < 0) return {"探索した降雨がありません。"};
  const StormCase& level = search.cases[static_cast<std::size_t>(search.highestLevel)];
  const StormCase& outflow = search.cases[static_cast<std::size_t>(search.highestOutflow)];
  TextList lines{
      WorstLine("最高水位が最も高い降雨    : ", level, FormatNumber("H=0.000m", level.maxLevel)),
      WorstLine("最大放流量が最も大きい降雨: ", outflow,
                FormatNumber("Qout=0.000m3/s", outflow.maxOutflow))};
  if (search.nearHighestLevel.size() > 1) {
    lines.push_back(FormatNumber("  最高水位の差が0.0000m未満の降雨は", kStormLevelTie) +
                    std::to_string(search.nearHighestLevel.size()) + "通り");
  }
  const StormCase* typed = TypedStorm(search, typedWaveform, typedDuration);
  if (!typed) return lines;
  const std::string name = "設計の降雨(" + Storm(*typed) + ")";
  bool amongWorst = false;
  for (int i : search.nearHighestLevel) {
    amongWorst = amongWorst || &search.cases[static_cast<std::size_t>(i)] == typed;
  }
  if (amongWorst) {
    lines.push_back(name + "は最高水位が最も高い降雨に含まれる。");
  } else if (level.outcome != kRoutingCompleted) {
    lines.push_back(name + "より危険な" + Storm(level) + "では調節池の範囲を超える。");
  } else {
    lines.push_back(name + "より" + Storm(level) + "の最高水位が" +
                    FormatNumber("0.000m高い。", level.maxLevel - typed->maxLevel));
  }
  return lines;
}

Chart StormSearchChart(const StormSearch& search) {
  static constexpr ChartColour kColours[] = {ChartColour::Blue(), ChartColour::Green(),
                                             ChartColour::Red()};
  Chart chart;
  chart.title = "降雨継続時間～最高水位";
  chart.left.title = "最高水位(m)";
  chart.left.format = "0.00";
  chart.bottom.title = "降雨継続時間(分)";
  chart.bottom.format = "#,0";
  chart.legendVisible = true;
  for (int waveform = 0; waveform < 3; ++waveform) {
    ChartSeries series;
    series.title = WaveformName(waveform);
    series.colour = kColours[waveform];
    series.inLegend = true;
    for (const StormCase& storm : search.cases) {
      if (storm.waveform == waveform && storm.outcome == kRoutingCompleted) {
        series.Add(storm.duration, storm.maxLevel);
      }
    }
    chart.series.push_back(std::move(series));
  }
  return chart;
}
