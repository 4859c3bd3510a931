#include <cstdlib>
#include <memory>

#include <QGuiApplication>

#include "cli/picturebytes.h"
#include "qtdraw/chartpicture.h"

namespace {

void StartGui() {
  if (QGuiApplication::instance()) return;
  // No display is needed for pictures; a platform the caller chose is kept.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "vestaro-batch";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> application =
      std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

PictureBytes ChartPictureBytes(const Chart& chart, ChartSize size, PictureFormat format) {
  StartGui();
  return {format == PictureFormat::Png ? ChartPngBytes(chart, size) : ChartSvgBytes(chart, size),
          {}};
}
