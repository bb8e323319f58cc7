// The scene as drawn: real pixels read back from the view, and the names a
// selection pass reports, checked against positions projected here from the
// camera. Runs at device pixel ratio 1 and again at 2.
#include "support/viewdriver.h"
#include "scene/rotation.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

using namespace ts;

namespace {
// Gives the tests the drawing hook without a widget repaint around it.
class SceneView : public GLBox
{
public:
    SceneView()
        : GLBox(nullptr, "glbox")
    {
    }
    using GLBox::paintGL;
    using GLBox::resizeGL;
};

const QVector3D kOrigin(0, 0, 0);
const QVector3D kTerminalFrontN1(0, 0.95f, -1.0f / 3); // front face of the one terminal box at N = 1
} // namespace

class TestScene : public QObject
{
    Q_OBJECT

    std::unique_ptr<SceneView> view;

    QImage frame() { return view->grabFramebuffer(); }

private slots:
    void init() { view = shownView<SceneView>(); }
    void cleanup() { view.reset(); }

    void fillsTheWholeFrame()
    {
        const QImage image = frame();
        QCOMPARE(image.size(), view->size() * view->devicePixelRatio());
        QCOMPARE(view->camera().width, image.width());
        QCOMPARE(view->camera().height, image.height());
        // N = 1 at rest: the switch cube is centred in the frame.
        view->setSize(1);
        const QPointF centre = project(*view, kOrigin);
        QCOMPARE(centre, QPointF(view->width() / 2.0, view->height() / 2.0));
        QCOMPARE_COLOUR(pixelAt(frame(), centre), 0.3f, 0.3f, 0.3f);
    }

    void singleSwitchAndTerminal()
    {
        view->setSize(1);
        const QImage image = frame();
        QCOMPARE_COLOUR(pixelAt(image, {5, 5}), 0, 0, 0);
        QCOMPARE_COLOUR(pixelAt(image, project(*view, kOrigin)), 0.3f, 0.3f, 0.3f);
        QCOMPARE_COLOUR(pixelAt(image, project(*view, kTerminalFrontN1)), 0.7f, 0.7f, 0.7f);
        // The white frame runs along the front face's right edge, x = 2/9.
        const QPointF edge = project(*view, {2.0f / 9, 0, -2.0f / 9});
        QVERIFY(countPixels(image, edge, 3, 1, 1, 1) > 0);
        QCOMPARE(countPixels(image, edge + QPointF(-8, 0), 2, 1, 1, 1), 0);
    }

    void highlightColours_data()
    {
        QTest::addColumn<bool>("ik");
        QTest::addColumn<bool>("ji");
        QTest::addColumn<bool>("kj");
        QTest::addColumn<QVector3D>("colour");
        QTest::newRow("IK") << true << false << false << QVector3D(0.8f, 0.3f, 0.3f);
        QTest::newRow("JI") << false << true << false << QVector3D(0.3f, 0.8f, 0.3f);
        QTest::newRow("IK+KJ") << true << false << true << QVector3D(0.8f, 0.3f, 0.8f);
        QTest::newRow("all three") << true << true << true << QVector3D(0.8f, 0.8f, 0.8f);
    }

    void highlightColours()
    {
        QFETCH(bool, ik);
        QFETCH(bool, ji);
        QFETCH(bool, kj);
        QFETCH(QVector3D, colour);
        view->setSize(1);
        view->setIKHilite(ik);
        view->setJIHilite(ji);
        view->setKJHilite(kj);
        for (int mode : {0, 1, 2}) { // a highlighted switch is filled in every switches mode
            view->setSwitchesMode(mode);
            QCOMPARE_COLOUR(pixelAt(frame(), project(*view, kOrigin)), colour.x(), colour.y(), colour.z());
        }
        // Off the family, no highlight: offset 1 takes the one switch out of IK.
        view->setIKHilite(true);
        view->setJIHilite(false);
        view->setKJHilite(false);
        view->setIKOffset(1);
        view->setSwitchesMode(0);
        QCOMPARE_COLOUR(pixelAt(frame(), project(*view, kOrigin)), 0.3f, 0.3f, 0.3f);
    }

