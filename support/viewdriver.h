#pragma once
// Helpers for tests, the benchmark and the tools that drive a shown view:
// the projection of model points to widget pixels through the view's camera,
// clicking terminals from above, and pixel comparisons with the software
// renderer's rounding tolerance.

#include "scene/geometry.h"
#include "view/glbox.h"

#include <QImage>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <memory>

constexpr int kViewSide = 800;
constexpr int kColourTolerance = 2; // of 255

template <typename View = GLBox>
std::unique_ptr<View> shownView(int side = kViewSide)
{
    auto view = std::make_unique<View>();
    view->resize(side, side);
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get()))
        qFatal("the view was never exposed");
    QCoreApplication::processEvents();
    return view;
}

// Widget (logical) pixel position of a model point, through the view's camera.
inline QPointF project(const GLBox &view, const QVector3D &model)
{
    const ts::WindowPoint p = view.camera().toWindow({model.x(), model.y(), model.z()});
    const double ratio = view.devicePixelRatioF();
    return {p.x / ratio, (view.camera().height - p.y) / ratio};
}

// Looks straight down on the top face and clicks terminal (i, j) with a
// button, as a user marking terminals would; the angles are left there.
inline void clickTerminalFromAbove(GLBox &view, int i, int j, Qt::MouseButton button)
{
    view.setRotation(90, 0);
    QCoreApplication::processEvents();
    const ts::CellGeometry g(view.network().size());
    QTest::mouseClick(&view, button, {}, project(view, {g.x(i), 1, g.z(j)}).toPoint());
}

inline QColor pixelAt(const QImage &frame, const QPointF &logical)
{
    const qreal ratio = frame.devicePixelRatio();
    return frame.pixelColor(int(std::floor(logical.x() * ratio)), int(std::floor(logical.y() * ratio)));
}

inline bool sameColour(const QColor &c, float r, float g, float b)
{
    auto close = [](int have, float want) { return std::abs(have - want * 255.0f) <= kColourTolerance + 0.5f; };
    return close(c.red(), r) && close(c.green(), g) && close(c.blue(), b);
}

inline QString describe(const QColor &c)
{
    return QStringLiteral("(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

#define QCOMPARE_COLOUR(colour, r, g, b)                                                                       \
    QVERIFY2(sameColour((colour), (r), (g), (b)),                                                              \
             qPrintable(describe(colour) + QStringLiteral(" expected %1 %2 %3").arg(r).arg(g).arg(b)))

// Counts how many device pixels of a square around a model point have a colour.
inline int countPixels(const QImage &frame, const QPointF &centre, int halfSide, float r, float g, float b)
{
    const qreal ratio = frame.devicePixelRatio();
    const int cx = int(centre.x() * ratio), cy = int(centre.y() * ratio);
    int count = 0;
    for (int y = cy - halfSide; y < cy + halfSide; ++y)
        for (int x = cx - halfSide; x < cx + halfSide; ++x)
            count += sameColour(frame.pixelColor(x, y), r, g, b) ? 1 : 0;
    return count;
}

inline void markEveryTerminal(GLBox &view)
{
    const int n = view.network().size();
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (!view.network().terminalMark(i, j))
                view.toggleMark({ts::PickedBox::Terminal, i, j, -1}, (i + j) % 2 ? ts::RedBit : ts::BlueBit);
    view.setRotation(30, 40);
}

// Switches filled, all three highlights and planes, every terminal marked.
inline void worstCase(GLBox &v)
{
    v.setSize(15);
    v.setSwitchesMode(ts::SwitchesFill);
    for (auto slot : {&GLBox::setIKHilite, &GLBox::setJIHilite, &GLBox::setKJHilite, &GLBox::setIKPlane,
                      &GLBox::setJIPlane, &GLBox::setKJPlane})
        (v.*slot)(true);
    markEveryTerminal(v);
    v.setWiresMode(ts::WiresUsed);
    v.setRouteMode(ts::RoutePath);
}
