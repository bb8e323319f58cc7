// What a keyboard and a wheel do in the view: arrow keys turn as the
// equivalent drags would, +/- and the wheel zoom about the centre with draw
// and pick still agreeing, Home brings back the start frame, Escape clears.
#include "support/viewdriver.h"

#include <cmath>

using namespace ts;

class TestKeys : public QObject
{
    Q_OBJECT

    std::unique_ptr<GLBox> view;
    std::unique_ptr<QSignalSpy> reports;

    QString shown()
    {
        QTest::qWait(20);
        return reports->isEmpty() ? QString() : reports->last().at(0).toString();
    }

    void drag(QPoint by)
    {
        const QPoint from(view->width() / 2, view->height() / 2);
        QTest::mousePress(view.get(), Qt::LeftButton, {}, from);
        QTest::mouseMove(view.get(), from + by);
        QTest::mouseRelease(view.get(), Qt::LeftButton, {}, from + by);
    }

private slots:
    void init()
    {
        view = shownView();
        view->setFocus();
        reports = std::make_unique<QSignalSpy>(view.get(), &GLBox::report);
    }
    void cleanup()
    {
        reports.reset();
        view.reset();
    }

    void arrowsTurnAsDragsDo()
    {
        QTest::keyClick(view.get(), Qt::Key_Right);
        QCOMPARE(shown(), QStringLiteral("Angle(000.0,355.0)"));
        QTest::keyClick(view.get(), Qt::Key_Down);
        QCOMPARE(shown(), QStringLiteral("Angle(005.0,355.0)"));
        QTest::keyClick(view.get(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(shown(), QStringLiteral("Angle(005.0,354.0)"));
        QTest::keyClick(view.get(), Qt::Key_Home);
        QCOMPARE(shown(), QStringLiteral("Angle(000.0,000.0)"));

        // Each key against the drag it stands for, from an angle near the wrap.
        struct Case
        {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            QPoint drag;
        };
        for (const Case &c : {Case{Qt::Key_Left, {}, {-25, 0}}, Case{Qt::Key_Up, {}, {0, -25}},
                              Case{Qt::Key_Down, Qt::ShiftModifier, {0, 5}}, Case{Qt::Key_Right, {}, {25, 0}}}) {
            view->setRotation(358.5f, 2.5f);
            drag(c.drag);
            const float dragX = view->rotationX(), dragY = view->rotationY();
            const QString dragText = shown();
            view->setRotation(358.5f, 2.5f);
            QTest::keyClick(view.get(), c.key, c.modifiers);
            QCOMPARE(view->rotationX(), dragX);
            QCOMPARE(view->rotationY(), dragY);
            QCOMPARE(shown(), dragText);
        }
    }

    void homeGivesBackTheStartFrame()
    {
        view->setSize(6);
        QCoreApplication::processEvents();
        const QImage start = view->grabFramebuffer();
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Down})
            QTest::keyClick(view.get(), key);
        QVERIFY(view->zoom() > 1.0);
        QVERIFY(view->grabFramebuffer() != start);
        QTest::keyClick(view.get(), Qt::Key_Home);
        QCOMPARE(view->zoom(), 1.0);
        QCOMPARE(view->grabFramebuffer(), start);
    }

    void zoomStaysInBoundsAndFollowsTheWheel()
    {
        for (int k = 0; k < 30; ++k)
            QTest::keyClick(view.get(), Qt::Key_Plus);
        QCOMPARE(view->zoom(), kMaxZoom);
        for (int k = 0; k < 60; ++k)
            QTest::keyClick(view.get(), Qt::Key_Minus);
        QCOMPARE(view->zoom(), kMinZoom);
        view->setZoom(1.0);
        const QPoint centre(view->width() / 2, view->height() / 2);
        QWheelEvent up(centre, view->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view.get(), &up);
        QCOMPARE(view->zoom(), 1.25);
        view->setZoom(std::nan(""));
        QCOMPARE(view->zoom(), 1.0);
    }

    // Draw and pick share the zoomed projection: the projected centre of a
    // terminal, and at the largest zoom of a front switch, is what a click hits.
    void clicksFollowTheZoom_data()
    {
        QTest::addColumn<double>("zoom");
        for (double z : {0.5, 1.0, 2.0, 4.0, kMaxZoom})
            QTest::newRow(qPrintable(QString::number(z))) << z;
    }

