#include "cli/picturebytes.h"

PictureBytes ChartPictureBytes(const Chart&, ChartSize, PictureFormat) {
  return {{}, "PNG and SVG files need a build with Qt (VESTARO_QT)."};
}
