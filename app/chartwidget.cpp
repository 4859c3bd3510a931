#include "app/chartwidget.h"

#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "app/chartpicture.h"
#include "charts/axisscale.h"
#include "core/text/formatnumber.h"
#include "qtdraw/paintercanvas.h"

namespace {

QString AxisValue(const ChartAxis& axis, double value) {
  return QString::fromStdString(FormatNumber(AxisFormat(axis), value));
}

QString AxisName(const ChartAxis& axis, QLatin1Char fallback) {
  return axis.title.empty() ? QString(fallback) : QString::fromStdString(axis.title);
}

}  // namespace

ChartWidget::ChartWidget(const Chart& chart, ChartSize size, QWidget* parent)
    : QWidget(parent), m_chart(chart), m_size(size.width, size.height) {
  // On screen the Gothic face: at 12 px the Mincho face draws "." and "," nearly alike, and
  // "32.000" must not read as thirty-two thousand.
  m_style.fontFace = "ＭＳ ゴシック";
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(m_size / 2);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize ChartWidget::sizeHint() const { return m_size; }

void ChartWidget::setStyle(const ChartStyle& style) {
  m_style = style;
  update();
}

QString ChartWidget::valuesAt(QPointF position) const {
  // The layout is measured with the same fonts as the paint; a pixel-sized font measures the
  // same on any device.
  QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&scratch);
  PainterCanvas canvas(painter);
  canvas.SetFont(ChartTextFont(m_style));
  const ChartLayout layout =
      LayoutChart(m_chart, canvas,
                  {0, 0, static_cast<double>(width()), static_cast<double>(height())}, m_style);
  const CanvasRect& plot = layout.plot;
  if (!layout.xUsable || !layout.yUsable || plot.width <= 0 || plot.height <= 0) return {};
  if (position.x() < plot.left || position.x() > plot.right() || position.y() < plot.top ||
      position.y() > plot.bottom()) {
    return {};
  }
  const CanvasPoint value = PlotValue(layout, {position.x(), position.y()});
  return AxisName(m_chart.bottom, QLatin1Char('x')) + QStringLiteral(": ") +
         AxisValue(m_chart.bottom, value.x) + QStringLiteral("　") +
         AxisName(m_chart.left, QLatin1Char('y')) + QStringLiteral(": ") +
         AxisValue(m_chart.left, value.y);
}

bool ChartWidget::saveImageAs() {
  if (!m_askPictureFile) return false;
  const QString path = m_askPictureFile();
  if (path.isEmpty()) return false;
  if (SaveChartPicture(m_chart, m_style, m_size, path)) return true;
  emit saveFailed(path);
  return false;
}

void ChartWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  PainterCanvas canvas(painter);
  RenderChart(m_chart, canvas,
              {0, 0, static_cast<double>(width()), static_cast<double>(height())}, m_style);
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
  emit pointerValuesChanged(valuesAt(event->position()));
}

void ChartWidget::leaveEvent(QEvent*) { emit pointerValuesChanged({}); }

void ChartWidget::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  connect(menu.addAction(QStringLiteral("画像として保存…")), &QAction::triggered, this,
          &ChartWidget::saveImageAs);
  menu.exec(event->globalPos());
}
