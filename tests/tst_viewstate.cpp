// The view's state and slots: defaults, equality tests, size validation,
// and the marks kept true after every change of their inputs.
#include "support/viewdriver.h"

#include "support/marksoracle.h"

#include <QRegularExpression>

#include <climits>

using namespace ts;

namespace {
bool marksAreFresh(const GLBox &view)
{
    return view.network().marks().arrivals == oracle::expectedMarks(view.network());
}

const char *kSizeMessage = "Invalid size requested! (%1).  Valid range is 1-15";
} // namespace

class TestViewState : public QObject
{
    Q_OBJECT

    std::unique_ptr<GLBox> view;
    // How many frames the view showed after fn's changes were processed.
    template <typename Fn>
    int framesAfter(Fn fn)
    {
        QCoreApplication::processEvents();
        const quint64 before = view->framesDrawn();
        fn();
        QTest::qWait(20);
        return int(view->framesDrawn() - before);
    }

private slots:
    void init()
    {
        view = shownView();
    }

    void cleanup()
    {
        view.reset();
    }

    void defaults()
    {
        QCOMPARE(view->metaObject()->className(), "GLBox");
        QCOMPARE(view->minimumSize(), QSize(800, 800));
        const SwitchNetwork &net = view->network();
        QCOMPARE(net.size(), 4);
        QVERIFY(net.allOffsets() == Offsets{});
        const DisplayOptions &o = view->displayOptions();
        QCOMPARE(int(o.routeMode), 0);
        QCOMPARE(int(o.wiresMode), 0);
        QCOMPARE(int(o.switchesMode), 0);
        for (const PlaneOptions &p : o.planes)
            QVERIFY(!p.hilite && !p.plane && !p.opaque);
        QCOMPARE(view->rotationX(), 0.0f);
        QCOMPARE(view->rotationY(), 0.0f);
        for (int i = 0; i < kMaxNetworkSize; ++i)
            for (int j = 0; j < kMaxNetworkSize; ++j) {
                QCOMPARE(net.terminalMark(i, j) | net.arrivals(i, j), 0);
                for (int k = 0; k < kMaxNetworkSize; ++k)
                    QCOMPARE(net.switchMark(i, j, k), 0);
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
        // The status text first; changes of the network are the document's.
        QCOMPARE(signalList, (QStringList{QStringLiteral("report(QString)"),
                                          QStringLiteral("terminalClicked(int,int)")}));
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
        QTest::failOnWarning(QRegularExpression(QStringLiteral("Invalid size")));
        QCOMPARE(framesAfter([&] { view->setSize(4); }), 0);
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
        clickTerminalFromAbove(*view, 5, 5, Qt::LeftButton);
        QCOMPARE(view->network().terminalMark(5, 5), int(RedBit));
        const Marks before = view->network().marks();
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QString::fromLatin1(kSizeMessage).arg(size)));
        QCOMPARE(framesAfter([&] { view->setSize(size); }), 0);
        QCOMPARE(view->network().size(), 6);
        QVERIFY(view->network().marks() == before);
    }

    void shrinkingDropsWhatNoLongerFits()
    {
        view->setSize(8);
        for (int ij : {1, 5})
            clickTerminalFromAbove(*view, ij, ij, Qt::LeftButton);
        QCOMPARE(view->network().terminalMark(1, 1), int(RedBit));
        QCOMPARE(view->network().terminalMark(5, 5), int(RedBit));
        view->setSize(3);
        QVERIFY(marksAreFresh(*view));
        QCOMPARE(view->network().terminalMark(1, 1), int(RedBit));
        view->setSize(8);
        QCOMPARE(view->network().terminalMark(5, 5), 0);
        for (int i = 0; i < kMaxNetworkSize; ++i)
            for (int j = 0; j < kMaxNetworkSize; ++j)
                if (i >= 3 || j >= 3)
                    QCOMPARE(view->network().arrivals(i, j), 0);
    }

    void offsetsAreStoredUnclampedAndMarksFollow()
    {
        clickTerminalFromAbove(*view, 1, 3, Qt::LeftButton);
        QCOMPARE(view->network().arrivals(3, 1), int(RedBit));
        view->setIKOffset(5);
        QCOMPARE(view->network().offset(PlaneFamily::IK), 5);
        QCOMPARE(view->network().arrivals(3, 1), 0);
        QVERIFY(marksAreFresh(*view));
        for (int c : {INT_MAX, INT_MIN, -1, 0}) {
            view->setIKOffset(c);
            view->setJIOffset(c == INT_MIN ? INT_MAX : -c);
            view->setKJOffset(c);
            QVERIFY(marksAreFresh(*view));
        }
        view->setJIOffset(0);
        view->setKJOffset(0);
        QCOMPARE(view->network().arrivals(3, 1), int(RedBit));
    }
};

QTEST_MAIN(TestViewState)
#include "tst_viewstate.moc"
