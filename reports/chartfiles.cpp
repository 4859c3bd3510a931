#include "reports/chartfiles.h"

std::vector<ChartFile> ChartFilesForKind(int calcKind) {
  std::vector<ChartFile> files{
      {"HQ曲線", &ResultSheet::RatingChart, kRatingChartSize},
      {"HF曲線", &ResultSheet::AreaChart, kAreaChartSize},
      {"HV曲線", &ResultSheet::StorageChart, kStorageChartSize},
      {"降雨波形", &ResultSheet::HyetographChart, kHyetographChartSize},
      {"流出ハイドロ", &ResultSheet::RunoffChart, kRunoffChartSize},
  };
  if (calcKind == 2) {
    files.push_back({"内水計算結果", &ResultSheet::PondingChart, kPondingChartSize});
  } else {
    files.push_back({"時間～流入,放流量", &ResultSheet::DischargeChart, kDischargeChartSize});
    files.push_back({"時間～水位", &ResultSheet::LevelChart, kLevelChartSize});
  }
  return files;
}
