#include "app/chartwidget.h"

#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "app/chartpicture.h"
#include "core/text/formatnumber.h"
#include "qtdraw/paintercanvas.h"

namespace {

// An axis without a format of its own shows its values with up to three decimals.
constexpr std::string_view kPlainFormat = "#,##0.###";

QString AxisValue(const ChartAxis& axis, double value) {
  std::string_view format = axis.format.empty() ? kPlainFormat : std::string_view(axis.format);
  return QString::fromStdString(FormatNumber(format, value));
}

QString AxisName(const ChartAxis& axis, QLatin1Char fallback) {
  return axis.title.empty() ? QString(fallback) : QString::fromStdString(axis.title);
}

}  // namespace

ChartWidget::ChartWidget(const Chart& chart, QWidget* parent) : QWidget(parent), m_chart(chart) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(160, 120);
}

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
  const ChartLayout layout =
      LayoutChart(m_chart, canvas,
                  {0, 0, static_cast<double>(width()), static_cast<double>(height())}, m_style);
  const CanvasRect& plot = layout.plot;
  if (!layout.xUsable || !layout.yUsable || plot.width <= 0 || plot.height <= 0) return {};
  if (position.x() < plot.left || position.x() > plot.right() || position.y() < plot.top ||
      position.y() > plot.bottom()) {
    return {};
  }
  const double x = layout.xMinimum +
                   (position.x() - plot.left) / plot.width * (layout.xMaximum - layout.xMinimum);
  const double y = layout.yMinimum + (plot.bottom() - position.y()) / plot.height *
                                         (layout.yMaximum - layout.yMinimum);
  return AxisName(m_chart.bottom, QLatin1Char('x')) + QStringLiteral(": ") +
         AxisValue(m_chart.bottom, x) + QStringLiteral("　") +
         AxisName(m_chart.left, QLatin1Char('y')) + QStringLiteral(": ") +
         AxisValue(m_chart.left, y);
}

bool ChartWidget::saveImageAs() {
  if (!m_askSaveName) return false;
  const QString path = m_askSaveName(ChartPictureName(m_chart));
  if (path.isEmpty()) return false;
  if (SaveChartPicture(m_chart, m_style, size(), path)) return true;
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
