#pragma once

#include "figure/figure.h"

#include <QSize>
#include <QSizeF>
#include <QString>

// Figures as files, whole or not at all: SVG and PDF as vectors with text
// as text, other suffixes as pictures.

namespace ts {

enum class FigureFormat { Picture, Svg, Pdf };

// By the name's suffix: .svg, .pdf, anything else a picture (PNG without one).
FigureFormat figureFormat(const QString &path);

// Without a view to take the size from.
inline constexpr QSize kDefaultFigurePixels{800, 800};
// A5 landscape, and the resolution a PDF's drawing is laid out at.
inline constexpr QSizeF kDefaultPdfMillimetres{210, 148};
constexpr int kPdfDotsPerInch = 300;
// Kept clear on every side of a PDF page.
constexpr double kPdfMarginMillimetres = 10;

// Writes the figure drawn as vectors. `size` is in pixels for pictures and
// SVG, in millimetres for PDF. On failure nothing is left at the path and
// *error says why.
// The text with what XML forbids left out (NUL, ESC and other controls,
// lone surrogates), as lesson text must be before it goes into an SVG.
QString xmlSafeText(const QString &text);

// The SVG or PDF of a figure in memory, as writeFigure() would write it.
bool vectorFigure(FigureFormat format, const FigureContent &content, const FigureOptions &options, const QSizeF &size,
                  QByteArray *bytes, QString *error);

bool writeFigure(const QString &path, const FigureContent &content, const FigureOptions &options, const QSizeF &size,
                 QString *error);

} // namespace ts
