#pragma once

#include "core/displayoptions.h"
#include "core/lesson.h"
#include "core/network.h"
#include "core/presentation.h"
#include "core/viewpoint.h"
#include "scene/camera.h"
#include "scene/figurescene.h"

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

class QFont;
class QPainter;

// A figure of the model for notes, papers and slides: the scene drawn as
// vectors with a QPainter (onto SVG, PDF or an image), or a GL picture with
// the same caption, legend and labels painted over it.

namespace ts {

enum class FigureBackground { Screen, Print };

struct FigureOptions
{
    FigureBackground background = FigureBackground::Screen;
    bool fit = true; // the model fills the frame; else exactly as the window shows it
    bool caption = false;
    bool legend = false;
};

// What a figure shows: the document's state and its presentation (focus,
// labels and a route being stepped through, as the view draws them).
struct FigureContent
{
    SwitchNetwork network;
    DisplayOptions options;
    ViewPoint view;
    Presentation presentation;
    QString title; // the lesson's, for the caption
};

// The figures' text: sans serif, without ligatures, so that a PDF's words
// can be searched for.
QFont figureFont(double pixels);

// One scene of a lesson as a figure shows it: its focus, labels and stepped
// route, with the lesson's title.
FigureContent figureContent(const Lesson &lesson, int scene = 0);

// "N = 8, c1 = 1, c2 = −1, c3 = 2", with a true minus sign.
QString figureParameters(const SwitchNetwork &net);

// A line of the legend: a marked terminal's colour and where its route goes.
struct LegendEntry
{
    Colour colour;
    QString text; // "(1, 3) → (3, 1)", "(0, 2) → dies: IK"; or "IK: i = k1 + c1"
    bool swatch = true; // false: a short name explained, not a route
};
std::vector<LegendEntry> legendEntries(const SwitchNetwork &net);

// Print keeps the colours of routes and highlights, and turns the greys of
// lines (white frames, faint frames, grey labels) over so that they show on
// white; a fill's grey shows on either and stays.
Colour printColour(const Colour &c, bool line);

class Figure
{
public:
    // Laid out for a picture of `size` device pixels.
    Figure(const FigureContent &content, const FigureOptions &options, const QSizeF &size);

    // The whole figure: background, the model back to front, the overlays.
    void paint(QPainter &painter) const;
    // Labels, caption and legend alone, over a picture of the model drawn
    // elsewhere with the camera() and fit() below.
    void paintOverlays(QPainter &painter) const;

    const Camera &camera() const { return cam; }
    const FrameFit &fit() const { return frameFit; }
    // The pieces the model is painted in, back to front: cut and ordered
    // only when painted, as a GL picture needs the fit but not the order.
    std::vector<OrderedPiece> pieces() const { return figureScene.ordered(cam.eyeInModel()); }

private:
    void layOutText();
    void fitModel(double margin);
    QPointF toFrame(const Vec3 &model) const;
    Colour shown(const Colour &c, bool line) const;
    QColor background() const;
    void paintBacking(QPainter &painter, const QRectF &rect) const;
    void paintModel(QPainter &painter) const;
    void paintLabels(QPainter &painter) const;
    void paintCaption(QPainter &painter) const;
    void paintLegend(QPainter &painter) const;

    FigureContent content;
    FigureOptions options;
    QSizeF size;
    double lineScale = 1; // widths and text grow with pictures beyond the view's size
    double textPixels = 12;
    QStringList captionLines;
    std::vector<LegendEntry> legend;
    QRectF modelRect, captionRect, legendRect;
    Camera cam;
    Mat4 mvp; // the camera's, worked out once for every point
    FrameFit frameFit;
    SceneDescription described;
    FigureScene figureScene;
};

} // namespace ts
