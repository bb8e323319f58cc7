#pragma once

#include <QByteArray>

// QSvgGenerator writes every piece's whole style again, in a group of its
// own; a figure of the largest network holds tens of thousands of them.
// The same drawing with each style written once, as a CSS class, and each
// piece as a path with its class and its geometry: what any renderer draws
// of it is unchanged, to the pixel. Groups that hold anything but paths
// and polylines (the background, text) are kept as they were.

namespace ts {

QByteArray compactSvg(const QByteArray &generated);

} // namespace ts
