#include "figure/svgcompact.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <utility>
#include <vector>

namespace ts {

namespace {
// Styles the CSS of a class can say, as the generator writes them.
bool isStyle(QStringView name)
{
    static const char *const kStyles[] = {"fill", "fill-opacity", "fill-rule", "stroke", "stroke-opacity", "stroke-width",
                                          "stroke-linecap", "stroke-linejoin", "stroke-miterlimit", "stroke-dasharray"};
    for (const char *style : kStyles)
        if (name == QLatin1String(style))
            return true;
    return false;
}

// Kept on each piece, not in its class: the dashes with their phase, which
// goes on with the line, and a see-through fill with its opacity, which
// Qt's renderer takes only from attributes side by side.
bool isOwn(QStringView name)
{
    return name == u"stroke-dasharray" || name == u"stroke-dashoffset" || name == u"fill-opacity";
}

struct Element
{
    QString name;
    QXmlStreamAttributes attributes;
    QString text;
    std::vector<Element> children;
};

Element readElement(QXmlStreamReader &reader)
{
    Element element{reader.name().toString(), reader.attributes(), {}, {}};
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement)
            element.children.push_back(readElement(reader));
        else if (token == QXmlStreamReader::Characters && !reader.isWhitespace())
            element.text += reader.text();
        else if (token == QXmlStreamReader::EndElement)
            break;
    }
    return element;
}

void writeElement(QXmlStreamWriter &writer, const Element &element)
{
    writer.writeStartElement(element.name);
    writer.writeAttributes(element.attributes);
    if (!element.text.isEmpty())
        writer.writeCharacters(element.text);
    for (const Element &child : element.children)
        writeElement(writer, child);
    writer.writeEndElement();
}

class Compactor
{
public:
    // The group's pieces as classed paths, or false where it holds
    // anything else or is moved by a transform CSS cannot say.
    bool compactGroup(const Element &group, std::vector<Element> &pieces)
    {
        for (const QXmlStreamAttribute &a : group.attributes)
            if (!isStyle(a.name()) && !isOwn(a.name()) && !a.name().startsWith(u"font") &&
                !(a.name() == u"transform" && a.value() == u"matrix(1,0,0,1,0,0)"))
                return false;
        for (const Element &child : group.children)
            if ((child.name != u"path" && child.name != u"polyline") || !child.text.isEmpty() || !child.children.empty())
                return false;
        for (const Element &child : group.children) {
            QMap<QString, QString> style, own;
            for (const QXmlStreamAttribute &a : group.attributes)
                if (isOwn(a.name()) || isStyle(a.name()))
                    (isOwn(a.name()) ? own : style).insert(a.name().toString(), a.value().toString());
            Element piece{QStringLiteral("path"), {}, {}, {}};
            for (const QXmlStreamAttribute &a : child.attributes) {
                if (a.name() == u"d") {
                    piece.text = a.value().toString();
                } else if (a.name() == u"points") {
                    // Kept a polyline: as a path, a renderer may draw a few
                    // edge pixels a level apart.
                    piece.name = QStringLiteral("polyline");
                    piece.text = a.value().trimmed().toString();
                } else if (isOwn(a.name())) {
                    own.insert(a.name().toString(), a.value().toString()); // the piece's own wins
                } else if (isStyle(a.name())) {
                    style.insert(a.name().toString(), a.value().toString());
                } else if (a.name() != u"vector-effect" || a.value() != u"none") {
                    return false;
                }
            }
            if (own.contains(QStringLiteral("stroke-dasharray"))) {
                // Qt's renderer dashes a line styled by a class unlike one
                // styled by attributes: a dashed piece keeps all of its own.
                own.insert(style);
                style.clear();
            }
            if (own.value(QStringLiteral("fill")) == QLatin1String("none") ||
                style.value(QStringLiteral("fill")) == QLatin1String("none"))
                own.remove(QStringLiteral("fill-opacity"));
            if (own.value(QStringLiteral("fill-opacity")) == QLatin1String("1"))
                own.remove(QStringLiteral("fill-opacity"));
            else if (own.contains(QStringLiteral("fill-opacity")))
                own.insert(QStringLiteral("fill"), style.take(QStringLiteral("fill"))); // beside its opacity
            if (!style.isEmpty())
                piece.attributes.append(QStringLiteral("class"), classOf(style));
            for (auto f = own.cbegin(); f != own.cend(); ++f)
                piece.attributes.append(f.key(), f.value());
            // "M1,2 L3,4": the letters part the numbers without the spaces.
            if (piece.name == u"path")
                piece.attributes.append(QStringLiteral("d"), piece.text.remove(QLatin1Char(' ')));
            else
                piece.attributes.append(QStringLiteral("points"), piece.text);
            piece.text.clear();
            pieces.push_back(std::move(piece));
        }
        return true;
    }

