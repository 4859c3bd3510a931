#include "cli/manydesigns.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <filesystem>
#include <mutex>
#include <optional>
#include <set>
#include <sstream>
#include <thread>

#include "cli/calccommand.h"
#include "core/design/textfile.h"
#include "core/text/formatnumber.h"

namespace fs = std::filesystem;

namespace {

constexpr int kUsageOrFileError = 2;
// Options of calc that take the next argument as their value.
const std::set<std::string> kOptionsWithValue = {"--out", "--messages", "--observed-waveform",
                                                 "--chart-size"};

bool IsDesignFile(const fs::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".dat";
}

bool IsDirectory(const std::string& arg) {
  std::error_code error;
  return fs::is_directory(arg, error);
}

struct Arguments {
  std::vector<std::string> designs;  // files and directories, in order
  std::vector<std::string> options;  // handed to every run
  fs::path out = ".";
  std::optional<std::string> messagesName;
};

Arguments Split(const std::vector<std::string>& args) {
  Arguments result;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    bool valued = kOptionsWithValue.count(arg) != 0 && i + 1 < args.size();
    if (valued && arg == "--out") {
      result.out = args[++i];
    } else if (valued && arg == "--messages") {
      result.messagesName = fs::path(args[++i]).filename().string();
    } else if (valued) {
      result.options.push_back(arg);
      result.options.push_back(args[++i]);
    } else if (!arg.empty() && arg.front() != '-' && (IsDesignFile(arg) || IsDirectory(arg))) {
      result.designs.push_back(arg);
    } else {
      result.options.push_back(arg);
    }
  }
  return result;
}

// The design files the arguments stand for: a directory for its ".dat" files in name order.
std::vector<fs::path> DesignFiles(const std::vector<std::string>& designs) {
  std::vector<fs::path> files;
  for (const std::string& design : designs) {
    if (!IsDirectory(design)) {
      files.emplace_back(design);
      continue;
    }
    std::vector<fs::path> inside;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(design, error)) {
      if (entry.is_regular_file(error) && IsDesignFile(entry.path())) inside.push_back(entry.path());
    }
    std::sort(inside.begin(), inside.end());
    files.insert(files.end(), inside.begin(), inside.end());
  }
  return files;
}

// A folder name per design: its file name without extension, "_2", "_3", … for repeats.
std::vector<std::string> FolderNames(const std::vector<fs::path>& files) {
  std::vector<std::string> names;
  std::set<std::string> taken;
  for (const fs::path& file : files) {
    std::string stem = file.stem().string();
    std::string name = stem;
    for (int n = 2; taken.count(name) != 0; ++n) name = stem + "_" + std::to_string(n);
    taken.insert(name);
    names.push_back(name);
  }
  return names;
}

struct DesignRun {
  int status = kUsageOrFileError;
  std::string messages;  // what the run wrote to its error stream
  RunFigures figures;
};

DesignRun RunDesign(const fs::path& file, const fs::path& folder, const Arguments& arguments) {
  DesignRun run;
  std::ostringstream err;
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) {
    run.messages = "Cannot create folder \"" + folder.string() + "\".\n";
    return run;
  }
  std::vector<std::string> args{file.string(), "--out", folder.string()};
  if (arguments.messagesName) {
    args.push_back("--messages");
    args.push_back((folder / *arguments.messagesName).string());
  }
  args.insert(args.end(), arguments.options.begin(), arguments.options.end());
  ResultSheet sheet;
  run.status = RunCalcCommand(args, err, &sheet);
  run.messages = err.str();
  run.figures = sheet.Figures;
  return run;
}

const char* KindName(int kind) {
  switch (kind) {
    case 0: return "自然排水";
    case 1: return "水位追跡";
    case 2: return "ポンプ検討";
    default: return "";
  }
}

