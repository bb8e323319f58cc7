#pragma once

// What the figure writer puts into an SVG, and a reader that finds
// anything else: a lesson's text must never become markup, nor make the
// file unreadable. And where a rendered figure has anything drawn.

#include <QByteArray>
#include <QHash>
#include <QRegularExpression>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace support {

struct SvgReading
{
    QString problem; // empty when the file is well-formed and holds only our elements
    QString title;
    QStringList texts;
    int faces = 0; // filled paths
    QStringList strokes; // every stroke colour, once
};

// The bounding box of everything in the picture not of the background.
inline QRect drawnArea(const QImage &image, QRgb background)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                area |= QRect(x, y, 1, 1);
    return area;
}

inline SvgReading readOurSvg(const QByteArray &bytes)
{
    static constexpr const char *kOurElements[] = {"svg", "title", "desc", "defs", "style", "g", "path", "polyline", "rect", "text"};
    SvgReading reading;
    QHash<QString, QString> classStrokes; // a class's stroke, from the style sheet
    QXmlStreamReader svg(bytes);
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        bool ours = false;
        for (const char *name : kOurElements)
            ours = ours || svg.name() == QLatin1String(name);
        if (!ours) {
            reading.problem = QStringLiteral("an element <%1>").arg(svg.name());
            return reading;
        }
        if (svg.name() == QLatin1String("path"))
            ++reading.faces;
        if (svg.name() == QLatin1String("style")) {
            static const QRegularExpression rule(QStringLiteral("\\.(\\w+)\\{[^}]*stroke:([^;}]*)"));
            for (const QRegularExpressionMatch &m : rule.globalMatch(svg.readElementText()))
                classStrokes.insert(m.captured(1), m.captured(2));
            continue;
        }
        QString stroke = svg.attributes().value(QLatin1String("stroke")).toString();
        if (stroke.isEmpty())
            stroke = classStrokes.value(svg.attributes().value(QLatin1String("class")).toString());
        if (!stroke.isEmpty() && !reading.strokes.contains(stroke))
            reading.strokes << stroke;
        if (svg.name() == QLatin1String("title"))
            reading.title = svg.readElementText();
        else if (svg.name() == QLatin1String("text"))
            reading.texts << svg.readElementText();
    }
    if (svg.hasError())
        reading.problem = svg.errorString();
    return reading;
}

} // namespace support
