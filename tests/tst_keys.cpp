// What a keyboard and a wheel do in the view: arrow keys turn as the
// equivalent drags would, +/- and the wheel zoom about the centre with draw
// and pick still agreeing, Home brings back the start frame, Escape clears.
#include "support/viewdriver.h"

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