// A CSV field: quoted when it holds a comma, a quote or a line break; line breaks become blanks.
std::string CsvField(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  std::replace(text.begin(), text.end(), '\r', ' ');
  while (!text.empty() && text.back() == ' ') text.pop_back();
  if (text.find_first_of(",\"") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string SummaryRow(const std::string& design, const DesignRun& run) {
  std::vector<std::string> fields{design, KindName(run.figures.kind)};
  fields.push_back(run.status == 0 ? "完了" : run.messages);
  const RunFigures& f = run.figures;
  if (run.status == 0 && f.available) {
    for (auto [pattern, value] : {std::pair{"0.000", f.maxLevel}, {"0.##", f.maxLevelTime},
                                  {"0.000", f.requiredStorage}, {"0.000", f.maxInflow},
                                  {"0.000", f.maxOutflow}, {"0.000", f.freeboard}}) {
      fields.push_back(FormatNumber(pattern, value));
    }
  }
  std::string row;
  for (std::size_t i = 0; i < fields.size(); ++i) row += (i ? "," : "") + CsvField(fields[i]);
  return row;
}

std::string WriteSummary(const fs::path& path, const std::vector<std::string>& rows) {
  std::vector<std::string> lines{
      "設計,計算種別,結果,最高水位(m),最高水位時間(分),必要調節容量(m3),最大流入量(m3/s),"
      "最大放流量(m3/s),余裕高さ(m)"};
  lines.insert(lines.end(), rows.begin(), rows.end());
  ShiftJisText text = EncodeShiftJisLines(lines);
  if (!text.ok) return text.message;
  return WriteFileAtomically(path, text.bytes);
}

}  // namespace

bool NamesManyDesigns(const std::vector<std::string>& args) {
  Arguments split = Split(args);
  return split.designs.size() > 1 || (split.designs.size() == 1 && IsDirectory(split.designs[0]));
}

int RunManyDesigns(const std::vector<std::string>& args, std::ostream& err, unsigned threads) {
  Arguments arguments = Split(args);
  std::vector<fs::path> files = DesignFiles(arguments.designs);
  if (files.empty()) {
    err << "vestaro-batch calc: no design file (*.dat) found.\n";
    return kUsageOrFileError;
  }
  std::vector<std::string> folders = FolderNames(files);
  const std::size_t total = files.size();
  std::vector<DesignRun> runs(total);

  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::size_t> finished;  // indices in the order the runs ended
  std::atomic<std::size_t> next = 0;
  auto work = [&] {
    for (std::size_t i = next++; i < total; i = next++) {
      DesignRun run = RunDesign(files[i], arguments.out / folders[i], arguments);
      std::lock_guard lock(mutex);
      runs[i] = std::move(run);
      finished.push_back(i);
      changed.notify_one();
    }
  };
  unsigned workers = threads != 0 ? threads : std::max(1u, std::thread::hardware_concurrency());
  workers = static_cast<unsigned>(std::min<std::size_t>(workers, total));
  {
    std::vector<std::jthread> pool;
    for (unsigned w = 0; w < workers; ++w) pool.emplace_back(work);
    // The messages of each design as it ends, then the count so far.
    std::size_t reported = 0;
    std::unique_lock lock(mutex);
    while (reported < total) {
      changed.wait(lock, [&] { return finished.size() > reported; });
      for (; reported < finished.size(); ++reported) {
        std::size_t i = finished[reported];
        err << runs[i].messages << "[" << reported + 1 << "/" << total << "] "
            << files[i].string() << ": "
            << (runs[i].status == 0 ? "完了" : runs[i].status == 1 ? "停止" : "エラー") << '\n'
            << std::flush;
      }
    }
  }

  int worst = 0;
  std::vector<std::string> rows;
  for (std::size_t i = 0; i < total; ++i) {
    worst = std::max(worst, runs[i].status);
    rows.push_back(SummaryRow(files[i].string(), runs[i]));
  }
  std::error_code error;
  fs::create_directories(arguments.out, error);
  std::string fault = WriteSummary(arguments.out / kSummaryFileName, rows);
  if (!fault.empty()) {
    err << fault << '\n';
    return kUsageOrFileError;
  }
  return worst;
}
