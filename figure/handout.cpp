#include "figure/handout.h"

#include "core/wholefile.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <memory>

namespace ts {

namespace {
constexpr double kRunningMillimetres = 10; // the lesson's title and the page number keep this clear of the edge
constexpr double kBodyMillimetres = 18;    // the page's body, inside the running lines
constexpr double kGapMillimetres = 4;
constexpr double kHeadingPoints = 16;
constexpr double kNotesPoints = 11;
constexpr double kRunningPoints = 9;
constexpr double kFigureShareOfWidth = 0.8;  // a figure is at most this tall, of the body's width,
constexpr double kFigureShareOfHeight = 0.5; // and of its height
constexpr int kMaxSlugLength = 40;

double dots(double millimetres)
{
    return millimetres * kPdfDotsPerInch / 25.4;
}

double pointPixels(double points)
{
    return points * kPdfDotsPerInch / 72.0;
}

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

// The notes laid out for the page's width, cut between lines into the
// slices that fit: the first beside the heading and figure, the others on
// pages of their own.
struct NotesLayout
{
    struct Line
    {
        QTextLine line;
        QPointF blockAt; // where its block lies in the text
        double top, bottom;
    };
    std::unique_ptr<QTextDocument> text;
    std::vector<Line> lines;
    std::vector<std::pair<double, double>> slices; // [top, bottom) in the text's own coordinates
};

NotesLayout layOutNotes(const QString &notes, QPaintDevice *device, double width, double firstRoom, double fullRoom)
{
    NotesLayout laid;
    laid.text = std::make_unique<QTextDocument>();
    laid.text->documentLayout()->setPaintDevice(device);
    laid.text->setDocumentMargin(0);
    laid.text->setDefaultFont(figureFont(pointPixels(kNotesPoints)));
    laid.text->setPlainText(notes);
    laid.text->setTextWidth(width);
    std::vector<double> tops, bottoms;
    for (QTextBlock block = laid.text->begin(); block.isValid(); block = block.next()) {
        const QPointF blockAt = laid.text->documentLayout()->blockBoundingRect(block).topLeft();
        const QTextLayout *lines = block.layout();
        for (int l = 0; l < lines->lineCount(); ++l) {
            const QTextLine line = lines->lineAt(l);
            tops.push_back(blockAt.y() + line.y());
            bottoms.push_back(blockAt.y() + line.y() + line.height());
            laid.lines.push_back({line, blockAt, tops.back(), bottoms.back()});
        }
    }
    double start = 0, room = firstRoom;
    std::size_t next = 0;
    while (next < tops.size()) {
        std::size_t end = next;
        while (end < tops.size() && bottoms[end] - start <= room)
            ++end;
        if (end == next) {
            if (room < fullRoom) { // no room beside the figure: all on the next page
                laid.slices.emplace_back(start, start);
                room = fullRoom;
                continue;
            }
            ++end; // a line taller than a page goes alone, cut
        }
        const double bottom = end < tops.size() ? tops[end] : bottoms.back();
        laid.slices.emplace_back(start, bottom);
        start = bottom;
        room = fullRoom;
        next = end;
    }
    if (laid.slices.empty())
        laid.slices.emplace_back(0.0, 0.0);
    return laid;
}

QString slug(const QString &title)
{
    QString made;
    for (const QChar c : title.toLower()) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            made += c;
        else if (!made.isEmpty() && !made.endsWith(QLatin1Char('-')))
            made += QLatin1Char('-');
        if (made.size() >= kMaxSlugLength)
            break;
    }
    while (made.endsWith(QLatin1Char('-')))
        made.chop(1);
    return made;
}
} // namespace

