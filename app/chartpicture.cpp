#include "app/chartpicture.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "qtdraw/paintercanvas.h"

namespace {

void Draw(const Chart& chart, const ChartStyle& style, QSize size, QPaintDevice& device) {
  QPainter painter(&device);
  painter.setRenderHint(QPainter::Antialiasing);
  PainterCanvas canvas(painter);
  RenderChart(chart, canvas, {0, 0, static_cast<double>(size.width()),
                              static_cast<double>(size.height())}, style);
}

}  // namespace

bool SaveChartPicture(const Chart& chart, const ChartStyle& style, QSize size,
                      const QString& path) {
  if (size.isEmpty()) return false;
  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QString::fromStdString(chart.title));
    Draw(chart, style, size, svg);
    // The generator reports no failure of its own: look for the file it should have made.
    return QFileInfo(path).isFile() && QFileInfo(path).size() > 0;
  }
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  Draw(chart, style, size, image);
  return image.save(path, "PNG");
}
