#include "cli/calccommand.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <sstream>

#include "core/design/designfile.h"
#include "core/design/textfile.h"
#include "core/interaction/recordinginteraction.h"
#include "tests/support/testfiles.h"

using testing_support::DataFile;
using testing_support::ReadBytes;
using testing_support::ScratchDir;

namespace {

struct CalcRun {
  int status;
  std::string err;
};

CalcRun Calc(std::vector<std::string> args) {
  std::ostringstream err;
  int status = RunCalcCommand(args, err);
  return {status, err.str()};
}

// A copy of the start-up design with some fields changed, saved as `name` in `dir`.
std::string DesignWith(const std::filesystem::path& dir, const std::string& name,
                       void (*change)(DesignForm&)) {
  DesignForm form;
  SetStartupValues(form);
  change(form);
  RecordingInteraction ui;
  EXPECT_TRUE(SaveConditions(form, dir / name, ui));
  return (dir / name).string();
}

}  // namespace

TEST(CalcCommandTest, TheStartupDesignCompletesAndItsReportIsWholeAndExact) {
  std::filesystem::path dir = ScratchDir();
  CalcRun run = Calc({DataFile("design/startup.dat").string(), "--out", dir.string(), "--messages",
                      (dir / "messages.txt").string()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err,
            "設計条件を読込みました。\n"
            "計算結果をテキスト出力しますか。\n\n出力ファイル名は\n　調節池.txt\nです。 [はい]\n"
            "テキスト出力終わりました。\n"
            "調節池計算結果.pdfを作成しました\n");
  EXPECT_EQ(ReadBytes(dir / "messages.txt"), "");  // loading and reporting are not the run's
  std::string report = ReadBytes(dir / "調節池.txt");
  std::string head = ReadBytes(DataFile("report/startup-report-head.txt"));
  ASSERT_GE(report.size(), head.size());
  EXPECT_EQ(report.substr(0, head.size()), head);
  // The pond section: the routing explanation and the routing table with its marked peak row.
  EXPECT_EQ(report.substr(head.size()), ReadBytes(DataFile("report/startup-report-tail.txt")));
}

TEST(CalcCommandTest, AStoppedRunExitsWithOneWritesItsMessagesAndNoReport) {
  std::filesystem::path dir = ScratchDir();
  std::string design = DesignWith(dir, "bad.dat", [](DesignForm& form) {
    form.LowerSill = "HL";
    form.SpillwayWidth = "W";
  });
  CalcRun run = Calc({design, "--messages", (dir / "m.txt").string(), "--out", dir.string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(ReadBytes(dir / "m.txt"),
            "ｵﾘﾌｨｽ敷高が不正です。\\r\\r訂正して下さい。\n余水吐き幅が不正です。\\r\\r訂正して下さ"
            "い。\n");
  EXPECT_NE(run.err.find("ｵﾘﾌｨｽ敷高が不正です。\n\n訂正して下さい。\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir / "調節池.txt"));
  EXPECT_FALSE(std::filesystem::exists(dir / "調節池計算結果.pdf"));
}

TEST(CalcCommandTest, OptionsSetWhatTheDesignFileDoesNotHold) {
  std::filesystem::path dir = ScratchDir();
  std::string design = DesignWith(dir, "observed.dat", [](DesignForm& form) {
    form.ChooseIntensitySource(2);
    form.ObservedGrid.SetRowCount(4);
    form.ObservedGrid.SetRowFromCommaText(2, "1,20,12.5");
    form.ObservedGrid.SetRowFromCommaText(3, "2,40,30");
    form.C2 = "0.85";
  });
  CalcRun run = Calc({design, "--observed-waveform", "1", "--mono", "--out", dir.string(),
                      "--messages", (dir / "m.txt").string()});
  EXPECT_EQ(run.status, 0);  // a warning does not stop the run
  EXPECT_EQ(ReadBytes(dir / "m.txt"),
            "通常C2=0.6です。\\r\\r計算は続行しますが、\\r確認して下さい。\n");
  TextFileLines report = ReadShiftJisLines(dir / "調節池.txt");
  ASSERT_TRUE(report.ok);
  EXPECT_NE(std::find(report.lines.begin(), report.lines.end(), "  降雨波形=後方集中型"),
            report.lines.end());
}

TEST(CalcCommandTest, UsageErrorsAndUnloadableDesignsExitWithTwo) {
  std::filesystem::path dir = ScratchDir();
  std::string startup = DataFile("design/startup.dat").string();
  for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                               {"--mono"},
                                               {startup, "--observed-waveform", "2"},
                                               {startup, "--out"},
                                               {startup, startup},
                                               {startup, "--colour"}}) {
    CalcRun run = Calc(args);
    EXPECT_EQ(run.status, 2) << args.size();
    EXPECT_EQ(run.err.rfind("usage: vestaro-batch calc", 0), 0u);
  }
  CalcRun missing = Calc({(dir / "none.dat").string(), "--out", dir.string()});
  EXPECT_EQ(missing.status, 2);
  EXPECT_FALSE(std::filesystem::exists(dir / "調節池.txt"));
  CalcRun unwritable = Calc({startup, "--out", startup + "/x"});
  EXPECT_EQ(unwritable.status, 2);
  EXPECT_NE(unwritable.err.find("Cannot create folder \"" + startup + "/x\". Not a directory"),
            std::string::npos);
}

TEST(CalcCommandTest, OutputFoldersAreCreatedAndRefusedOutputPathsSayWhy) {
  std::filesystem::path dir = ScratchDir();
  std::string startup = DataFile("design/startup.dat").string();
  EXPECT_EQ(Calc({startup, "--out", (dir / "a" / "b").string()}).status, 0);
  EXPECT_TRUE(std::filesystem::exists(dir / "a" / "b" / "調節池計算結果.pdf"));

  CalcRun messages = Calc({startup, "--out", dir.string(), "--messages",
                           (dir / "missing" / "m.txt").string()});
  EXPECT_EQ(messages.status, 2);
  EXPECT_NE(messages.err.find("Cannot create file \"" + (dir / "missing" / "m.txt").string() +
                              "\". No such file or directory"),
            std::string::npos);
}

// Fills up the disk for this process: writes beyond `bytes` in any file fail with EFBIG.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_previous);
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_previous;
    limit.rlim_cur = bytes;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_previous);
    std::signal(SIGXFSZ, m_handler);
  }

 private:
  rlimit m_previous{};
  void (*m_handler)(int) = nullptr;
};

