// Turning the model by dragging and marking boxes by clicking, through real
// mouse events on a shown view. Runs at device pixel ratio 1 and again at 2.
#include "support/viewdriver.h"

#include <QStatusBar>

using namespace ts;

namespace {
const QPoint kMiddle(400, 400);
} // namespace

class TestMouse : public QObject
{
    Q_OBJECT

    std::unique_ptr<GLBox> view;
    std::unique_ptr<QSignalSpy> reports;

    QPoint terminalAt(int i, int j) const
    {
        const CellGeometry g(view->network().size());
        return project(*view, {g.x(i), 1.0f, g.z(j)}).toPoint();
    }

    void click(Qt::MouseButton button, QPoint at, QPoint releaseAt = {})
    {
        QTest::mousePress(view.get(), button, {}, at);
        QTest::mouseRelease(view.get(), button, {}, releaseAt.isNull() ? at : releaseAt);
    }

    // The view from above at N = 4, so the top face and its terminals show.
    void lookAtTopFace()
    {
        view->setRotation(60.0f, 0.0f);
        QCoreApplication::processEvents();
    }

    QString lastReport() { return reports->isEmpty() ? QString() : reports->last().at(0).toString(); }

private slots:
    void init()
    {
        view = shownView();
        reports = std::make_unique<QSignalSpy>(view.get(), &GLBox::report);
    }

    void cleanup()
    {
        reports.reset();
        view.reset();
    }

    void dragTurnsFromThePressPoint()
    {
        QTest::mousePress(view.get(), Qt::LeftButton, {}, kMiddle);
        QTest::mouseMove(view.get(), kMiddle + QPoint(10, 0));
        QCOMPARE(view->rotationY(), 358.0f);
        QCOMPARE(view->rotationX(), 0.0f);
        QTest::qWait(10);
        QCOMPARE(lastReport(), QStringLiteral("Angle(000.0,358.0)"));
        QTest::mouseRelease(view.get(), Qt::LeftButton, {}, kMiddle + QPoint(10, 0));

        view->setRotation(359.0f, 0.0f);
        QTest::mousePress(view.get(), Qt::RightButton, {}, kMiddle);
        QTest::mouseMove(view.get(), kMiddle + QPoint(0, 10));
        QCOMPARE(view->rotationX(), 1.0f);
        QTest::mouseMove(view.get(), kMiddle + QPoint(37, -23));
        QTest::mouseMove(view.get(), kMiddle); // back where it started: the press angles again
        QCOMPARE(view->rotationX(), 359.0f);
        QCOMPARE(view->rotationY(), 0.0f);
    }

    void leftClickMarksATerminalAndItsDestination()
    {
        lookAtTopFace();
        const QPoint source = terminalAt(1, 3);
        const QPoint destination = terminalAt(3, 1);
        click(Qt::LeftButton, source);
        QCOMPARE(view->network().terminalMark(1, 3), int(RedBit));
        QCOMPARE(view->network().arrivals(3, 1), int(RedBit));
        QImage image = view->grabFramebuffer();
        QCOMPARE_COLOUR(pixelAt(image, destination), 0.5f, 0, 0);
        const CellGeometry g(4);
        const QPointF frameEdge = project(*view, {g.x(1) + g.boxScale, 1.0f + g.boxScale / 3, g.z(3)});
        QVERIFY(countPixels(image, frameEdge, 3, 1, 0, 0) > 0);

        click(Qt::LeftButton, source);
        QCOMPARE(view->network().terminalMark(1, 3), 0);
        QCOMPARE(view->network().arrivals(3, 1), 0);
        QCOMPARE_COLOUR(pixelAt(view->grabFramebuffer(), destination), 0.7f, 0.7f, 0.7f);
    }

    void eachButtonItsColour()
    {
        lookAtTopFace();
        click(Qt::RightButton, terminalAt(2, 3));
        QCOMPARE(view->network().terminalMark(2, 3), int(BlueBit));
        click(Qt::MiddleButton, terminalAt(2, 3));
        QCOMPARE(view->network().terminalMark(2, 3), BlueBit | GreenBit);

        // At rest the front row of switches faces the viewer: middle-click (2, 0, 0).
        view->setRotation(0.0f, 0.0f);
        QCoreApplication::processEvents();
        const CellGeometry g(4);
        const QPoint sw = project(*view, {g.x(2), g.y(0), g.z(0) - g.switchHalfSize()}).toPoint();
        click(Qt::MiddleButton, sw);
        QCOMPARE(view->network().switchMark(2, 0, 0), int(GreenBit));
        const QPointF edge = project(*view, {g.x(2) + g.switchHalfSize(), g.y(0), g.z(0) - g.switchHalfSize()});
        QVERIFY(countPixels(view->grabFramebuffer(), edge, 3, 0, 1, 0) > 0);
        QCOMPARE(view->network().terminalMark(2, 3), BlueBit | GreenBit); // untouched
    }

    void unknownButtonChangesNothing()
    {
        lookAtTopFace();
        QTest::qWait(10);
        const quint64 frames = view->framesDrawn();
        click(Qt::BackButton, terminalAt(1, 1));
        QTest::qWait(10);
        QCOMPARE(view->network().terminalMark(1, 1), 0);
        QCOMPARE(view->framesDrawn(), frames);
    }

    void clickOnEmptySpaceClearsEverything()
    {
        lookAtTopFace();
        click(Qt::LeftButton, terminalAt(0, 0));
        click(Qt::RightButton, terminalAt(3, 2));
        QVERIFY(view->network().arrivals(0, 0) != 0);
        click(Qt::LeftButton, {5, 5});
        for (int i = 0; i < kMaxNetworkSize; ++i)
            for (int j = 0; j < kMaxNetworkSize; ++j)
                QCOMPARE(view->network().terminalMark(i, j) | view->network().arrivals(i, j), 0);
    }

    void clickSlop()
    {
        lookAtTopFace();
        const QPoint at = terminalAt(1, 2);
        click(Qt::LeftButton, at, at + QPoint(3, 3)); // still a click, picked at the press point
        QCOMPARE(view->network().terminalMark(1, 2), int(RedBit));
        for (QPoint away : {QPoint(4, 0), QPoint(0, -4)}) {
            QTest::qWait(10);
            const quint64 frames = view->framesDrawn();
            QTest::mousePress(view.get(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(view.get(), Qt::LeftButton, {}, at + away); // a drag's end
            QTest::qWait(10);
            QCOMPARE(view->network().terminalMark(1, 2), int(RedBit));
            QCOMPARE(view->framesDrawn(), frames);
        }
    }

    void burstOfMovesDrawsOnce()
    {
        QTest::qWait(10);
        QTest::mousePress(view.get(), Qt::LeftButton, {}, kMiddle);
        const quint64 frames = view->framesDrawn();
        for (int step = 1; step <= 50; ++step)
            QTest::mouseMove(view.get(), kMiddle + QPoint(step, step));
        QTest::qWait(50);
        const quint64 drawn = view->framesDrawn() - frames;
        QVERIFY2(drawn >= 1 && drawn <= 2, qPrintable(QString::number(drawn)));
        QCOMPARE(lastReport(), QStringLiteral("Angle(010.0,350.0)"));
        QTest::mouseRelease(view.get(), Qt::LeftButton, {}, kMiddle + QPoint(50, 50));
    }
};

QTEST_MAIN(TestMouse)
#include "tst_mouse.moc"
