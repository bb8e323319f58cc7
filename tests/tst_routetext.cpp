// The network in words: route descriptions, tooltips and the view's summary,
// with every expected text written out here from the rules.
#include "core/routetext.h"
#include "support/marksoracle.h"
#include "routerows.h"

#include <QtTest>

using namespace ts;
using oracle::networkWith;

class TestRouteText : public QObject
{
    Q_OBJECT

private slots:
    void routes_data()
    {
        addRouteColumns(true);
        QTest::addColumn<QString>("text");
        QTest::newRow("arrives") << 4 << 0 << 0 << 0 << 1 << 3
                                 << "terminal (1, 3): down to level k = 1 at switch (1, 3, 1) [i = k + c1]; "
                                    "along x to i1 = 3 at switch (3, 3, 1) [j = i + c2]; along z to j1 = 1 at "
                                    "switch (3, 1, 1) [k = j + c3]; up to terminal (3, 1), where it arrives.";
        QTest::newRow("dead at IK") << 4 << 1 << 0 << 0 << 0 << 0
                                    << "terminal (0, 0): dies at once: no level k in 0..3 with 0 = k + 1 "
                                       "[i = k + c1].";
        QTest::newRow("dead at JI, negative offset")
            << 4 << 0 << -2 << 0 << 2 << 3
            << "terminal (2, 3): down to level k = 2 at switch (2, 3, 2) [i = k + c1]; then dies: no column i "
               "in 0..3 with 3 = i - 2 [j = i + c2].";
        QTest::newRow("dead at KJ") << 4 << 0 << 0 << -1 << 3 << 1
                                    << "terminal (3, 1): down to level k = 3 at switch (3, 1, 3) [i = k + c1]; "
                                       "along x to i1 = 1 at switch (1, 1, 3) [j = i + c2]; then dies: no row j "
                                       "in 0..3 with 3 = j - 1 [k = j + c3].";
        QTest::newRow("all offsets") << 4 << 1 << -1 << 2 << 3 << 0
                                     << "terminal (3, 0): down to level k = 2 at switch (3, 0, 2) [i = k + c1]; "
                                        "along x to i1 = 1 at switch (1, 0, 2) [j = i + c2]; along z to j1 = 0 at "
                                        "switch (1, 0, 2) [k = j + c3]; up to terminal (1, 0), where it arrives.";
        QTest::newRow("N=1") << 1 << 0 << 0 << 0 << 0 << 0
                             << "terminal (0, 0): down to level k = 0 at switch (0, 0, 0) [i = k + c1]; along x "
                                "to i1 = 0 at switch (0, 0, 0) [j = i + c2]; along z to j1 = 0 at switch (0, 0, 0) "
                                "[k = j + c3]; up to terminal (0, 0), where it arrives.";
        QTest::newRow("offset INT_MIN") << 4 << 0 << 0 << INT_MIN << 1 << 1
                                        << "terminal (1, 1): down to level k = 1 at switch (1, 1, 1) [i = k + c1]; "
                                           "along x to i1 = 1 at switch (1, 1, 1) [j = i + c2]; then dies: no row j "
                                           "in 0..3 with 1 = j - 2147483648 [k = j + c3].";
    }

    void routes()
    {
        const auto [n, c1, c2, c3, i0, j0] = fetchRouteRow(true);
        QTEST(QString::fromStdString(describeRoute(networkWith(n, c1, c2, c3), i0, j0)), "text");
    }

    void colours()
    {
        QCOMPARE(QString::fromStdString(colourWords(0)), QStringLiteral("unmarked"));
        QCOMPARE(QString::fromStdString(colourWords(RedBit)), QStringLiteral("red"));
        QCOMPARE(QString::fromStdString(colourWords(GreenBit | BlueBit)), QStringLiteral("green + blue"));
        QCOMPARE(QString::fromStdString(colourWords(7)), QStringLiteral("red + green + blue"));
    }

    void boxesAndSummary()
    {
        SwitchNetwork net = networkWith(4);
        net.toggleTerminal(1, 3, RedBit);
        net.toggleTerminal(0, 0, BlueBit);
        net.toggleSwitch(3, 3, 1, GreenBit);
        QCOMPARE(QString::fromStdString(describeTerminal(net, 1, 3)),
                 QStringLiteral("terminal (1, 3): its route arrives at terminal (3, 1); marked red"));
        QCOMPARE(QString::fromStdString(describeTerminal(net, 3, 1)),
                 QStringLiteral("terminal (3, 1): its route arrives at terminal (1, 3); reached by red"));
        // (3, 3, 1): i = 3 is not k + 0 = 1; j = 3 = i + 0; k = 1 is not j + 0 = 3.
        QCOMPARE(QString::fromStdString(describeSwitch(net, 3, 3, 1)),
                 QStringLiteral("switch (3, 3, 1): on j = i + c2; marked green; marked routes turn here: from (1, 3)"));
        QCOMPARE(QString::fromStdString(describeSwitch(net, 0, 0, 0)),
                 QStringLiteral("switch (0, 0, 0): on i = k + c1, j = i + c2, k = j + c3; marked routes turn "
                                "here: from (0, 0)"));
        QCOMPARE(QString::fromStdString(describeSwitch(net, 2, 1, 3)), QStringLiteral("switch (2, 1, 3): on no family"));
        QCOMPARE(QString::fromStdString(describeNetwork(net)),
                 QStringLiteral("N = 4, c1 = 0, c2 = 0, c3 = 0; 2 terminals marked: 2 arrive, 0 die."));
        net.setOffset(PlaneFamily::IK, 1); // (0, 0) now dies at the IK family
        QCOMPARE(QString::fromStdString(describeTerminal(net, 0, 0)),
                 QStringLiteral("terminal (0, 0): its route dies at [i = k + c1]; marked blue"));
        QCOMPARE(QString::fromStdString(describeNetwork(net)),
                 QStringLiteral("N = 4, c1 = 1, c2 = 0, c3 = 0; 2 terminals marked: 1 arrives, 1 dies."));
    }
};

QTEST_APPLESS_MAIN(TestRouteText)
#include "tst_routetext.moc"