    QString styleSheet() const
    {
        QString css;
        for (const auto &[name, declarations] : sheet)
            css += QLatin1Char('.') + name + QLatin1Char('{') + declarations + QStringLiteral("}\n");
        return css;
    }

private:
    QString classOf(QMap<QString, QString> style)
    {
        // What is said anyway: full opacity, and how a fill that is none would be.
        if (style.value(QStringLiteral("stroke-opacity")) == QLatin1String("1"))
            style.remove(QStringLiteral("stroke-opacity"));
        if (style.value(QStringLiteral("fill")) == QLatin1String("none"))
            style.remove(QStringLiteral("fill-rule"));
        QStringList list;
        for (auto d = style.cbegin(); d != style.cend(); ++d)
            list << d.key() + QLatin1Char(':') + d.value();
        const QString declarations = list.join(QLatin1Char(';'));
        auto found = classes.constFind(declarations);
        if (found != classes.cend())
            return *found;
        // a, b, ..., z, ba, bb, ...: short names for the many pieces.
        QString name;
        for (int n = static_cast<int>(sheet.size());; n /= 26) {
            name.prepend(QLatin1Char(static_cast<char>('a' + n % 26)));
            if (n < 26)
                break;
        }
        sheet.emplace_back(name, declarations);
        classes.insert(declarations, name);
        return name;
    }

    QHash<QString, QString> classes;                  // declarations → name
    std::vector<std::pair<QString, QString>> sheet;   // in the order first used
};
} // namespace

QByteArray compactSvg(const QByteArray &generated)
{
    QXmlStreamReader reader(generated);
    while (!reader.atEnd() && reader.readNext() != QXmlStreamReader::StartElement) {
    }
    if (reader.atEnd() || reader.name() != u"svg")
        return generated;
    const Element svg = readElement(reader);
    if (reader.hasError())
        return generated;

    Compactor compactor;
    std::vector<Element> body;
    for (const Element &part : svg.children) {
        if (part.name == u"defs" && part.children.empty())
            continue; // the generator's empty one; ours holds the classes
        if (part.name != u"g") {
            body.push_back(part);
            continue;
        }
        Element root{part.name, part.attributes, part.text, {}};
        for (const Element &group : part.children) {
            std::vector<Element> pieces;
            if (group.name == u"g" && compactor.compactGroup(group, pieces))
                root.children.insert(root.children.end(), pieces.begin(), pieces.end());
            else
                root.children.push_back(group);
        }
        body.push_back(std::move(root));
    }

    QByteArray out;
    QXmlStreamWriter writer(&out);
    writer.writeStartDocument();
    writer.writeCharacters(QStringLiteral("\n"));
    writer.writeStartElement(QStringLiteral("svg"));
    for (const QXmlStreamAttribute &a : svg.attributes)
        if (a.name() != u"baseProfile") // classes need more than SVG Tiny
            writer.writeAttribute(a.qualifiedName().toString(), a.value().toString());
    writer.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    writer.writeNamespace(QStringLiteral("http://www.w3.org/1999/xlink"), QStringLiteral("xlink"));
    writer.writeCharacters(QStringLiteral("\n"));
    writer.writeStartElement(QStringLiteral("defs"));
    writer.writeStartElement(QStringLiteral("style"));
    writer.writeAttribute(QStringLiteral("type"), QStringLiteral("text/css"));
    writer.writeCharacters(QStringLiteral("\n") + compactor.styleSheet());
    writer.writeEndElement();
    writer.writeEndElement();
    for (const Element &part : body) {
        writer.writeCharacters(QStringLiteral("\n"));
        if (part.name != u"g") {
            writeElement(writer, part);
            continue;
        }
        writer.writeStartElement(part.name);
        writer.writeAttributes(part.attributes);
        for (const Element &piece : part.children) {
            writer.writeCharacters(QStringLiteral("\n"));
            writeElement(writer, piece);
        }
        writer.writeCharacters(QStringLiteral("\n"));
        writer.writeEndElement();
    }
    writer.writeCharacters(QStringLiteral("\n"));
    writer.writeEndElement();
    writer.writeEndDocument();
    return out;
}

} // namespace ts
