#include "app/waveformpicture.h"

#include <QPainter>
#include <array>

namespace {

// Block heights, largest first, and where each waveform places them.
constexpr std::array<int, 9> kBlockHeights{50, 30, 22, 17, 13, 10, 8, 7, 6};
constexpr std::array<std::array<int, 9>, 3> kPlacement{{
    {8, 6, 4, 2, 0, 1, 3, 5, 7},  // centred, the second block after the peak
    {7, 5, 3, 1, 0, 2, 4, 6, 8},  // centred, the second block before the peak
    {8, 7, 6, 5, 4, 3, 2, 1, 0},  // the peak at the end
}};

}  // namespace

WaveformPicture::WaveformPicture(int waveform, QWidget* parent)
    : QWidget(parent), m_waveform(waveform) {
  setMinimumSize(sizeHint());
}

void WaveformPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const int base = height() - 8;
  const int blockWidth = (width() - 20) / static_cast<int>(kBlockHeights.size());
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(QColor(90, 140, 220));
  for (std::size_t i = 0; i < kBlockHeights.size(); ++i) {
    const int height = kBlockHeights[static_cast<std::size_t>(kPlacement[m_waveform][i])];
    const int left = 10 + static_cast<int>(i) * blockWidth;
    painter.drawRect(left, base - height, blockWidth, height);
  }
  painter.drawLine(6, base, width() - 6, base);
}