    void switchesModes()
    {
        view->setSize(1);
        const QPointF centre = project(*view, kOrigin);
        const QPointF edge = project(*view, {2.0f / 9, 0, -2.0f / 9});
        view->setSwitchesMode(1); // frame only
        QImage image = frame();
        QCOMPARE_COLOUR(pixelAt(image, centre), 0, 0, 0);
        QVERIFY(countPixels(image, edge, 3, 1, 1, 1) > 0);
        view->setSwitchesMode(2); // nothing at all
        image = frame();
        QCOMPARE_COLOUR(pixelAt(image, centre), 0, 0, 0);
        QCOMPARE(countPixels(image, edge, 3, 1, 1, 1), 0);
        QCOMPARE_COLOUR(pixelAt(image, project(*view, kTerminalFrontN1)), 0.7f, 0.7f, 0.7f);
    }

    void opaquePlaneHidesWhatIsBehind()
    {
        view->setSize(1);
        const QPointF terminal = project(*view, kTerminalFrontN1);
        view->setKJPlane(true);
        view->setKJOpaque(true);
        QCOMPARE_COLOUR(pixelAt(frame(), terminal), 0.6f, 0.6f, 1.0f);
        view->setKJOffset(1); // |c| = N: no plane
        QCOMPARE_COLOUR(pixelAt(frame(), terminal), 0.7f, 0.7f, 0.7f);
    }

    void stippledPlanesCoverAQuarterEach()
    {
        view->setSize(1);
        const QPointF onBoth = project(*view, {0.5f, -0.5f, 0.5f}); // on z = x and on y + z = 0
        const int half = int(8 * view->devicePixelRatio());
        const int area = 4 * half * half;
        view->setJIPlane(true);
        QImage image = frame();
        QCOMPARE(countPixels(image, onBoth, half, 0.6f, 1.0f, 0.6f), area / 4);
        view->setKJPlane(true);
        image = frame();
        QCOMPARE(countPixels(image, onBoth, half, 0.6f, 1.0f, 0.6f), area / 4);
        QCOMPARE(countPixels(image, onBoth, half, 0.6f, 0.6f, 1.0f), area / 4);
        view->setJIOpaque(true);
        image = frame();
        QCOMPARE(countPixels(image, onBoth, half, 0.6f, 1.0f, 0.6f) + countPixels(image, onBoth, half, 0.6f, 0.6f, 1.0f),
                 area);
    }

    void angleTextOncePerPass()
    {
        QSignalSpy spy(view.get(), &GLBox::report);
        view->setRotation(30.0f, 7.5f);
        QCoreApplication::processEvents();
        spy.clear();
        frame();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("Angle(030.0,007.5)"));
        view->pickAt(5, 5);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("Angle(030.0,007.5)"));
    }

    void zeroHeightKeepsTheProjectionFinite()
    {
        SceneView *scene = view.get();
        view->makeCurrent();
        scene->resizeGL(300, 0);
        GLfloat projection[16];
        glGetFloatv(GL_PROJECTION_MATRIX, projection);
        scene->resizeGL(view->width(), view->height());
        view->doneCurrent();
        for (GLfloat value : projection)
            QVERIFY(std::isfinite(value));
        QCOMPARE(view->pickAt(10, 10).kind, PickResult::Miss); // still picks sensibly afterwards
    }

    void stateLeftBehindAPass()
    {
        view->setWiresMode(WiresAll);
        view->setIKPlane(true);
        frame();
        view->makeCurrent();
        QVERIFY(!glIsEnabled(GL_POLYGON_OFFSET_FILL));
        QVERIFY(!glIsEnabled(GL_POLYGON_STIPPLE));
        QVERIFY(!glIsEnabled(GL_LINE_STIPPLE));
        QVERIFY(glIsEnabled(GL_CULL_FACE));
        QVERIFY(glIsEnabled(GL_DEPTH_TEST));
        GLint modes[2];
        glGetIntegerv(GL_POLYGON_MODE, modes);
        QCOMPARE(modes[0], GL_FILL);
        GLfloat width = 0;
        glGetFloatv(GL_LINE_WIDTH, &width);
        QCOMPARE(width, 1.0f);
        GLint front = 0;
        glGetIntegerv(GL_FRONT_FACE, &front);
        QCOMPARE(front, GL_CW);
        GLfloat modelview[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
        QCOMPARE(modelview[14], -10.0f); // the look-at camera alone
        QCOMPARE(modelview[0], 1.0f);
        view->doneCurrent();
    }
};

QTEST_MAIN(TestScene)
#include "tst_scene.moc"
