// The batched display pass against the plain per-box drawing: the same
// picture to within rounding, in every state that changes the lattice.
#include "support/viewdriver.h"

using namespace ts;

namespace {
constexpr double kMaxDifferingShare = 0.0001; // 0.01% of the pixels

int differingPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) > kColourTolerance || std::abs(p.green() - q.green()) > kColourTolerance ||
                std::abs(p.blue() - q.blue()) > kColourTolerance)
                ++count;
        }
    return count;
}
} // namespace

class TestFaithful : public QObject
{
    Q_OBJECT

    std::unique_ptr<GLBox> view;

    void markSome(int n)
    {
        view->setRotation(60, 0);
        QCoreApplication::processEvents();
        const CellGeometry g(n);
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton};
        for (int t = 0; t < n; t += std::max(1, n / 4))
            QTest::mouseClick(view.get(), buttons[t % 3], {}, project(*view, {g.x(t), 1, g.z(n - 1 - t)}).toPoint());
        view->setRotation(0, 0);
        QCoreApplication::processEvents();
        // A front switch marked too, for a thick frame inside the lattice.
        QTest::mouseClick(view.get(), Qt::MiddleButton, {},
                          project(*view, {g.x(0), g.y(0), g.z(0) - g.switchHalfSize()}).toPoint());
    }

private slots:
    void init() { view = shownView(); }
    void cleanup() { view.reset(); }

    void samePicture_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("switches");
        QTest::addColumn<bool>("extras"); // highlights, planes, overlays
        for (int n : {1, 4, 15})
            for (int switches : {0, 1, 2})
                for (bool extras : {false, true})
                    QTest::newRow(qPrintable(QStringLiteral("N=%1 switches %2%3").arg(n).arg(switches).arg(extras ? " extras" : "")))
                        << n << switches << extras;
    }

    void samePicture()
    {
        QFETCH(int, n);
        QFETCH(int, switches);
        QFETCH(bool, extras);
        view->setSize(n);
        markSome(n);
        view->setSwitchesMode(switches);
        view->setIKHilite(extras);
        view->setKJHilite(extras);
        view->setJIPlane(extras);
        view->setKJPlane(extras);
        view->setWiresMode(extras ? WiresUsed : WiresOff);
        view->setRouteMode(switches % 2 ? RouteWire : RoutePath);
        for (QPointF angles : {QPointF(0, 0), QPointF(30, 40), QPointF(300, 200)}) {
            view->setRotation(float(angles.x()), float(angles.y()));
            view->setSceneDrawing(GLBox::SceneDrawing::Plain);
            const QImage reference = view->grabFramebuffer();
            view->setSceneDrawing(GLBox::SceneDrawing::Batched);
            const QImage batched = view->grabFramebuffer();
            const int differing = differingPixels(reference, batched);
            QVERIFY2(differing <= reference.width() * reference.height() * kMaxDifferingShare,
                     qPrintable(QStringLiteral("%1 pixels differ at %2, %3").arg(differing).arg(angles.x()).arg(angles.y())));
        }
    }

    void pickingIgnoresTheDisplayDrawing()
    {
        view->setSize(15);
        view->setRotation(30, 40);
        for (QPoint at : {QPoint(400, 400), QPoint(300, 250), QPoint(520, 610)}) {
            view->setSceneDrawing(GLBox::SceneDrawing::Plain);
            const PickResult a = view->pickAt(at.x(), at.y());
            view->setSceneDrawing(GLBox::SceneDrawing::Batched);
            const PickResult b = view->pickAt(at.x(), at.y());
            QCOMPARE(a.kind, PickResult::Hit);
            QCOMPARE(b.kind, a.kind);
            QCOMPARE(b.name, a.name);
        }
    }
};

QTEST_MAIN(TestFaithful)
#include "tst_faithful.moc"
