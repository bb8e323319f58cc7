// The view's state and slots: defaults, equality tests, size validation,
// and the marks kept true after every change of their inputs.
#include "scenecamera.h"

#include <QTemporaryFile>

#include <climits>
#include <cstdio>
#include <unistd.h>

namespace {
// Everything written to the standard error stream while fn runs.
template <typename Fn>
QByteArray capturedStderr(Fn fn)
{
    QTemporaryFile file;
    if (!file.open())
        qFatal("no temporary file");
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(file.handle(), STDERR_FILENO);
    fn();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    file.seek(0);
    return file.readAll();
}

bool marksAreFresh(const GLBox &view)
{
    SwitchNetwork copy = view.network();
    copy.recomputeMarks();
    return copy.terminalMarks() == view.network().terminalMarks();
}
} // namespace

class TestViewState : public QObject
{
    Q_OBJECT

    std::unique_ptr<GLBox> view;
    std::unique_ptr<QSignalSpy> paints;

    // How many frames the view drew after fn's changes were processed.
    template <typename Fn>
    int framesAfter(Fn fn)
    {
        QCoreApplication::processEvents();
        paints->clear();
        fn();
        QTest::qWait(20);
        return int(paints->count());
    }

private slots:
    void init()
    {
        view = shownView();
        paints = std::make_unique<QSignalSpy>(view.get(), &GLBox::report);
    }

    void cleanup()
    {
        paints.reset();
        view.reset();
    }

    void defaults()
    {
        QCOMPARE(view->metaObject()->className(), "GLBox");
        QCOMPARE(view->minimumSize(), QSize(800, 800));
        const SwitchNetwork &net = view->network();
        QCOMPARE(net.size(), 4);
        QCOMPARE(net.c1(), 0);
        QCOMPARE(net.c2(), 0);
        QCOMPARE(net.c3(), 0);
        const DisplayOptions &o = view->displayOptions();
        QCOMPARE(o.routeMode, 0);
        QCOMPARE(o.wiresMode, 0);
        QCOMPARE(o.switchesMode, 0);
        for (const PlaneOptions *p : {&o.ik, &o.ji, &o.kj})
            QVERIFY(!p->hilite && !p->plane && !p->opaque);
        QCOMPARE(view->rotationX(), 0.0f);
        QCOMPARE(view->rotationY(), 0.0f);
        for (int i = 0; i < kMaxNetworkSize; ++i)
            for (int j = 0; j < kMaxNetworkSize; ++j) {
                QCOMPARE(net.terminalSelection(i, j) | net.terminalMark(i, j), 0);
                for (int k = 0; k < kMaxNetworkSize; ++k)
                    QCOMPARE(net.switchSelection(i, j, k), 0);
            }
    }

    void slotsInTheirOrder()
    {
        const char *expected[] = {"setSize(int)", "setRouteMode(int)", "setWiresMode(int)", "setSwitchesMode(int)",
                                  "setIKHilite(bool)", "setIKPlane(bool)", "setIKOpaque(bool)", "setIKOffset(int)",
                                  "setJIHilite(bool)", "setJIPlane(bool)", "setJIOpaque(bool)", "setJIOffset(int)",
                                  "setKJHilite(bool)", "setKJPlane(bool)", "setKJOpaque(bool)", "setKJOffset(int)"};
        const QMetaObject *mo = view->metaObject();
        QStringList slotList, signalList;
        for (int m = mo->methodOffset(); m < mo->methodCount(); ++m) {
            const QMetaMethod method = mo->method(m);
            if (method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Public)
                slotList << QString::fromLatin1(method.methodSignature());
            if (method.methodType() == QMetaMethod::Signal)
                signalList << QString::fromLatin1(method.methodSignature());
        }
        QStringList want;
        for (const char *s : expected)
            want << QLatin1String(s);
        QCOMPARE(slotList, want);
        QCOMPARE(signalList, QStringList{QStringLiteral("report(QString)")});
    }

    void unchangedValuesDoNotRepaint_data()
    {
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("size") << QByteArray("setSize") << QVariant(7);
        for (const char *s : {"setRouteMode", "setWiresMode", "setSwitchesMode", "setIKOffset", "setJIOffset",
                              "setKJOffset"})
            QTest::newRow(s) << QByteArray(s) << QVariant(1);
        for (const char *s : {"setIKHilite", "setIKPlane", "setIKOpaque", "setJIHilite", "setJIPlane",
                              "setJIOpaque", "setKJHilite", "setKJPlane", "setKJOpaque"})
            QTest::newRow(s) << QByteArray(s) << QVariant(true);
    }

