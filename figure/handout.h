#pragma once

#include "core/lesson.h"
#include "figure/figure.h"
#include "figure/figurefile.h"

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <QStringList>

// A lesson's scenes to hand out: a PDF with a page per scene (the figure,
// the scene's title and notes, the lesson's title and the page number in
// the margins; long notes go on over the next pages), or a folder of
// numbered SVG or PNG figures, one per scene. No display needed.

namespace ts {

// A4 portrait: what a class prints on.
inline constexpr QSizeF kHandoutPageMillimetres{210, 297};

// The PDF in memory.
bool handoutPdf(const Lesson &lesson, const FigureOptions &options, const QSizeF &pageMillimetres, QByteArray *bytes,
                QString *error);

// A scene's file in a handout folder: "03-one-route-stepped.svg", numbered
// with as many digits as the count needs (at least two).
QString handoutFileName(const Lesson &lesson, int scene, FigureFormat format);

// Writes the handout: a PDF file (size: the page in millimetres), or for
// SVG and PNG a folder, made if missing, of one figure per scene (size in
// pixels). Every file whole or not at all; *written lists those written.
bool writeHandout(const QString &path, FigureFormat format, const Lesson &lesson, const FigureOptions &options,
                  const QSizeF &size, QStringList *written, QString *error);

} // namespace ts