bool handoutPdf(const Lesson &lesson, const FigureOptions &options, const QSizeF &pageMillimetres, QByteArray *bytes,
                QString *error)
{
    if (pageMillimetres.isEmpty())
        return fail(error, QObject::tr("The page has no size."));
    QBuffer buffer(bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(xmlSafeText(lesson.title));
    pdf.setCreator(QStringLiteral("transpose-switch"));
    pdf.setResolution(kPdfDotsPerInch);
    pdf.setPageSize(QPageSize(pageMillimetres, QPageSize::Millimeter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);

    // A small page keeps a quarter of its shorter side for each margin at most.
    const double shorter = std::min(pageMillimetres.width(), pageMillimetres.height());
    const double running = dots(std::min(kRunningMillimetres, shorter / 8));
    const double margin = dots(std::min(kBodyMillimetres, shorter / 4));
    const QRectF page(0, 0, pdf.width(), pdf.height());
    const QRectF body = page.adjusted(margin, margin, -margin, -margin);
    const double gap = dots(kGapMillimetres);
    const QFont headingFont = [] {
        QFont font = figureFont(pointPixels(kHeadingPoints));
        font.setBold(true);
        return font;
    }();
    const QFont runningFont = figureFont(pointPixels(kRunningPoints));
    const double figureHeight = std::min(body.width() * kFigureShareOfWidth, body.height() * kFigureShareOfHeight);

    // Laid out first, so that every page can say how many there are.
    struct ScenePages
    {
        QString heading;
        QRectF headingRect;
        NotesLayout notes;
    };
    std::vector<ScenePages> scenes;
    int pageCount = 0;
    for (int s = 0; s < int(lesson.scenes.size()); ++s) {
        const LessonScene &scene = lesson.scenes[std::size_t(s)];
        ScenePages laid;
        laid.heading = xmlSafeText(sceneWords(scene.title, lesson.title));
        laid.headingRect = QFontMetricsF(headingFont, &pdf)
                               .boundingRect(QRectF(body.left(), body.top(), body.width(), body.height() / 4),
                                             Qt::TextWordWrap, laid.heading);
        laid.headingRect.moveTopLeft(body.topLeft());
        if (laid.heading.isEmpty())
            laid.headingRect.setHeight(0);
        const double notesTop = laid.headingRect.bottom() + gap + figureHeight + gap;
        laid.notes = layOutNotes(xmlSafeText(sceneWords(scene.notes, lesson.notes)), &pdf, body.width(),
                                 std::max(0.0, body.bottom() - notesTop), body.height());
        pageCount += int(laid.notes.slices.size());
        scenes.push_back(std::move(laid));
    }

    QPainter painter;
    if (!painter.begin(&pdf))
        return fail(error, QObject::tr("The document could not be started."));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    int pageNumber = 0;
    const QString lessonTitle = xmlSafeText(lesson.title);
    for (std::size_t s = 0; s < scenes.size(); ++s) {
        const ScenePages &laid = scenes[s];
        for (std::size_t slice = 0; slice < laid.notes.slices.size(); ++slice) {
            if (pageNumber > 0 && !pdf.newPage())
                return fail(error, QObject::tr("The document could not be finished."));
            ++pageNumber;
            // The running lines: the lesson's title above, the page's number below.
            painter.setPen(Qt::black);
            painter.setFont(runningFont);
            const QRectF head(body.left(), running, body.width(), margin - running);
            painter.drawText(head, Qt::AlignLeft | Qt::AlignTop,
                             QFontMetricsF(runningFont, &pdf).elidedText(lessonTitle, Qt::ElideRight, head.width()));
            painter.drawText(QRectF(body.left(), page.bottom() - margin, body.width(), margin - running),
                             Qt::AlignHCenter | Qt::AlignBottom,
                             QObject::tr("Page %1 of %2").arg(pageNumber).arg(pageCount));

            double notesTop = body.top();
            if (slice == 0) {
                painter.setFont(headingFont);
                painter.drawText(laid.headingRect, Qt::TextWordWrap, laid.heading);
                const QRectF figureRect(body.left(), laid.headingRect.bottom() + gap, body.width(), figureHeight);
                painter.save();
                painter.translate(figureRect.topLeft());
                painter.setClipRect(QRectF(QPointF(0, 0), figureRect.size()));
                Figure(figureContent(lesson, int(s)), options, figureRect.size()).paint(painter);
                painter.restore();
                notesTop = figureRect.bottom() + gap;
            }
            const auto [top, bottom] = laid.notes.slices[slice];
            // Line by line: a line belongs to one page, and its text is
            // found there only.
            painter.setFont(laid.notes.text->defaultFont());
            for (const NotesLayout::Line &line : laid.notes.lines)
                if (line.top >= top && line.top < bottom)
                    line.line.draw(&painter, QPointF(body.left(), notesTop - top) + line.blockAt);
        }
    }
    return painter.end() || fail(error, QObject::tr("The document could not be finished."));
}

QString handoutFileName(const Lesson &lesson, int scene, FigureFormat format)
{
    const int count = int(lesson.scenes.size());
    const int digits = std::max(2, int(QString::number(count).size()));
    const QString number = QStringLiteral("%1").arg(scene + 1, digits, 10, QLatin1Char('0'));
    const QString name = slug(sceneWords(lesson.scenes.at(std::size_t(scene)).title, lesson.title));
    const QString suffix = format == FigureFormat::Svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    return (name.isEmpty() ? number : number + QLatin1Char('-') + name) + suffix;
}

bool writeHandout(const QString &path, FigureFormat format, const Lesson &lesson, const FigureOptions &options,
                  const QSizeF &size, QStringList *written, QString *error)
{
    if (lesson.scenes.empty())
        return fail(error, QObject::tr("The lesson has no scenes."));
    if (format == FigureFormat::Pdf) {
        QByteArray bytes;
        if (!handoutPdf(lesson, options, size, &bytes, error) || !writeWholeFile(path, bytes, error))
            return false;
        if (written)
            *written << path;
        return true;
    }
    const QFileInfo folder(path);
    if (folder.exists() && !folder.isDir())
        return fail(error, QObject::tr("is not a folder"));
    if (!QDir().mkpath(path))
        return fail(error, QObject::tr("the folder cannot be made"));
    for (int s = 0; s < int(lesson.scenes.size()); ++s) {
        const QString file = QDir(path).filePath(handoutFileName(lesson, s, format));
        QString why;
        if (!writeFigure(file, figureContent(lesson, s), options, size, &why))
            return fail(error, QStringLiteral("%1: %2").arg(QFileInfo(file).fileName(), why));
        if (written)
            *written << file;
    }
    return true;
}

} // namespace ts
