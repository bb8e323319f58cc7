#include "figure/figurefile.h"

#include "figure/svgcompact.h"

#include "core/wholefile.h"
#include "figure/imagefile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

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

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

// What XML 1.0 allows in text: a lesson's title may hold NUL, ESC or a lone
// surrogate, which would make the whole SVG unreadable.
bool allowedInXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

QString figureTitle(const FigureContent &content)
{
    const QString parameters = figureParameters(content.network);
    return content.title.isEmpty() ? parameters : content.title + QStringLiteral(": ") + parameters;
}

bool paintVectors(QIODevice *device, FigureFormat format, const FigureContent &content, const FigureOptions &options,
                  const QSizeF &size, QString *error)
{
    QPainter painter;
    if (format == FigureFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(device);
        // A CSS pixel is 1/96 inch: the size in millimetres is then the
        // size in pixels for browsers and editors.
        svg.setResolution(kCssPixelsPerInch);
        svg.setSize(size.toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), size));
        // The generator escapes the text it draws but writes the title and
        // description as they come.
        svg.setTitle(figureTitle(content).toHtmlEscaped());
        svg.setDescription(QStringLiteral("Transpose Switch network"));
        if (!painter.begin(&svg))
            return fail(error, QObject::tr("The drawing could not be started."));
        Figure(content, options, size).paint(painter);
        return painter.end() || fail(error, QObject::tr("The drawing could not be finished."));
    }
    QPdfWriter pdf(device);
    pdf.setTitle(figureTitle(content));
    pdf.setCreator(QStringLiteral("transpose-switch"));
    pdf.setResolution(kPdfDotsPerInch);
    pdf.setPageSize(QPageSize(size, QPageSize::Millimeter));
    // Printers cut near the edge: the figure keeps clear of it, on a page
    // large enough to afford that.
    const double margin = std::min(kPdfMarginMillimetres, std::min(size.width(), size.height()) / 4);
    pdf.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    if (!painter.begin(&pdf))
        return fail(error, QObject::tr("The document could not be started."));
    Figure(content, options, QSizeF(pdf.width(), pdf.height())).paint(painter);
    return painter.end() || fail(error, QObject::tr("The document could not be finished."));
}
} // namespace

QString xmlSafeText(const QString &text)
{
    QString safe;
    safe.reserve(text.size());
    for (const char32_t c : text.toUcs4()) // a lone surrogate comes out as U+FFFD
        if (allowedInXml(c))
            safe += QString::fromUcs4(&c, 1);
    return safe;
}

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
    // Drawn in memory first and written whole, so that a drawing that fails
    // half-way or a full disk leaves the old file as it was.
    QByteArray bytes;
    return vectorFigure(format, content, options, size, &bytes, error) && writeWholeFile(path, bytes, error);
}

bool vectorFigure(FigureFormat format, const FigureContent &content, const FigureOptions &options, const QSizeF &size,
                  QByteArray *bytes, QString *error)
{
    if (size.isEmpty())
        return fail(error, QObject::tr("The figure has no size."));
    if (format == FigureFormat::Picture)
        return fail(error, QObject::tr("A picture is not drawn as vectors."));
    FigureContent safe = content;
    safe.title = xmlSafeText(content.title);
    QBuffer buffer(bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!paintVectors(&buffer, format, safe, options, size, error))
        return false;
    if (format == FigureFormat::Svg)
        *bytes = compactSvg(*bytes);
    return true;
}

} // namespace ts
