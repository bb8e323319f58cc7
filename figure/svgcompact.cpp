#include "figure/svgcompact.h"

#include <QByteArrayList>
#include <QHash>
#include <QMap>

#include <cstring>
#include <utility>
#include <vector>

namespace ts {

namespace {
// Styles the CSS of a class can say, as the generator writes them.
bool isStyle(const QByteArray &name)
{
    static const char *const kStyles[] = {"fill", "fill-opacity", "fill-rule", "stroke", "stroke-opacity", "stroke-width",
                                          "stroke-linecap", "stroke-linejoin", "stroke-miterlimit", "stroke-dasharray"};
    for (const char *style : kStyles)
        if (name == style)
            return true;
    return false;
}

// Kept on each piece, not in its class: the dashes with their phase, which
// goes on with the line, and a see-through fill with its opacity. Qt's
// renderer takes either only from attributes side by side.
bool isOwn(const QByteArray &name)
{
    return name == "stroke-dasharray" || name == "stroke-dashoffset" || name == "fill-opacity";
}

using Attributes = std::vector<std::pair<QByteArray, QByteArray>>;

// The generator's own text, read as it writes it: no parser, which took
// longer than drawing the figure. Anything it does not expect ends the
// reading, and the figure is then kept as the generator wrote it.
class Scanner
{
public:
    explicit Scanner(const QByteArray &text)
        : text(text)
    {
    }

    bool failed = false;
    qsizetype at = 0;

    void skipSpace()
    {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\n' || text[at] == '\r' || text[at] == '\t'))
            ++at;
    }
    bool startsWith(const char *s) const
    {
        const qsizetype length = qsizetype(qstrlen(s));
        return at + length <= text.size() && std::memcmp(text.constData() + at, s, std::size_t(length)) == 0;
    }
    // The attributes of a start tag whose name has been read, up to ">" or "/>".
    Attributes attributes(bool *empty)
    {
        Attributes found;
        for (;;) {
            skipSpace();
            if (startsWith("/>") || startsWith(">")) {
                *empty = text[at] == '/';
                at += *empty ? 2 : 1;
                return found;
            }
            const qsizetype equals = text.indexOf("=\"", at);
            const qsizetype close = equals < 0 ? -1 : text.indexOf('"', equals + 2);
            if (close < 0) {
                failed = true;
                return found;
            }
            found.emplace_back(text.mid(at, equals - at), text.mid(equals + 2, close - equals - 2));
            at = close + 1;
        }
    }

    const QByteArray &text;
};

class Compactor
{
public:
    QByteArray out;

    // The group's pieces as classed paths and polylines into out, or false
    // where it holds anything else or is moved by a transform CSS cannot say.
    bool compactGroup(const Attributes &group, Scanner &scan)
    {
        QByteArray groupKey, groupOffset;
        for (const auto &[name, value] : group) {
            if (name == "stroke-dashoffset")
                groupOffset = value;
            else if (!isStyle(name) && !isOwn(name) && !name.startsWith("font") &&
                     !(name == "transform" && value == "matrix(1,0,0,1,0,0)"))
                return false;
            else
                groupKey += name + '=' + value + '\x1f';
        }
        QByteArray pieces;
        for (;;) {
            scan.skipSpace();
            if (scan.startsWith("</g>")) {
                scan.at += 4;
                out += pieces;
                return true;
            }
            const bool path = scan.startsWith("<path ");
            if (!path && !scan.startsWith("<polyline "))
                return false;
            scan.at += path ? 5 : 9;
            bool empty = false;
            const Attributes piece = scan.attributes(&empty);
            if (scan.failed || !empty)
                return false;
            QByteArray key = groupKey + (path ? "path\x1e" : "polyline\x1e");
            QByteArray geometry, offset = groupOffset;
            for (const auto &[name, value] : piece) {
                if (name == "d")
                    geometry = QByteArray(value).replace(' ', ""); // "M1,2L3,4": letters part the numbers
                else if (name == "points")
                    geometry = value.trimmed();
                else if (name == "stroke-dashoffset")
                    offset = value;
                else
                    key += name + '=' + value + '\x1f';
            }
            auto look = looks.constFind(key);
            if (look == looks.cend())
                look = looks.insert(key, lookOf(group, piece));
            if (look->isEmpty())
                return false;
            pieces += (path ? "<path" : "<polyline") + *look;
            if (!offset.isEmpty())
                pieces += " stroke-dashoffset=\"" + offset + '"';
            pieces += (path ? " d=\"" : " points=\"") + geometry + "\"/>\n";
        }
    }

