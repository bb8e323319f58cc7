#pragma once

// What the figure writer puts into an SVG, and a reader that finds
// anything else: a lesson's text must never become markup, nor make the
// file unreadable.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace support {

struct SvgReading
{
    QString problem; // empty when the file is well-formed and holds only our elements
    QString title;
    QStringList texts;
};

inline SvgReading readOurSvg(const QByteArray &bytes)
{
    static constexpr const char *kOurElements[] = {"svg", "title", "desc", "defs", "g", "path", "polyline", "rect", "text"};
    SvgReading reading;
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
