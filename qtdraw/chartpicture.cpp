#include "qtdraw/chartpicture.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include "qtdraw/paintercanvas.h"

namespace {

void Draw(QPaintDevice& device, const Chart& chart, ChartSize size, const ChartStyle& style) {
  QPainter painter(&device);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  PainterCanvas canvas(painter);
  RenderChart(chart, canvas, {0, 0, static_cast<double>(size.width), static_cast<double>(size.height)},
              style);
}

std::string Bytes(const QByteArray& bytes) {
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

QImage ChartImage(const Chart& chart, ChartSize size, const ChartStyle& style) {
  QImage image(size.width, size.height, QImage::Format_RGB32);
  image.fill(Qt::white);
  Draw(image, chart, size, style);
  return image;
}

std::string ChartPngBytes(const Chart& chart, ChartSize size, const ChartStyle& style) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  ChartImage(chart, size, style).save(&buffer, "PNG");
  return Bytes(bytes);
}

std::string ChartSvgBytes(const Chart& chart, ChartSize size, const ChartStyle& style) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(size.width, size.height));
  svg.setViewBox(QRect(0, 0, size.width, size.height));
  svg.setResolution(96);
  svg.setTitle(QString::fromStdString(chart.title));
  Draw(svg, chart, size, style);
  return Bytes(bytes);
}
