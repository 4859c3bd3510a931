#pragma once
/// Draws a page of the printed report. The page's data is in page pixels (96 per inch); the
/// painter is scaled so that the paper fills the given rectangle of whatever device it paints
/// on, so a printer, the preview and a test image are drawn alike.

#include <QRectF>

#include "charts/canvas.h"
#include "reports/printedpage.h"

class QPainter;

/// Draws the page on a canvas in page pixels: the frame, the bands with their rules and texts,
/// the texts, memos, charts and ruled tables.
void DrawPage(const PrintedPage& page, Canvas& canvas);

/// Draws the page on `painter` with the paper (794 × 1123 page pixels) scaled into `paper`,
/// keeping its proportions; `paper` is in the painter's current coordinates.
void PaintPage(const PrintedPage& page, QPainter& painter, const QRectF& paper);
