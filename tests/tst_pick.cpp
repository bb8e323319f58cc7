// The fast pick against the full selection pass: for seeded random states,
// rotations and pointer positions (box centres, corners, edges and empty
// space), sending GL only the boxes near the pointer must give the same
// answer as sending every box in drawing order with the rest of the scene.
// TS_PICK_CASES and TS_PICK_SEED vary it.
#include "support/viewdriver.h"

#include <QRandomGenerator>

using namespace ts;

namespace {
int envInt(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

QString describe(const PickResult &r)
{
    return QStringLiteral("%1/%2").arg(int(r.kind)).arg(r.name);
}
} // namespace

class TestPick : public QObject
{
    Q_OBJECT

    std::unique_ptr<GLBox> view;

    // Both answers at one point; the full pass is the reference.
    bool agreeAt(const QPoint &at, QString &why)
    {
        view->setSceneDrawing(GLBox::SceneDrawing::Plain);
        const PickResult full = view->pickAt(at.x(), at.y());
        view->setSceneDrawing(GLBox::SceneDrawing::Batched);
        const PickResult fast = view->pickAt(at.x(), at.y());
        if (full.kind == fast.kind && full.name == fast.name)
            return true;
        why = QStringLiteral("at (%1, %2): full %3, fast %4").arg(at.x()).arg(at.y()).arg(describe(full), describe(fast));
        return false;
    }

    void randomState(QRandomGenerator &rng)
    {
        const int n = rng.bounded(1, kMaxNetworkSize + 1);
        view->setSize(n);
        view->setSwitchesMode(rng.bounded(3));
        view->setRouteMode(rng.bounded(2));
        view->setWiresMode(rng.bounded(3));
        for (const PlaneFamily family : kAllPlaneFamilies) {
            const GLBox::FamilySlots wiring = GLBox::familySlots(family);
            (view.get()->*wiring.hilite)(rng.bounded(2) == 1);
            (view.get()->*wiring.plane)(rng.bounded(2) == 1);
            (view.get()->*wiring.opaque)(rng.bounded(2) == 1);
            (view.get()->*wiring.offset)(rng.bounded(-n, n + 1));
        }
        view->setRotation(float(rng.bounded(360.0)), float(rng.bounded(360.0)));
    }

private slots:
    void init() { view = shownView(); }
    void cleanup() { view.reset(); }

    void fastPickAgreesWithTheFullPass()
    {
        QRandomGenerator rng(quint32(envInt("TS_PICK_SEED", 20261208)));
        const int cases = envInt("TS_PICK_CASES", 2400);
        int checked = 0, hits = 0;
        while (checked < cases) {
            randomState(rng);
            const int n = view->network().size();
            const CellGeometry g(n);
            // Some marks, so thick frames take part.
            for (int m = 0; m < 3; ++m) {
                const int i = rng.bounded(n), j = rng.bounded(n);
                const QPoint at = project(*view, {g.x(i), 1, g.z(j)}).toPoint();
                QTest::mouseClick(view.get(), Qt::LeftButton, {}, at);
            }
            for (int p = 0; p < 12; ++p, ++checked) {
                QPoint at;
                const int i = rng.bounded(n), j = rng.bounded(n), k = rng.bounded(n);
                const float half = g.switchHalfSize();
                switch (rng.bounded(4)) {
                case 0: // a switch's centre
                    at = project(*view, {g.x(i), g.y(k), g.z(j)}).toPoint();
                    break;
                case 1: // one of its corners
                    at = project(*view, {g.x(i) + (rng.bounded(2) ? half : -half), g.y(k) + (rng.bounded(2) ? half : -half),
                                         g.z(j) + (rng.bounded(2) ? half : -half)})
                             .toPoint();
                    break;
                case 2: // the edge of a terminal box
                    at = project(*view, {g.x(i) + g.boxScale, 1, g.z(j) + float(rng.bounded(2.0) - 1.0) * g.boxScale}).toPoint();
                    break;
                default: // anywhere, empty space included
                    at = QPoint(rng.bounded(view->width()), rng.bounded(view->height()));
                }
                QString why;
                QVERIFY2(agreeAt(at, why), qPrintable(QStringLiteral("case %1: ").arg(checked) + why));
                hits += view->pickAt(at.x(), at.y()).kind == PickResult::Hit ? 1 : 0;
            }
        }
        qInfo("%d picks agreed, %d of them on a box", checked, hits);
        QVERIFY(hits > checked / 4); // the cases mostly land on boxes
    }

    void fewBoxesAreSent()
    {
        view->setSize(15);
        view->setRotation(30, 40);
        QCoreApplication::processEvents();
        const PickResult r = view->pickAt(view->width() / 2, view->height() / 2);
        QCOMPARE(r.kind, PickResult::Hit);
        QVERIFY2(view->boxesSentByLastPick() < 100, qPrintable(QString::number(view->boxesSentByLastPick())));
        QVERIFY(view->boxesSentByLastPick() > 0);
    }

    void overflowGrowsTheBuffer()
    {
        view->setSize(15);
        view->setRotation(30, 40);
        view->setSceneDrawing(GLBox::SceneDrawing::Plain); // many records: every box and the unnamed rest
        QCoreApplication::processEvents();
        const QPoint at(view->width() / 2, view->height() / 2);
        const PickResult large = view->pickAt(at.x(), at.y());
        const PickResult tiny = view->pickAt(at.x(), at.y(), 4); // one record fits
        QCOMPARE(large.kind, PickResult::Hit);
        QCOMPARE(tiny.kind, large.kind);
        QCOMPARE(tiny.name, large.name);
    }
};

QTEST_MAIN(TestPick)
#include "tst_pick.moc"
