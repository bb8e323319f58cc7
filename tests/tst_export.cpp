// Figures against the screen: the SVG of a state, rendered back by Qt's SVG
// renderer, against the GL frame of the same state; and the GL picture of a
// figure, fitted to a frame of another shape.
#include "app/exportdialog.h"
#include "app/figureexport.h"
#include "figure/figurefile.h"
#include "figure/svgcompact.h"
#include "support/svgcheck.h"
#include "support/viewdriver.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QSettings>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <QRandomGenerator>
#include <QRegularExpression>

#include <functional>

using namespace ts;

namespace {
using Setup = std::function<void(GLBox &)>;

// Each 2x2 block's mean: the planes' stipples put one dot in every such
// block, where a vector figure fills with that dot's share of the colour.
QImage blockMeans(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QImage means(rgb.width() / 2, rgb.height() / 2, QImage::Format_RGB32);
    for (int y = 0; y < means.height(); ++y)
        for (int x = 0; x < means.width(); ++x) {
            int sum[3] = {0, 0, 0};
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) {
                    const QRgb p = rgb.pixel(2 * x + dx, 2 * y + dy);
                    sum[0] += qRed(p);
                    sum[1] += qGreen(p);
                    sum[2] += qBlue(p);
                }
            means.setPixel(x, y, qRgb(sum[0] / 4, sum[1] / 4, sum[2] / 4));
        }
    return means;
}

constexpr int kThreshold = 255 * 15 / 100; // 15% of full scale

bool near(QRgb p, QRgb q)
{
    return std::abs(qRed(p) - qRed(q)) <= kThreshold && std::abs(qGreen(p) - qGreen(q)) <= kThreshold &&
           std::abs(qBlue(p) - qBlue(q)) <= kThreshold;
}

// The share of pixels of a whose channels differ by more than 15% of full
// scale from b's pixel there or, with reach 1, from every pixel around it
// (and the same the other way round): a line drawn with and without
// anti-aliasing lands half a pixel apart.
double differingShare(const QImage &a, const QImage &b, int reach = 0)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    auto matched = [reach](const QImage &from, const QImage &in, int col, int row) {
        const QRgb p = from.pixel(col, row);
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx)
                if (in.valid(col + dx, row + dy) && near(p, in.pixel(col + dx, row + dy)))
                    return true;
        return false;
    };
    qint64 differ = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            differ += (!matched(x, y, col, row) || !matched(y, x, col, row)) ? 1 : 0;
    return double(differ) / (double(x.width()) * x.height());
}

// Bounding box of the pixels that are not the background.
QRect drawnExtent(const QImage &image, QRgb background)
{
    QRect extent;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < rgb.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(rgb.constScanLine(row));
        for (int col = 0; col < rgb.width(); ++col)
            if ((p[col] & 0xffffff) != (background & 0xffffff))
                extent |= QRect(col, row, 1, 1);
    }
    return extent;
}
} // namespace

class ExportTest : public QObject
{
    Q_OBJECT

private slots:
    void svgMatchesTheView_data();
    void svgMatchesTheView();
    void pictureFitsTheFrame_data();
    void pictureFitsTheFrame();
    void dialogRemembersItsChoices();
    void printTurnsWhiteLinesDark();
    void compactSvgDrawsTheSame_data();
    void compactSvgDrawsTheSame();
    void lessonTextNeverBecomesMarkup_data();
    void lessonTextNeverBecomesMarkup();
    void legendExplainsItsShortNames();
};

