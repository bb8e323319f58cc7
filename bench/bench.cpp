// Frame and pick times of the view at 800x800, for the plain per-box drawing
// and the batched display pass side by side in one run; then the whole
// release handler of a click in the real window, beside its pick; Present's
// transition frames; and the
// export of figures of the worst case. Prints
// numbers; it is not a test. Usage: transpose-switch-bench [--frames N] [--machine]
#include "app/figureexport.h"
#include "app/globjectwindow.h"
#include "figure/figurefile.h"
#include "app/startup.h"
#include "support/viewdriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace ts;

namespace {
class BenchView : public GLBox
{
public:
    using GLBox::paintGL;
};

struct Stats
{
    double median = 0, minimum = 0;
};

Stats stats(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front()};
}

double frameMs(BenchView &view, GLBox::SceneDrawing drawing)
{
    view.setSceneDrawing(drawing);
    view.makeCurrent();
    QElapsedTimer timer;
    timer.start();
    view.paintGL();
    glFinish();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    view.doneCurrent();
    return ms;
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// The slowest frame while a route plays leg by leg, for each leg, worst
// case with and without focus: playing must stay smooth.
void steppingFrames(BenchView &view, bool machine)
{
    for (const bool focus : {false, true}) {
        view.setFocusOnRoutes(focus);
        double slowest = 0;
        for (int round = 0; round < 5; ++round)
            for (int legs = 0; legs <= 4; ++legs) {
                view.setRouteStep({true, 7, 7, legs});
                slowest = std::max(slowest, frameMs(view, GLBox::SceneDrawing::Batched));
            }
        if (machine)
            std::printf("case=\"N=15 worst, stepping, focus %s\" slowest_frame_ms=%.2f\n", focus ? "on" : "off", slowest);
        else
            std::printf("%-30s slowest frame %.2f ms over 25 stepped frames\n",
                        focus ? "stepping, focus on" : "stepping, focus off", slowest);
    }
    view.setRouteStep({});
    view.setFocusOnRoutes(false);
}

// Present's smooth transitions at N = 15 worst case: the frames of a 0.6 s
// turn at 60 frames a second, without and with a zoom, then the frame of
// the next scene's network (other offsets, a stepped route).
void transitionFrames(BenchView &view, bool machine)
{
    struct Transition
    {
        const char *name;
        ViewPoint from, to;
    };
    const Transition transitions[] = {
        {"present, a turn", {30.0f, 330.0f, 1.0}, {300.0f, 60.0f, 1.0}},
        {"present, a turn and zoom 2.5", {30.0f, 330.0f, 1.0}, {300.0f, 60.0f, 2.5, 0.2, -0.1}},
    };
    constexpr int kFrames = 36;
    for (const Transition &move : transitions) {
        std::vector<double> slowestTurns, sceneChanges; // a round's slowest frame, and its last
        for (int round = 0; round < 5; ++round) {
            double slowest = 0;
            view.setIKOffset(0);
            view.setRouteStep({});
            for (int f = 0; f <= kFrames; ++f) {
                view.document()->setViewPoint(viewPointBetween(move.from, move.to, double(f) / kFrames));
                slowest = std::max(slowest, frameMs(view, GLBox::SceneDrawing::Batched));
            }
            view.setIKOffset(3);
            view.setRouteStep({true, 7, 7, 2});
            slowestTurns.push_back(slowest);
            sceneChanges.push_back(frameMs(view, GLBox::SceneDrawing::Batched));
        }
        const double slowestTurn = stats(slowestTurns).median, sceneChange = stats(sceneChanges).median;
        if (machine)
            std::printf("case=\"N=15 worst, %s\" slowest_turn_frame_ms=%.2f scene_change_frame_ms=%.2f\n", move.name,
                        slowestTurn, sceneChange);
        else
            std::printf("%-30s slowest of %d frames %.2f ms, the next scene's frame %.2f ms (medians of 5)\n", move.name,
                        kFrames + 1, slowestTurn, sceneChange);
    }
    view.setIKOffset(0);
    view.setRouteStep({});
    view.document()->setViewPoint({});
}

// The whole release handler of a click on a terminal (pick, edit, history,
// panel), in the window with the Routes panel shown, beside the pick alone
// and the full selection pass. The repaint it asks for is not in it.
void clickTimes(int clicks, bool machine)
{
    GLObjectWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return;
    auto *view = window.findChild<GLBox *>(QStringLiteral("glbox"));
    worstCase(*view);
    view->setRotation(90, 0);
    QCoreApplication::processEvents();
    const CellGeometry g(15);
    const QPointF at = project(*view, {g.x(7), 1, g.z(7)});
    std::vector<double> handler, pick, fullPick;
    for (int c = 0; c < clicks; ++c) {
        QMouseEvent press(QEvent::MouseButtonPress, at, view->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
        QMouseEvent release(QEvent::MouseButtonRelease, at, view->mapToGlobal(at), Qt::LeftButton, {}, {});
        QCoreApplication::sendEvent(view, &press);
        QElapsedTimer timer;
        timer.start();
        QCoreApplication::sendEvent(view, &release);
        handler.push_back(msSince(timer));
        QCoreApplication::processEvents(); // the repaint, untimed
        timer.restart();
        view->pickAt(int(at.x()), int(at.y()));
        pick.push_back(msSince(timer));
        view->setSceneDrawing(GLBox::SceneDrawing::Plain);
        timer.restart();
        view->pickAt(int(at.x()), int(at.y()));
        fullPick.push_back(msSince(timer));
        view->setSceneDrawing(GLBox::SceneDrawing::Batched);
    }
    const Stats h = stats(handler), p = stats(pick), f = stats(fullPick);
    if (machine)
        std::printf("case=\"N=15 worst, click in the window\" clicks=%d handler_median_ms=%.3f handler_min_ms=%.3f "
                    "pick_median_ms=%.3f full_pick_median_ms=%.3f handler_to_full_pick=%.3f\n",
                    clicks, h.median, h.minimum, p.median, f.median, h.median / f.median);
    else
        std::printf("\n%-30s %20s %10s %10s %7s\n%-30s %11.3f /%7.3f %10.3f %10.2f %7.3f\n", "click in the window",
                    "handler ms med/min", "pick ms", "pick full", "ratio", "N=15 worst", h.median, h.minimum,
                    p.median, f.median, h.median / f.median);
}

// Figures of the worst case: the whole export of each format as a user
// waits for it, and the scene with its cut and order alone.
void figureTimes(BenchView &view, int repeats, bool machine)
{
    worstCase(view);
    QCoreApplication::processEvents();
    QTemporaryDir folder;
    const FigureContent content = viewFigureContent(&view);
    FigureOptions options;
    options.caption = options.legend = true;
    options.background = FigureBackground::Print;
    struct Export
    {
        const char *name;
        std::function<bool()> run;
        QString file;
    };
    const QString svg = folder.filePath(QStringLiteral("fig.svg")), pdf = folder.filePath(QStringLiteral("fig.pdf")),
                  png = folder.filePath(QStringLiteral("fig.png"));
    const QSizeF pixels(kViewSide, kViewSide);
    const Export exports[] = {
        {"scene, cut and order", [&] { return !Figure(content, options, pixels).pieces().empty(); }, QString()},
        {"SVG", [&] { return writeFigure(svg, content, options, pixels, nullptr); }, svg},
        {"PDF A5", [&] { return writeFigure(pdf, content, options, kDefaultPdfMillimetres, nullptr); }, pdf},
        {"PNG from vectors", [&] { return writeFigure(png, content, options, pixels, nullptr); }, png},
    };
    if (!machine)
        std::printf("\n%-30s %20s %12s %8s\n", "figure, N=15 worst", "ms med/min", "bytes", "pieces");
    const std::size_t pieces = Figure(content, options, pixels).pieces().size();
    for (const Export &e : exports) {
        std::vector<double> ms;
        for (int r = 0; r < repeats; ++r) {
            QElapsedTimer timer;
            timer.start();
            if (!e.run())
                std::printf("%s failed\n", e.name);
            ms.push_back(msSince(timer));
        }
        const Stats t = stats(ms);
        const qint64 bytes = e.file.isEmpty() ? 0 : QFileInfo(e.file).size();
        if (machine)
            std::printf("case=\"N=15 worst, figure %s\" median_ms=%.1f min_ms=%.1f bytes=%lld pieces=%zu\n", e.name,
                        t.median, t.minimum, static_cast<long long>(bytes), pieces);
        else
            std::printf("%-30s %11.1f /%7.1f %12lld %8zu\n", e.name, t.median, t.minimum, static_cast<long long>(bytes),
                        pieces);
        std::fflush(stdout);
    }
}

struct Case
{
    const char *name;
    std::function<void(BenchView &)> setUp;
};
} // namespace

int main(int argc, char **argv)
{
    ProgramApplication app(argc, argv);
    int frames = 40;
    bool machine = false;
    for (int a = 1; a < argc; ++a) {
        const QByteArray arg(argv[a]);
        if (arg == "--machine")
            machine = true;
        else if (arg == "--frames" && a + 1 < argc)
            frames = std::max(5, atoi(argv[++a]));
    }

    BenchView view;
    view.resize(kViewSide, kViewSide);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view))
        return 1;

    auto worst = [](BenchView &v) { worstCase(v); };
    const Case cases[] = {
        {"N=4 defaults", [](BenchView &v) { v.setSize(4); v.setRotation(30, 40); }},
        {"N=15 defaults", [](BenchView &v) { v.setSize(15); v.setRotation(30, 40); }},
        {"N=15 worst, used wires, path", worst},
        {"N=15 worst, used wires, wire", [](BenchView &v) { v.setRouteMode(RouteWire); }},
        {"N=15 worst, all wires", [](BenchView &v) { v.setWiresMode(WiresAll); }},
        {"N=15 worst, used wires, wire, focus + labels", [](BenchView &v) {
             v.setWiresMode(WiresUsed);
             v.setFocusOnRoutes(true);
             v.setLabels(true);
         }},
        {"N=15 worst, used wires, wire, stepping", [](BenchView &v) {
             v.setFocusOnRoutes(false);
             v.setLabels(false);
             v.setRouteStep({true, 7, 7, 2});
         }},
    };

    if (!machine)
        std::printf("%-30s %20s %20s %7s %10s %10s %7s %6s\n", "case", "plain ms med/min", "batched ms med/min",
                    "ratio", "pick full", "pick ms", "ratio", "boxes");
    for (const Case &c : cases) {
        c.setUp(view);
        QCoreApplication::processEvents();
        frameMs(view, GLBox::SceneDrawing::Plain); // warm up both paths
        frameMs(view, GLBox::SceneDrawing::Batched);
        std::vector<double> reference, batched, pick, plainPick;
        for (int f = 0; f < frames; ++f) { // interleaved, so both see the same machine
            reference.push_back(frameMs(view, GLBox::SceneDrawing::Plain));
            batched.push_back(frameMs(view, GLBox::SceneDrawing::Batched));
        }
        for (int p = 0; p < std::max(9, frames / 2); ++p) {
            for (auto drawing : {GLBox::SceneDrawing::Plain, GLBox::SceneDrawing::Batched}) {
                view.setSceneDrawing(drawing);
                QElapsedTimer timer;
                timer.start();
                view.pickAt(kViewSide / 2, kViewSide / 2);
                (drawing == GLBox::SceneDrawing::Plain ? plainPick : pick).push_back(double(timer.nsecsElapsed()) / 1e6);
            }
        }
        const Stats r = stats(reference), b = stats(batched), p = stats(pick), pp = stats(plainPick);
        view.setSceneDrawing(GLBox::SceneDrawing::Batched);
        view.pickAt(kViewSide / 2, kViewSide / 2);
        const int sent = view.boxesSentByLastPick();
        if (machine)
            std::printf("case=\"%s\" frames=%d perbox_median_ms=%.2f perbox_min_ms=%.2f batched_median_ms=%.2f "
                        "batched_min_ms=%.2f ratio=%.3f pick_full_median_ms=%.3f pick_culled_median_ms=%.3f "
                        "pick_ratio=%.3f pick_boxes_sent=%d\n",
                        c.name, frames, r.median, r.minimum, b.median, b.minimum, b.median / r.median, pp.median,
                        p.median, p.median / pp.median, sent);
        else
            std::printf("%-30s %11.2f /%7.2f %11.2f /%7.2f %7.2f %10.2f %10.3f %7.3f %6d\n", c.name, r.median,
                        r.minimum, b.median, b.minimum, b.median / r.median, pp.median, p.median,
                        p.median / pp.median, sent);
        std::fflush(stdout);
    }
    steppingFrames(view, machine);
    transitionFrames(view, machine);
    figureTimes(view, std::max(5, frames / 8), machine);
    view.hide();
    clickTimes(std::max(9, frames), machine);
    return 0;
}
