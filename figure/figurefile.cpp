#include "figure/figurefile.h"

#include "figure/imagefile.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace ts {

FigureFormat figureFormat(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg"))
        return FigureFormat::Svg;
    if (suffix == QLatin1String("pdf"))
        return FigureFormat::Pdf;
    return FigureFormat::Picture;
}

namespace {
constexpr int kCssPixelsPerInch = 96;

QString figureTitle(const FigureContent &content)
{
    const QString parameters = figureParameters(content.network);
    return content.title.isEmpty() ? parameters : content.title + QStringLiteral(": ") + parameters;
}

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

bool writeVectors(QSaveFile &file, FigureFormat format, const FigureContent &content, const FigureOptions &options,
                  const QSizeF &size, QString *error)
{
    QPainter painter;
    if (format == FigureFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        // A CSS pixel is 1/96 inch: the size in millimetres is then the
        // size in pixels for browsers and editors.
        svg.setResolution(kCssPixelsPerInch);
        svg.setSize(size.toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), size));
        svg.setTitle(figureTitle(content));
        svg.setDescription(QStringLiteral("Transpose Switch network"));
        if (!painter.begin(&svg))
            return fail(error, QObject::tr("The drawing could not be started."));
        Figure(content, options, size).paint(painter);
        return painter.end() || fail(error, QObject::tr("The drawing could not be finished."));
    }
    QPdfWriter pdf(&file);
    pdf.setTitle(figureTitle(content));
    pdf.setCreator(QStringLiteral("transpose-switch"));
    pdf.setResolution(kPdfDotsPerInch);
    pdf.setPageSize(QPageSize(size, QPageSize::Millimeter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    if (!painter.begin(&pdf))
        return fail(error, QObject::tr("The document could not be started."));
    Figure(content, options, QSizeF(pdf.width(), pdf.height())).paint(painter);
    return painter.end() || fail(error, QObject::tr("The document could not be finished."));
}
} // namespace

bool writeFigure(const QString &path, const FigureContent &content, const FigureOptions &options, const QSizeF &size,
                 QString *error)
{
    const FigureFormat format = figureFormat(path);
    if (size.isEmpty())
        return fail(error, QObject::tr("The figure has no size."));
    if (format == FigureFormat::Picture) {
        QImage image(size.toSize(), QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            return fail(error, QObject::tr("There is not enough memory for a picture of %1 x %2 pixels.")
                                   .arg(size.width())
                                   .arg(size.height()));
        QPainter painter(&image);
        Figure(content, options, size).paint(painter);
        painter.end();
        return writeImageFile(image, path, error);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    if (!writeVectors(file, format, content, options, size, error)) {
        file.cancelWriting();
        return false;
    }
    return file.commit() || fail(error, file.errorString());
}

} // namespace ts
