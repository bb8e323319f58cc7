// A bounded, seeded monkey: thousands of random actions on the real window
// (slot calls with edge values, control changes, mouse presses, moves and
// releases with every button, resizes), checking after each one that the
// state is still true. Set TS_MONKEY_SEED and TS_MONKEY_ACTIONS to vary it.
#include "app/globjectwindow.h"
#include "view/glbox.h"
#include "support/marksoracle.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QtTest>

#include <climits>
#include <cmath>

using namespace ts;

namespace {
constexpr int kDefaultActions = 2000;

int envInt(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// What must hold after every action: the size and angles in range, nothing
// beyond the size, and the marks the rules give.
QString invariantBroken(const GLBox &view)
{
    const SwitchNetwork &net = view.network();
    const int n = net.size();
    if (n < 1 || n > kMaxNetworkSize)
        return QStringLiteral("size %1").arg(n);
    if (!(view.rotationX() >= 0 && view.rotationX() < 360 && view.rotationY() >= 0 && view.rotationY() < 360))
        return QStringLiteral("angles %1 %2").arg(view.rotationX()).arg(view.rotationY());
    if (!oracle::nothingBeyondSize(net))
        return QStringLiteral("a mark or arrival beyond N");
    const TerminalGrid expected = oracle::expectedMarks(net);
    for (int i = 0; i < kMaxNetworkSize; ++i)
        for (int j = 0; j < kMaxNetworkSize; ++j)
            if (net.arrivals(i, j) != expected[i][j])
                return QStringLiteral("mark at %1,%2 is %3, expected %4")
                    .arg(i).arg(j).arg(net.arrivals(i, j)).arg(expected[i][j]);
    return {};
}
} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void randomActionsKeepTheStateTrue()
    {
        const quint32 seed = quint32(envInt("TS_MONKEY_SEED", 20261208));
        const int actions = envInt("TS_MONKEY_ACTIONS", kDefaultActions);
        QRandomGenerator rng(seed);
        GLObjectWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *view = window.findChild<GLBox *>(QStringLiteral("glbox"));
        const auto spins = window.findChildren<QSpinBox *>();
        // The panel's buttons; the menu bar's own (its overflow arrow) opens a modal menu.
        const auto buttons = window.findChild<QWidget *>(QStringLiteral("vbox"))->findChildren<QAbstractButton *>();
        const QMetaObject *mo = view->metaObject();
        QList<QMetaMethod> viewSlots;
        for (int m = mo->methodOffset(); m < mo->methodCount(); ++m)
            if (mo->method(m).methodType() == QMetaMethod::Slot)
                viewSlots << mo->method(m);
        QCOMPARE(viewSlots.size(), 16);

        auto edgeValue = [&]() -> int {
            const int n = view->network().size();
            const int edges[] = {0, 1, -1, n, -n, 15, -15, 16, -16, INT_MIN, INT_MAX, n - 1, 1 - n};
            return rng.bounded(3) ? edges[rng.bounded(int(std::size(edges)))] : rng.bounded(-20, 21);
        };
        const Qt::MouseButton mouseButtons[] = {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton, Qt::BackButton,
                                                Qt::ForwardButton, Qt::NoButton};
        auto somewhere = [&] {
            return QPoint(rng.bounded(-50, view->width() + 50), rng.bounded(-50, view->height() + 50));
        };
        QPoint last(view->width() / 2, view->height() / 2);

        for (int a = 0; a < actions; ++a) {
            QString action;
            switch (rng.bounded(8)) {
            case 0: { // any slot, any value
                const QMetaMethod slot = viewSlots[rng.bounded(int(viewSlots.size()))];
                action = QString::fromLatin1(slot.methodSignature());
                if (slot.parameterType(0) == QMetaType::Bool)
                    slot.invoke(view, Q_ARG(bool, rng.bounded(2) == 1));
                else
                    slot.invoke(view, Q_ARG(int, edgeValue()));
                break;
            }
            case 1: { // a control of the panel
                QSpinBox *spin = spins[rng.bounded(int(spins.size()))];
                action = QStringLiteral("spin ") + spin->objectName();
                spin->setValue(int(rng.bounded(qint64(spin->minimum()), qint64(spin->maximum()) + 1)));
                break;
            }
            case 2: {
                QAbstractButton *button = buttons[rng.bounded(int(buttons.size()))];
                action = QStringLiteral("click ") + button->objectName();
                button->click();
                break;
            }
            case 3:
            case 4: { // a click, near the last point or anywhere
                const Qt::MouseButton b = mouseButtons[rng.bounded(int(std::size(mouseButtons)))];
                const QPoint at = rng.bounded(2) ? somewhere() : last + QPoint(rng.bounded(-4, 5), rng.bounded(-4, 5));
                action = QStringLiteral("click %1 at %2,%3").arg(int(b)).arg(at.x()).arg(at.y());
                QTest::mousePress(view, b, {}, at);
                QTest::mouseRelease(view, b, {}, at + QPoint(rng.bounded(-4, 5), rng.bounded(-4, 5)));
                last = at;
                break;
            }
            case 5: { // a drag
                const Qt::MouseButton b = mouseButtons[rng.bounded(3)];
                const QPoint from = somewhere();
                action = QStringLiteral("drag %1 from %2,%3").arg(int(b)).arg(from.x()).arg(from.y());
                QTest::mousePress(view, b, {}, from);
                for (int m = rng.bounded(1, 6); m > 0; --m)
                    QTest::mouseMove(view, somewhere());
                QTest::mouseRelease(view, b, {}, somewhere());
                break;
            }
            case 6: { // the window system
                const QSize size(rng.bounded(1, 1400), rng.bounded(1, 1100));
                action = QStringLiteral("resize %1x%2").arg(size.width()).arg(size.height());
                window.resize(size);
                break;
            }
            default:
                action = QStringLiteral("events");
                break;
            }
            QCoreApplication::processEvents();
            const QString broken = invariantBroken(*view);
            if (!broken.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2 (%3): %4").arg(seed).arg(a).arg(action, broken)));
        }
        qInfo("monkey: %d actions, seed %u", actions, seed);
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
