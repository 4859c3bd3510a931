#pragma once
/// A chart of the result sheet on screen: the chart renderer on QPainter, filling the widget and
/// following its size. It reads the chart it was given on every paint, so its owner only calls
/// update() when the chart has changed. Under the mouse pointer it reports the x and y values in
/// the axes' number formats, and its context menu saves the chart as a PNG or SVG picture.

#include <QWidget>
#include <functional>

#include "charts/chartrenderer.h"
#include "charts/chartsizes.h"
#include "results/chart.h"

class ChartWidget final : public QWidget {
  Q_OBJECT

 public:
  /// Asks where to save the picture; an empty text cancels.
  using PictureFileAsker = std::function<QString()>;

  /// Shows `chart`, which outlives the widget, at its on-screen `size` unless the page is smaller
  /// or larger; pictures are saved at that size.
  ChartWidget(const Chart& chart, ChartSize size, QWidget* parent = nullptr);

  QSize sizeHint() const override;

  const Chart& chart() const { return m_chart; }
  void setStyle(const ChartStyle& style);
  void setPictureFileAsker(PictureFileAsker asker) { m_askPictureFile = std::move(asker); }

  /// The values at a point of the widget as "x title: x　y title: y" in the axes' formats;
  /// empty outside the plot box or while the chart has no usable ranges.
  QString valuesAt(QPointF position) const;

  /// Asks for a file name and saves the chart there at its on-screen size; returns whether a
  /// picture was written. "画像として保存…" of the context menu.
  bool saveImageAs();

 signals:
  /// The text for the window's status line: the values under the pointer, or empty.
  void pointerValuesChanged(const QString& text);
  /// A picture could not be written to `path`.
  void saveFailed(const QString& path);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  const Chart& m_chart;
  QSize m_size;
  ChartStyle m_style;
  PictureFileAsker m_askPictureFile;
};