    QByteArray styleSheet() const
    {
        QByteArray css;
        for (const auto &[name, declarations] : sheet)
            css += '.' + name + '{' + declarations + "}\n";
        return css;
    }

private:
    // A piece's class and the styles it keeps for itself, as the attributes
    // written before its geometry; empty where the piece holds an attribute
    // not known here.
    QByteArray lookOf(const Attributes &group, const Attributes &piece)
    {
        QMap<QByteArray, QByteArray> style, own;
        for (const auto &[name, value] : group)
            if (isStyle(name)) // the dash phase is each piece's
                (isOwn(name) ? own : style).insert(name, value);
        for (const auto &[name, value] : piece) {
            if (name == "d" || name == "points" || name == "stroke-dashoffset")
                continue;
            if (isStyle(name))
                (isOwn(name) ? own : style).insert(name, value); // the piece's own wins
            else if (name != "vector-effect" || value != "none")
                return {};
        }
        if (own.contains("stroke-dasharray")) {
            // Qt's renderer dashes a line styled by a class unlike one
            // styled by attributes: a dashed piece keeps all of its own.
            own.insert(style);
            style.clear();
        }
        if (own.value("fill") == "none" || style.value("fill") == "none")
            own.remove("fill-opacity");
        if (own.value("fill-opacity") == "1")
            own.remove("fill-opacity");
        else if (own.contains("fill-opacity"))
            own.insert("fill", style.take("fill")); // beside its opacity
        QByteArray attributes;
        if (!style.isEmpty())
            attributes += " class=\"" + classOf(style) + '"';
        for (auto f = own.cbegin(); f != own.cend(); ++f)
            attributes += ' ' + f.key() + "=\"" + f.value() + '"';
        return attributes;
    }

    QByteArray classOf(QMap<QByteArray, QByteArray> style)
    {
        // What is said anyway: full opacity, and how a fill that is none would be.
        if (style.value("stroke-opacity") == "1")
            style.remove("stroke-opacity");
        if (style.value("fill") == "none")
            style.remove("fill-rule");
        QByteArrayList list;
        for (auto d = style.cbegin(); d != style.cend(); ++d)
            list << d.key() + ':' + d.value();
        const QByteArray declarations = list.join(';');
        auto found = classes.constFind(declarations);
        if (found != classes.cend())
            return *found;
        // a, b, ..., z, ba, bb, ...: short names for the many pieces.
        QByteArray name;
        for (int n = static_cast<int>(sheet.size());; n /= 26) {
            name.prepend(static_cast<char>('a' + n % 26));
            if (n < 26)
                break;
        }
        sheet.emplace_back(name, declarations);
        classes.insert(declarations, name);
        return name;
    }

    QHash<QByteArray, QByteArray> looks;                  // a group's and a piece's attributes → its look
    QHash<QByteArray, QByteArray> classes;                // declarations → name
    std::vector<std::pair<QByteArray, QByteArray>> sheet; // in the order first used
};
} // namespace

QByteArray compactSvg(const QByteArray &generated)
{
    // <?xml ...?> <svg ...> <title/> <desc/> <defs></defs> <g root> groups </g> </svg>
    Scanner scan(generated);
    const qsizetype svgAt = generated.indexOf("<svg ");
    const qsizetype defsAt = generated.indexOf("<defs>\n</defs>");
    const qsizetype rootAt = defsAt < 0 ? -1 : generated.indexOf("<g ", defsAt);
    if (svgAt < 0 || rootAt < 0)
        return generated;
    scan.at = rootAt + 3;
    bool empty = false;
    scan.attributes(&empty);
    if (scan.failed || empty)
        return generated;

    Compactor compactor;
    compactor.out.reserve(generated.size() / 2);
    for (;;) {
        scan.skipSpace();
        if (scan.startsWith("</g>"))
            break;
        if (!scan.startsWith("<g "))
            return generated;
        const qsizetype groupAt = scan.at;
        scan.at += 3;
        const Attributes group = scan.attributes(&empty);
        if (scan.failed)
            return generated;
        const qsizetype contentAt = scan.at;
        if (!empty && compactor.compactGroup(group, scan))
            continue;
        // Kept as it was: groups do not nest in the generator's output.
        scan.failed = false;
        const qsizetype end = empty ? contentAt : generated.indexOf("</g>", contentAt);
        if (end < 0)
            return generated;
        scan.at = empty ? end : end + 4;
        compactor.out += generated.mid(groupAt, scan.at - groupAt) + '\n';
    }
    const qsizetype rootEnd = scan.at;
    const qsizetype svgOpenEnd = generated.indexOf('>', svgAt);
    QByteArray svgOpen = generated.mid(svgAt, svgOpenEnd + 1 - svgAt);
    svgOpen.replace(" baseProfile=\"tiny\"", ""); // classes need more than SVG Tiny

    QByteArray result = generated.left(svgAt) + svgOpen + '\n';
    result += generated.mid(svgOpenEnd + 1, defsAt - svgOpenEnd - 1); // the title and the description
    result += "<defs><style type=\"text/css\">\n" + compactor.styleSheet() + "</style></defs>\n";
    result += generated.mid(rootAt, generated.indexOf('>', rootAt) + 1 - rootAt) + '\n';
    result += compactor.out;
    result += generated.mid(rootEnd);
    return result;
}

} // namespace ts
