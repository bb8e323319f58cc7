#include "figure/figure.h"
#include "scene/palette.h"

#include "core/routetext.h"
#include "scene/routegeometry.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace ts {

namespace {
constexpr double kReferenceSide = 800;  // up to this, lines keep the view's pixel widths
constexpr double kMarginShare = 0.04;   // of the shorter side, around a fitted model
constexpr double kTextShare = 1.0 / 40; // caption text height, of the shorter side
constexpr double kMinTextPixels = 12;
constexpr double kMaxLegendShare = 0.4; // of the width
constexpr double kBackingOpacity = 0.75;
constexpr double kSeamPen = 0.75; // an opaque face's outline in its own colour: no hairline seams between pieces
constexpr QChar kMinus{0x2212};
constexpr QChar kArrow{0x2192};

QColor qcolour(const Colour &c, double alpha = 1.0)
{
    return QColor::fromRgbF(c.r, c.g, c.b, static_cast<float>(alpha));
}

// A line stipple as dash runs, in pixels, from its first bit.
QList<qreal> stippleDashes(const LineStipple &stipple)
{
    QList<qreal> runs;
    bool on = true;
    qreal run = 0;
    for (int bit = 0; bit < 16; ++bit) {
        const bool set = (stipple.pattern >> bit) & 1;
        if (set != on) {
            runs.append(run);
            run = 0;
            on = set;
        }
        run += stipple.factor;
    }
    runs.append(run);
    if (runs.size() % 2 == 1)
        runs.append(0);
    return runs;
}
} // namespace

QFont figureFont(double pixels)
{
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    // No ligatures: "offsets" must stay six letters that a PDF viewer can
    // find, not "o", "ﬀ", "sets".
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    return font;
}

FigureContent figureContent(const Lesson &lesson, int scene)
{
    const LessonScene &shown = lesson.scenes.at(static_cast<std::size_t>(scene));
    return {shown.network, shown.options, shown.view, shown.presentation, lesson.title};
}

QString figureParameters(const SwitchNetwork &net)
{
    // Only the offsets carry a sign: each takes a true minus.
    return parametersText(net.size(), net.allOffsets()).replace(QLatin1Char('-'), kMinus);
}

std::vector<LegendEntry> legendEntries(const SwitchNetwork &net)
{
    // The families' short names the routes use, explained first, so that a
    // legend cut short still says what they mean.
    std::vector<LegendEntry> entries;
    std::array<bool, kPlaneFamilyCount> named{};
    for (int i = 0; i < net.size(); ++i)
        for (int j = 0; j < net.size(); ++j)
            if (net.terminalMark(i, j) && !net.trace(i, j).arrives())
                named[static_cast<std::size_t>(index(net.trace(i, j).deadEnd()))] = true;
    for (const PlaneFamilyInfo &family : kPlaneFamilies)
        if (named[static_cast<std::size_t>(index(family.family))])
            entries.push_back({palette::label, QStringLiteral("%1: %2").arg(QLatin1String(family.shortName), QLatin1String(family.title)), false});
    for (int i = 0; i < net.size(); ++i)
        for (int j = 0; j < net.size(); ++j)
            if (const int bits = net.terminalMark(i, j))
                entries.push_back({colourFromBits(bits, palette::marked),
                                   QStringLiteral("(%1, %2) %3 %4")
                                       .arg(i)
                                       .arg(j)
                                       .arg(kArrow)
                                       .arg(mapCellText(net, i, j))});
    return entries;
}

Colour printColour(const Colour &c, bool line)
{
    if (!line || c.r != c.g || c.g != c.b)
        return c;
    return {1.0f - c.r, 1.0f - c.g, 1.0f - c.b};
}

Figure::Figure(const FigureContent &c, const FigureOptions &o, const QSizeF &s)
    : content(c), options(o), size(s.expandedTo({1, 1}))
{
    const double shortSide = std::min(size.width(), size.height());
    lineScale = std::max(1.0, shortSide / kReferenceSide);
    textPixels = std::max(kMinTextPixels, shortSide * kTextShare);
    layOutText();

    cam.rotX = content.view.rotX;
    cam.rotY = content.view.rotY;
    cam.zoom = content.view.zoom;
    cam.panX = content.view.panX;
    cam.panY = content.view.panY;
    cam.width = std::max(1, static_cast<int>(std::lround(modelRect.width())));
    cam.height = std::max(1, static_cast<int>(std::lround(modelRect.height())));
    mvp = cam.modelViewProjection();
    describeScene(content.network, content.options, content.presentation, described);
    figureScene = buildFigureScene(described, cam.eyeInModel());
    fitModel(kMarginShare * shortSide);
}