void ExportTest::svgMatchesTheView_data()
{
    // The bound is 3 %, but for the densest state, where nearly every pixel
    // is on the edge of a line that the SVG renderer anti-aliases and GL
    // does not.
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<double>("bound");
    QTest::newRow("N = 4 defaults") << Setup([](GLBox &) {}) << 0.03;
    QTest::newRow("N = 4, planes and marks") << Setup([](GLBox &v) {
        v.setRotation(25, 35);
        for (auto slot : {&GLBox::setIKHilite, &GLBox::setIKPlane, &GLBox::setJIPlane, &GLBox::setKJPlane})
            (v.*slot)(true);
        v.setJIOffset(1);
        v.toggleMark({PickedBox::Terminal, 1, 2, -1}, RedBit);
        v.toggleMark({PickedBox::Terminal, 3, 0, -1}, GreenBit);
        v.setWiresMode(WiresAll);
    }) << 0.03;
    QTest::newRow("N = 5, a route stepped to its second leg") << Setup([](GLBox &v) {
        v.setSize(5);
        v.setRotation(35, 20);
        v.toggleMark({PickedBox::Terminal, 1, 2, -1}, RedBit);
        v.toggleMark({PickedBox::Terminal, 4, 0, -1}, GreenBit);
        v.setRouteStep({true, 1, 2, 2});
    }) << 0.03;
    QTest::newRow("N = 4, zoomed and panned") << Setup([](GLBox &v) {
        v.toggleMark({PickedBox::Terminal, 1, 3, -1}, RedBit);
        v.document()->setViewPoint({30.0f, 330.0f, 2.0, 0.35, -0.25});
    }) << 0.03;
    QTest::newRow("N = 15 worst case") << Setup([](GLBox &v) { worstCase(v); }) << 0.10;
}

void ExportTest::svgMatchesTheView()
{
    QFETCH(Setup, setup);
    QFETCH(double, bound);
    const auto view = shownView();
    setup(*view);
    QCoreApplication::processEvents();
    const QImage screen = view->grabFramebuffer();

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("view.svg"));
    FigureOptions options;
    options.fit = false;
    QString error;
    QVERIFY2(writeFigure(path, viewFigureContent(view.get()), options, screen.size(), &error), qPrintable(error));
    QSvgRenderer svg(path);
    QVERIFY(svg.isValid());
    QImage drawn(screen.size(), QImage::Format_RGB32);
    drawn.fill(Qt::black);
    QPainter painter(&drawn);
    svg.render(&painter);
    painter.end();

    // Pixel by pixel, a plane's stipple differs from the figure's see-through
    // fill everywhere, and an anti-aliased edge from an aliased one; over
    // the stipple's 2x2 cells, each against the cells around it, they agree.
    const double pixels = differingShare(screen, drawn);
    const double share = differingShare(blockMeans(screen), blockMeans(drawn), 1);
    qInfo("%s: %.2f %% of pixels, %.2f %% of 2x2 cells (against those around) differ by more than 15 %%",
          QTest::currentDataTag(), 100 * pixels, 100 * share);
    QVERIFY2(share <= bound, qPrintable(QStringLiteral("%1 % differ").arg(100 * share)));
}

void ExportTest::pictureFitsTheFrame_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("caption");
    QTest::newRow("wide, larger than the window") << QSize(1400, 700) << false;
    QTest::newRow("tall, with a caption") << QSize(500, 900) << true;
}

// The model fills the frame within the margin along one axis and is
// centred along the other, at a size that is not the window's.
void ExportTest::pictureFitsTheFrame()
{
    QFETCH(QSize, size);
    QFETCH(bool, caption);
    const auto view = shownView(400);
    view->setRotation(20, 30);
    FigureOptions options;
    options.caption = caption;
    QString error;
    const QImage picture = renderFigurePicture(view.get(), options, size, &error);
    QCOMPARE(picture.size(), size);
    const Figure figure(viewFigureContent(view.get()), options, size);
    QImage model = picture.copy(0, 0, size.width(), figure.camera().height); // above any caption
    const QRect extent = drawnExtent(model, qRgb(0, 0, 0));
    const int margin = qRound(0.04 * std::min(size.width(), size.height()));
    const int slackX = model.width() - extent.width() - 2 * margin;
    const int slackY = model.height() - extent.height() - 2 * margin;
    QVERIFY2(std::min(std::abs(slackX), std::abs(slackY)) <= 4,
             qPrintable(QStringLiteral("extent %1x%2 in %3x%4").arg(extent.width()).arg(extent.height())
                            .arg(model.width()).arg(model.height())));
    QVERIFY(std::abs(extent.left() - (model.width() - extent.right() - 1)) <= 4);
    QVERIFY(std::abs(extent.top() - (model.height() - extent.bottom() - 1)) <= 4);
}

