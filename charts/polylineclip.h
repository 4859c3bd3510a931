#pragma once
/// Cuts a polyline to a rectangle, so that what a canvas receives lies inside the plot box
/// whatever the data (a metafile holds 16-bit coordinates only).

#include <span>
#include <vector>

#include "charts/canvas.h"

/// The pieces of the polyline that lie inside `box`, each with at least two points, in order.
/// A non-finite point breaks the line.
std::vector<std::vector<CanvasPoint>> ClipPolyline(std::span<const CanvasPoint> points,
                                                   const CanvasRect& box);