    void clicksFollowTheZoom()
    {
        QFETCH(double, zoom);
        view->setSize(15);
        view->setZoom(zoom);
        view->setRotation(90, 0);
        QCoreApplication::processEvents();
        const CellGeometry g(15);
        int clicked = 0;
        for (int i = 0; i < 15; i += 2)
            for (int j = 0; j < 15; j += 3) {
                const QPointF at = project(*view, {g.x(i), 1, g.z(j)});
                if (!view->rect().contains(at.toPoint()))
                    continue;
                const PickResult r = view->pickAt(at.toPoint().x(), at.toPoint().y());
                QCOMPARE(r.kind, PickResult::Hit);
                QCOMPARE(r.name, terminalPickName(i, j, 15));
                ++clicked;
            }
        QVERIFY(clicked > 0);

        if (zoom != kMaxZoom)
            return;
        // Straight on: the front layer's switches (j = 0) cover the rest.
        view->setRotation(0, 0);
        QCoreApplication::processEvents();
        int marked = 0;
        for (int i = 0; i < 15; ++i)
            for (int k = 0; k < 15; ++k) {
                const QPointF at = project(*view, {g.x(i), g.y(k), g.z(0)});
                if (!view->rect().adjusted(2, 2, -2, -2).contains(at.toPoint()))
                    continue;
                QTest::mouseClick(view.get(), Qt::MiddleButton, {}, at.toPoint());
                QCOMPARE(view->network().switchMark(i, 0, k), int(GreenBit));
                ++marked;
            }
        QVERIFY2(marked >= 4, qPrintable(QString::number(marked)));
    }

    // Ctrl+arrows and Shift+drag move the picture, the wheel zooms about the
    // pointer; picking follows, and Home brings the start frame back.
    void panMovesThePictureAndClicksFollow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Ctrl+arrows") << "keys";
        QTest::newRow("Shift+drag") << "drag";
        QTest::newRow("wheel off centre") << "wheel";
    }

    void panMovesThePictureAndClicksFollow()
    {
        QFETCH(QString, how);
        view->setSize(8);
        view->setRotation(90, 0);
        QCoreApplication::processEvents();
        const QImage start = view->grabFramebuffer();
        const CellGeometry g(8);
        const QVector3D held(g.x(2), 1, g.z(5));
        const QPointF pointer = project(*view, held);
        const double ratio = view->devicePixelRatioF();
        const ViewPoint before = view->document()->viewPoint();
        ViewPoint want = before;
        if (how == QLatin1String("keys")) {
            for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Up})
                QTest::keyClick(view.get(), key, Qt::ControlModifier);
            want.panX = 0.3; // three twentieths of the width, in halves of it
            want.panY = 0.2;
        } else if (how == QLatin1String("drag")) {
            const QPoint from(view->width() / 2, view->height() / 2), by(80, -40);
            QTest::mousePress(view.get(), Qt::LeftButton, Qt::ShiftModifier, from);
            QTest::mouseMove(view.get(), from + by);
            QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::ShiftModifier, from + by);
            want.panX = 2.0 * by.x() * ratio / view->camera().width;
            want.panY = -2.0 * by.y() * ratio / view->camera().height;
        } else {
            QWheelEvent up(pointer, view->mapToGlobal(pointer), {}, {0, 120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(view.get(), &up);
            want.zoom = 1.25;
            QVERIFY(view->document()->viewPoint().panned());
            want.panX = view->document()->viewPoint().panX;
            want.panY = view->document()->viewPoint().panY;
            // The point under the pointer stayed under it.
            const QPointF after = project(*view, held);
            QVERIFY2(std::hypot(after.x() - pointer.x(), after.y() - pointer.y()) < 0.5,
                     qPrintable(QStringLiteral("%1,%2").arg(after.x()).arg(after.y())));
        }
        const ViewPoint now = view->document()->viewPoint();
        QCOMPARE(now.rotX, before.rotX);
        QCOMPARE(now.zoom, want.zoom);
        QVERIFY(std::abs(now.panX - want.panX) < 1e-9 && std::abs(now.panY - want.panY) < 1e-9);
        QVERIFY(view->network().marks() == Marks{}); // moving the picture marks nothing
        QCoreApplication::processEvents();
        QVERIFY(view->grabFramebuffer() != start);

        int clicked = 0;
        for (int i = 0; i < 8; ++i)
            for (int j = 0; j < 8; j += 2) {
                const QPointF at = project(*view, {g.x(i), 1, g.z(j)});
                if (!view->rect().adjusted(4, 4, -4, -4).contains(at.toPoint()))
                    continue;
                QTest::mouseClick(view.get(), Qt::LeftButton, {}, at.toPoint());
                QCOMPARE(view->network().terminalMark(i, j), int(RedBit));
                ++clicked;
            }
        QVERIFY(clicked >= 8);
        view->clearMarks();
        QTest::keyClick(view.get(), Qt::Key_Home);
        QVERIFY(!view->document()->viewPoint().panned());
        view->setRotation(90, 0);
        QCoreApplication::processEvents();
        QCOMPARE(view->grabFramebuffer(), start);
    }

    void escapeClearsAsEmptySpaceDoes()
    {
        clickTerminalFromAbove(*view, 1, 3, Qt::LeftButton);
        clickTerminalFromAbove(*view, 2, 0, Qt::RightButton);
        view->setFocus();
        QVERIFY(view->network().marks() != Marks{});
        QTest::keyClick(view.get(), Qt::Key_Escape);
        QVERIFY(view->network().marks() == Marks{});
    }
};

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