// Each format keeps its own size; everything chosen comes back next time.
void ExportTest::dialogRemembersItsChoices()
{
    QSettings().remove(QStringLiteral("export"));
    {
        ExportDialog dialog(QSize(640, 480));
        QCOMPARE(dialog.format(), FigureFormat::Picture);
        QCOMPARE(dialog.figureSize(FigureFormat::Picture), QSizeF(640, 480));
        QCOMPARE(dialog.figureSize(FigureFormat::Pdf), kDefaultPdfMillimetres);
        QVERIFY(dialog.figureOptions().fit);
        QCOMPARE(dialog.figureOptions().background, FigureBackground::Screen);
        dialog.findChild<QSpinBox *>(QStringLiteral("export_width"))->setValue(1000);
        dialog.findChild<QComboBox *>(QStringLiteral("export_format"))->setCurrentIndex(2);
        auto *height = dialog.findChild<QSpinBox *>(QStringLiteral("export_height"));
        QCOMPARE(height->suffix(), QStringLiteral(" mm"));
        QCOMPARE(height->value(), 148);
        height->setValue(100);
        dialog.findChild<QComboBox *>(QStringLiteral("export_background"))->setCurrentIndex(1);
        dialog.findChild<QCheckBox *>(QStringLiteral("export_fit"))->setChecked(false);
        dialog.findChild<QCheckBox *>(QStringLiteral("export_legend"))->setChecked(true);
        dialog.accept();
    }
    ExportDialog again(QSize(300, 300));
    QCOMPARE(again.format(), FigureFormat::Pdf);
    QCOMPARE(again.figureSize(FigureFormat::Pdf), QSizeF(210, 100));
    QCOMPARE(again.figureSize(FigureFormat::Svg), QSizeF(1000, 480));
    const FigureOptions options = again.figureOptions();
    QCOMPARE(options.background, FigureBackground::Print);
    QVERIFY(!options.fit && options.legend && !options.caption);
}

// White frames on white paper would vanish: a print figure strokes no line
// white, where the screen's has white frames.
void ExportTest::printTurnsWhiteLinesDark()
{
    FigureContent content;
    content.options.switchesMode = SwitchesFrame;
    content.network.toggleTerminal(1, 1, RedBit);
    content.presentation = {true, true, {}}; // faint frames and labels too
    content.view = {30.0f, 330.0f, 1.0};
    FigureOptions options;
    QStringList strokes[2];
    for (const FigureBackground background : {FigureBackground::Screen, FigureBackground::Print}) {
        options.background = background;
        QByteArray svg;
        QString error;
        QVERIFY2(vectorFigure(FigureFormat::Svg, content, options, QSizeF(300, 300), &svg, &error), qPrintable(error));
        strokes[int(background)] = support::readOurSvg(svg).strokes;
    }
    QVERIFY(strokes[int(FigureBackground::Screen)].contains(QStringLiteral("#ffffff")));
    QVERIFY2(!strokes[int(FigureBackground::Print)].contains(QStringLiteral("#ffffff")),
             qPrintable(strokes[int(FigureBackground::Print)].join(QLatin1Char(' '))));
}

void ExportTest::compactSvgDrawsTheSame_data()
{
    QTest::addColumn<FigureBackground>("background");
    QTest::newRow("screen") << FigureBackground::Screen;
    QTest::newRow("print") << FigureBackground::Print;
}