// The caption below, the legend on the right; a fitted model gets the rest.
void Figure::layOutText()
{
    const QFontMetricsF metrics(figureFont(textPixels));
    const double pad = textPixels / 2;
    if (options.caption) {
        if (!content.title.isEmpty())
            captionLines << content.title;
        captionLines << figureParameters(content.network);
        const double height = captionLines.size() * metrics.lineSpacing() + 2 * pad;
        captionRect = QRectF(0, size.height() - height, size.width(), height);
    }
    if (options.legend)
        legend = legendEntries(content.network);
    if (!legend.empty()) {
        double widest = 0;
        for (const LegendEntry &entry : legend)
            widest = std::max(widest, metrics.horizontalAdvance(entry.text));
        const double width = std::min(widest + metrics.height() + 3 * pad, size.width() * kMaxLegendShare);
        const double bottom = captionRect.isNull() ? size.height() : captionRect.top();
        const double height = options.fit ? bottom : std::min(bottom, legend.size() * metrics.lineSpacing() + 2 * pad);
        legendRect = QRectF(size.width() - width, 0, width, height);
    }
    modelRect = QRectF(QPointF(0, 0), size);
    if (options.fit) {
        if (!captionRect.isNull())
            modelRect.setBottom(captionRect.top());
        if (!legendRect.isNull())
            modelRect.setRight(legendRect.left());
    }
}