    void unchangedValuesDoNotRepaint()
    {
        QFETCH(QByteArray, slot);
        QFETCH(QVariant, value);
        auto call = [&] {
            if (value.typeId() == QMetaType::Bool)
                QMetaObject::invokeMethod(view.get(), slot.constData(), Q_ARG(bool, value.toBool()));
            else
                QMetaObject::invokeMethod(view.get(), slot.constData(), Q_ARG(int, value.toInt()));
        };
        QCOMPARE(framesAfter(call), 1);
        QCOMPARE(framesAfter(call), 0);
    }

    void currentSizeIsSilent()
    {
        int frames = -1;
        const QByteArray err = capturedStderr([&] { frames = framesAfter([&] { view->setSize(4); }); });
        QCOMPARE(frames, 0);
        QVERIFY(err.isEmpty());
    }

    void invalidSizesAreRefused_data()
    {
        QTest::addColumn<int>("size");
        for (int n : {0, 16, -3, INT_MIN, INT_MAX})
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }

    void invalidSizesAreRefused()
    {
        QFETCH(int, size);
        view->setSize(6);
        view->setRotation(60.0f, 0.0f);
        const CellGeometry g(6);
        QTest::mouseClick(view.get(), Qt::LeftButton, {}, project(*view, {g.x(5), 1.0f, g.z(5)}).toPoint());
        QCOMPARE(view->network().terminalSelection(5, 5), int(RedBit));
        const SwitchNetwork before = view->network();
        int frames = -1;
        const QByteArray err = capturedStderr([&] { frames = framesAfter([&] { view->setSize(size); }); });
        QCOMPARE(err, QStringLiteral("Invalid size requested! (%1).  Valid range is 1-15\n").arg(size).toLatin1());
        QCOMPARE(frames, 0);
        QCOMPARE(view->network().size(), 6);
        QVERIFY(view->network().terminalSelections() == before.terminalSelections());
    }

    void shrinkingDropsWhatNoLongerFits()
    {
        view->setSize(8);
        view->setRotation(60.0f, 0.0f); // top face towards the viewer
        QCoreApplication::processEvents();
        const CellGeometry g(8);
        for (int ij : {1, 5}) {
            const QPointF at = project(*view, {g.x(ij), 1.0f, g.z(ij)});
            QTest::mouseClick(view.get(), Qt::LeftButton, {}, at.toPoint());
        }
        QCOMPARE(view->network().terminalSelection(1, 1), int(RedBit));
        QCOMPARE(view->network().terminalSelection(5, 5), int(RedBit));
        view->setSize(3);
        QVERIFY(marksAreFresh(*view));
        QCOMPARE(view->network().terminalSelection(1, 1), int(RedBit));
        view->setSize(8);
        QCOMPARE(view->network().terminalSelection(5, 5), 0);
        for (int i = 0; i < kMaxNetworkSize; ++i)
            for (int j = 0; j < kMaxNetworkSize; ++j)
                if (i >= 3 || j >= 3)
                    QCOMPARE(view->network().terminalMark(i, j), 0);
    }

    void offsetsAreStoredUnclampedAndMarksFollow()
    {
        view->setRotation(60.0f, 0.0f);
        QCoreApplication::processEvents();
        const CellGeometry g(4);
        QTest::mouseClick(view.get(), Qt::LeftButton, {}, project(*view, {g.x(1), 1.0f, g.z(3)}).toPoint());
        QCOMPARE(view->network().terminalMark(3, 1), int(RedBit));
        view->setIKOffset(5);
        QCOMPARE(view->network().c1(), 5);
        QCOMPARE(view->network().terminalMark(3, 1), 0);
        QVERIFY(marksAreFresh(*view));
        for (int c : {INT_MAX, INT_MIN, -1, 0}) {
            view->setIKOffset(c);
            view->setJIOffset(c == INT_MIN ? INT_MAX : -c);
            view->setKJOffset(c);
            QVERIFY(marksAreFresh(*view));
        }
        view->setJIOffset(0);
        view->setKJOffset(0);
        QCOMPARE(view->network().terminalMark(3, 1), int(RedBit));
    }
};

QTEST_MAIN(TestViewState)
#include "tst_viewstate.moc"