// Each style written once draws, to the pixel, what the generator's own
// output draws: the worst case at N = 5, dashed wires and see-through
// planes included.
void ExportTest::compactSvgDrawsTheSame()
{
    QFETCH(FigureBackground, background);
    FigureContent content;
    QVERIFY(content.network.setSize(5));
    content.network.setOffset(PlaneFamily::IK, 1);
    content.network.setOffset(PlaneFamily::KJ, -2);
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            content.network.toggleTerminal(i, j, 1 << ((i + j) % 3));
    content.options.wiresMode = WiresUsed;
    for (PlaneOptions &plane : content.options.planes)
        plane = {true, true, false};
    content.view = {30.0f, 330.0f, 1.0};
    FigureOptions options;
    options.background = background;
    options.caption = options.legend = true;
    const QSize size(500, 400);

    QByteArray generated;
    {
        QBuffer buffer(&generated);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        QPainter painter(&svg);
        Figure(content, options, size).paint(painter);
    }
    const QByteArray compact = compactSvg(generated);
    auto drawn = [&size](const QByteArray &svg) {
        QSvgRenderer renderer(svg);
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        return image;
    };
    QVERIFY(drawn(generated) == drawn(compact));
    QVERIFY2(compact.size() * 2 < generated.size(),
             qPrintable(QStringLiteral("%1 of %2 bytes").arg(compact.size()).arg(generated.size())));
    QVERIFY2(support::readOurSvg(compact).problem.isEmpty(), qPrintable(support::readOurSvg(compact).problem));
    // Every style once: no two classes say the same.
    const QString sheet = QString::fromUtf8(compact).section(QStringLiteral("<style type=\"text/css\">"), 1).section(
        QStringLiteral("</style>"), 0, 0);
    QStringList styles;
    for (const QString &rule : sheet.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        styles << rule.section(QLatin1Char('{'), 1);
    QVERIFY(!styles.isEmpty());
    QCOMPARE(QSet<QString>(styles.begin(), styles.end()).size(), styles.size());
}

// A title from anyone's lesson goes into the SVG's <title> and caption as
// text: escaped, with what XML forbids left out, never as elements.
void ExportTest::lessonTextNeverBecomesMarkup_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown"); // what the figure says of it
    QTest::newRow("a script") << "</title><script>alert(1)</script><title>"
                              << "</title><script>alert(1)</script><title>";
    QTest::newRow("markup characters") << "a < b & c > \"d\" 'e'" << "a < b & c > \"d\" 'e'";
    QTest::newRow("NUL and ESC") << QStringLiteral("a\u0000b\u001bc") << "abc";
    QTest::newRow("a lone surrogate") << QString(QChar(0xd800)) + "x" << "\ufffdx";
    QTest::newRow("U+FFFE") << QString(QChar(0xfffe)) + "y" << "y";
}

void ExportTest::lessonTextNeverBecomesMarkup()
{
    QFETCH(QString, title);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("title.svg"));
    FigureContent content;
    content.title = title;
    FigureOptions options;
    options.caption = true;
    QString error;
    QVERIFY2(writeFigure(path, content, options, QSizeF(400, 300), &error), qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const support::SvgReading svg = support::readOurSvg(file.readAll());
    QVERIFY2(svg.problem.isEmpty(), qPrintable(svg.problem));
    QCOMPARE(svg.title, shown + QStringLiteral(": ") + figureParameters(content.network));
    QVERIFY2(svg.texts.contains(shown), qPrintable(svg.texts.join(QLatin1Char('|'))));
}

// The legend names a dead end by its family's short name ("dies: IK") and
// says what each short name it uses means, once, before the routes; seeded
// networks with random marks.
void ExportTest::legendExplainsItsShortNames()
{
    QRandomGenerator rng(20261209);
    for (int t = 0; t < 200; ++t) {
        const int n = rng.bounded(1, kMaxNetworkSize + 1);
        SwitchNetwork net;
        QVERIFY(net.setSize(n));
        for (PlaneFamily f : kAllPlaneFamilies)
            net.setOffset(f, rng.bounded(-n, n + 1));
        for (int m = rng.bounded(6); m > 0; --m)
            net.toggleTerminal(rng.bounded(n), rng.bounded(n), RedBit);
        QStringList used, explained;
        bool routesBegun = false;
        for (const LegendEntry &entry : legendEntries(net)) {
            if (entry.swatch) {
                routesBegun = true;
                const QRegularExpressionMatch dies = QRegularExpression(QStringLiteral("dies: (\\w+)$")).match(entry.text);
                if (dies.hasMatch() && !used.contains(dies.captured(1)))
                    used << dies.captured(1);
            } else {
                QVERIFY2(!routesBegun, qPrintable(entry.text));
                explained << entry.text;
            }
        }
        QStringList wanted;
        for (const PlaneFamilyInfo &family : kPlaneFamilies)
            if (used.contains(QLatin1String(family.shortName)))
                wanted << QStringLiteral("%1: %2").arg(QLatin1String(family.shortName), QLatin1String(family.title));
        QCOMPARE(explained, wanted);
    }
}

QTEST_MAIN(ExportTest)
#include "tst_export.moc"