// Without fitting, the camera's window is the frame. Fitted, the extent of
// everything drawn (labels' anchors too) fills the model's part of the
// frame within the margin.
void Figure::fitModel(double margin)
{
    const double toX = modelRect.center().x(), toY = size.height() - modelRect.center().y();
    frameFit = {1.0, cam.width / 2.0, cam.height / 2.0, toX, toY};
    if (!options.fit)
        return;
    double low[2] = {std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
    double high[2] = {std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};
    auto extend = [&](const Vec3 &v) {
        const WindowPoint w = toWindow(mvp, v, cam.width, cam.height);
        low[0] = std::min(low[0], w.x);
        low[1] = std::min(low[1], w.y);
        high[0] = std::max(high[0], w.x);
        high[1] = std::max(high[1], w.y);
    };
    for (const FigurePolygon &p : figureScene.polygons)
        for (const Vec3 &v : p.corners)
            extend(v);
    for (const FigureLine &l : figureScene.lines) {
        extend(l.from);
        extend(l.to);
    }
    for (const SceneLabel &label : described.labels)
        extend(label.where);
    const double spanX = high[0] - low[0], spanY = high[1] - low[1];
    if (spanX <= 0 || spanY <= 0)
        return;
    const double scale = std::min((modelRect.width() - 2 * margin) / spanX, (modelRect.height() - 2 * margin) / spanY);
    if (scale > 0)
        frameFit = {scale, (low[0] + high[0]) / 2, (low[1] + high[1]) / 2, toX, toY};
}

QPointF Figure::toFrame(const Vec3 &model) const
{
    const WindowPoint w = toWindow(mvp, model, cam.width, cam.height);
    return {frameFit.frameX(w.x), size.height() - frameFit.frameY(w.y)};
}

Colour Figure::shown(const Colour &c, bool line) const
{
    return options.background == FigureBackground::Print ? printColour(c, line) : c;
}

void Figure::paint(QPainter &painter) const
{
    painter.fillRect(QRectF(QPointF(0, 0), size), background());
    paintModel(painter);
    paintOverlays(painter);
}

void Figure::paintOverlays(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintLabels(painter);
    paintCaption(painter);
    paintLegend(painter);
    painter.restore();
}

void Figure::paintModel(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    LineStipple dashesOf{};
    QList<qreal> dashes;
    QPolygonF polygon;
    for (const OrderedPiece &piece : pieces()) {
        if (piece.kind == OrderedPiece::Polygon) {
            const FigurePolygon &face = figureScene.polygons[static_cast<std::size_t>(piece.source)];
            polygon.clear();
            for (const Vec3 &v : piece.points)
                polygon << toFrame(v);
            const QColor colour = qcolour(shown(face.fill, false), face.opacity);
            if (face.opacity < 1.0f)
                painter.setPen(Qt::NoPen);
            else
                painter.setPen(QPen(colour, kSeamPen * lineScale, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            painter.setBrush(colour);
            painter.drawPolygon(polygon);
            continue;
        }
        const FigureLine &line = figureScene.lines[static_cast<std::size_t>(piece.source)];
        const Colour colour = mixColour(line.fromColour, line.toColour, (piece.t0 + piece.t1) / 2);
        const double width = line.width * lineScale;
        QPen pen(qcolour(shown(colour, true)), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        const QPointF from = toFrame(piece.points[0]), to = toFrame(piece.points[1]);
        if (line.dashed) {
            if (dashes.isEmpty() || line.stipple.factor != dashesOf.factor || line.stipple.pattern != dashesOf.pattern) {
                dashesOf = line.stipple;
                dashes = stippleDashes(dashesOf);
            }
            // Dash lengths are in pen widths; the offset keeps a cut line's
            // dashes in step with the whole line's.
            QList<qreal> pattern;
            for (qreal run : dashes)
                pattern << run * lineScale / width;
            pen.setDashPattern(pattern);
            const QPointF start = toFrame(line.from);
            pen.setDashOffset(std::hypot(from.x() - start.x(), from.y() - start.y()) / width);
        }
        painter.setPen(pen);
        painter.drawLine(from, to);
    }
    painter.restore();
}

void Figure::paintLabels(QPainter &painter) const
{
    if (described.labels.empty())
        return;
    const int pixels = static_cast<int>(std::lround(
        labelPixelSize(static_cast<int>(size.width() / lineScale), static_cast<int>(size.height() / lineScale)) *
        lineScale));
    painter.setFont(figureFont(pixels));
    painter.setPen(qcolour(shown(described.labelColour, true)));
    const QFontMetricsF metrics(painter.font());
    for (const SceneLabel &label : described.labels) {
        const QString text = QString::fromStdString(label.text);
        const QPointF at = toFrame(label.where);
        const QSizeF box(metrics.horizontalAdvance(text) + 2, metrics.height() + 2);
        painter.drawText(QRectF(at - QPointF(box.width() / 2, box.height() / 2), box), Qt::AlignCenter, text);
    }
}

QColor Figure::background() const
{
    return options.background == FigureBackground::Print ? Qt::white : Qt::black;
}

// Text over the model, when it is not fitted beside it, stands on a veil of
// the background.
void Figure::paintBacking(QPainter &painter, const QRectF &rect) const
{
    if (options.fit)
        return;
    QColor veil = background();
    veil.setAlphaF(static_cast<float>(kBackingOpacity));
    painter.fillRect(rect, veil);
}

void Figure::paintCaption(QPainter &painter) const
{
    if (captionLines.isEmpty())
        return;
    paintBacking(painter, captionRect);
    painter.setFont(figureFont(textPixels));
    painter.setPen(qcolour(shown(palette::label, true)));
    painter.drawText(captionRect, Qt::AlignCenter, captionLines.join(QLatin1Char('\n')));
}

void Figure::paintLegend(QPainter &painter) const
{
    if (legend.empty())
        return;
    paintBacking(painter, legendRect);
    const QFont font = figureFont(textPixels);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double pad = textPixels / 2, row = metrics.lineSpacing(), swatch = metrics.height() * 0.7;
    const int rows = std::max(1, static_cast<int>((legendRect.height() - 2 * pad) / row));
    const bool cut = static_cast<int>(legend.size()) > rows;
    const int listed = cut ? rows - 1 : static_cast<int>(legend.size());
    double y = legendRect.top() + pad;
    const double textX = legendRect.left() + pad + swatch + pad;
    const double textWidth = legendRect.right() - pad - textX;
    for (int e = 0; e < listed; ++e, y += row) {
        const LegendEntry &entry = legend[static_cast<std::size_t>(e)];
        if (entry.swatch)
            painter.fillRect(QRectF(legendRect.left() + pad, y + (row - swatch) / 2, swatch, swatch),
                             qcolour(shown(entry.colour, true)));
        painter.setPen(qcolour(shown(palette::label, true)));
        painter.drawText(QRectF(textX, y, textWidth, row), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(entry.text, Qt::ElideRight, textWidth));
    }
    if (cut) {
        painter.setPen(qcolour(shown(palette::label, true)));
        painter.drawText(QRectF(textX, y, textWidth, row), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("\u2026 %1 more").arg(legend.size() - static_cast<std::size_t>(listed)));
    }
}

} // namespace ts