TEST(CalcCommandTest, TheReportsReplaceTheOldOnesAsAPairOrNotAtAll) {
  std::filesystem::path dir = ScratchDir();
  std::string design = DataFile("design/startup.dat").string();
  ASSERT_EQ(Calc({design, "--out", dir.string()}).status, 0);
  const std::string oldText = ReadBytes(dir / "調節池.txt");
  const std::string oldPdf = ReadBytes(dir / "調節池計算結果.pdf");
  ASSERT_GT(oldPdf.size(), 2 * oldText.size());

  std::string changed = DesignWith(dir, "changed.dat", [](DesignForm& form) { form.Margin = "1.2"; });
  // The disk fills up at the first file (the text report), then at the second (the PDF).
  for (rlim_t limit : {oldText.size() / 2, 2 * oldText.size()}) {
    CalcRun run;
    {
      FileSizeLimit full(limit);
      run = Calc({changed, "--out", dir.string()});
    }
    EXPECT_EQ(run.status, 2) << limit;
    EXPECT_NE(run.err.find("\". File too large"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("終わりました"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir / "調節池.txt"), oldText);
    EXPECT_EQ(ReadBytes(dir / "調節池計算結果.pdf"), oldPdf);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"changed.dat", "調節池.txt", "調節池計算結果.pdf"}));
  }

  ASSERT_EQ(Calc({changed, "--out", dir.string()}).status, 0);
  EXPECT_NE(ReadBytes(dir / "調節池.txt"), oldText);
  EXPECT_NE(ReadBytes(dir / "調節池計算結果.pdf"), oldPdf);
}

TEST(CalcCommandTest, PumpKindsRunToTheEndAndReportTheirPondSection) {
  std::filesystem::path dir = ScratchDir();
  std::string tracking = DesignWith(dir, "tracking.dat", [](DesignForm& form) {
    form.SelectOutletPage(1);
    form.ChoosePumpCalcKind(0);
    form.PumpCapacity = "5.0";
  });
  EXPECT_EQ(Calc({tracking, "--out", dir.string()}).status, 0);
  TextFileLines report = ReadShiftJisLines(dir / "調節池.txt");
  ASSERT_TRUE(report.ok);
  auto title = std::find(report.lines.begin(), report.lines.end(), "4.調節池計算結果(水位追跡)");
  ASSERT_NE(title, report.lines.end());
  EXPECT_EQ(*(title - 2), "    最大放流量   =5.000m3/s");
  EXPECT_EQ(*(title + 3), "         1:        20:     00:20:  1.766588:  5.000000:         -:"
                          "    24.000:    79.000:     0.000:");

  std::string study = DesignWith(dir, "study.dat", [](DesignForm& form) {
    form.SelectOutletPage(1);
    form.ChoosePumpCalcKind(1);
  });
  EXPECT_EQ(Calc({study, "--out", dir.string()}).status, 0);
  report = ReadShiftJisLines(dir / "調節池.txt");
  title = std::find(report.lines.begin(), report.lines.end(), "4.湛水グラフ(ポンプ検討)");
  ASSERT_NE(title, report.lines.end());
  EXPECT_EQ(*(title + 3), "         1:     2,000:     33:20:     0.000:     1.600:         -:"
                          "    33.900:62,808.504:333,627.037:");

  std::string overflow = DesignWith(dir, "overflow.dat", [](DesignForm& form) {
    form.SelectOutletPage(1);
    form.ChoosePumpCalcKind(0);
    form.PumpCapacity = "0.5";
  });
  std::filesystem::path none = dir / "none";
  std::filesystem::create_directories(none);
  CalcRun stopped = Calc({overflow, "--out", none.string()});
  EXPECT_EQ(stopped.status, 1);
  EXPECT_NE(stopped.err.find("調節池容量の再検討が必要です。\n計算を停止します。\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(none / "調節池.txt"));
}
