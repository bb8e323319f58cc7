// Feeds any bytes to the lesson loader. A file it takes must hold a network
// that keeps the rules, must come back the same after saving and loading
// again, and its SVG figure must be well-formed and hold only the elements
// the figure writer makes, whatever its title says; a file it refuses must
// say why.
#include "core/lesson.h"
#include "figure/figurefile.h"
#include "support/marksoracle.h"
#include "support/svgcheck.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

using namespace ts;

namespace {
void check(bool ok)
{
    if (!ok)
        std::abort();
}
} // namespace

// The caption and legend need fonts, so a GUI application without a display.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    Lesson lesson;
    QString error;
    if (!parseLesson(bytes, &lesson, &error)) {
        check(!error.isEmpty());
        check(lesson == Lesson{}); // refused whole
        return 0;
    }
    check(!lesson.scenes.empty());
    for (const LessonScene &scene : lesson.scenes) {
        const SwitchNetwork &net = scene.network;
        check(SwitchNetwork::isValidSize(net.size()) && oracle::nothingBeyondSize(net));
        check(net.marks().arrivals == oracle::expectedMarks(net));
        const RouteStep &step = scene.presentation.step;
        check(!step.active || (step.i0 < net.size() && step.j0 < net.size() && step.legs >= 0));
    }
    Lesson again;
    check(parseLesson(lessonBytes(lesson), &again, &error));
    check(again == lesson);

    FigureOptions options;
    options.caption = options.legend = true;
    QByteArray svg;
    const int last = static_cast<int>(lesson.scenes.size()) - 1;
    check(vectorFigure(FigureFormat::Svg, figureContent(lesson, last), options, QSizeF(200, 150), &svg, &error));
    const support::SvgReading reading = support::readOurSvg(svg);
    check(reading.problem.isEmpty() && reading.title.startsWith(xmlSafeText(lesson.title)));
    return 0;
}
