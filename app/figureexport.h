#pragma once

#include "figure/figure.h"

#include <QImage>
#include <QSize>
#include <QString>

class GLBox;

// What the view shows, as a figure: its document, focus and stepped route.
ts::FigureContent viewFigureContent(const GLBox *view);

// The figure as a picture drawn by GL, exactly as the screen draws the
// model, with the caption, legend and labels painted over it; null, and
// *error saying why, where GL cannot draw it off screen.
QImage renderFigurePicture(GLBox *view, const ts::FigureOptions &options, const QSize &devicePixels, QString *error);
