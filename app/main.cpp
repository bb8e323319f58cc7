#include "app/commandline.h"
#include "app/figureexport.h"
#include "app/globjectwindow.h"
#include "app/languages.h"
#include "figure/figurefile.h"
#include "figure/handout.h"
#include "app/lessonfiles.h"
#include "app/startup.h"
#include "view/glbox.h"

#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {
constexpr int kNoOpenGLExitStatus = -1;
constexpr int kExportFailed = 1;

void printLine(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fprintf(stream, "%s%s", bytes.constData(), bytes.endsWith('\n') ? "" : "\n");
}

int exportFailed(const QString &file, const QString &error)
{
    printLine(stderr, QStringLiteral("transpose-switch: %1: %2").arg(file, error));
    return kExportFailed;
}

// --export of a picture as the screen shows it: drawn by GL off screen at
// the asked size.
int exportScreenPicture(GLObjectWindow &window, const CommandLine &line)
{
    QString error;
    if (!line.lesson.isEmpty() && !window.lessonFiles()->open(line.lesson, &error)) {
        printLine(stderr, QStringLiteral("transpose-switch: %1").arg(error));
        return kExportFailed;
    }
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    QCoreApplication::processEvents();
    auto *view = window.findChild<GLBox *>(QStringLiteral("glbox"));
    if (line.focusRoutes)
        view->setFocusOnRoutes(true);
    if (line.labels)
        view->setLabels(true);
    // The same size on every machine, whatever the screen makes of the window.
    const QSize size = line.imageSize.isValid() ? line.imageSize : ts::kDefaultFigurePixels;
    if (!writeFigureFile(line.exportFile, viewFigureContent(view), line.figure, size, view, &error))
        return exportFailed(line.exportFile, error);
    return 0;
}

// The lesson to export (the start state without one), with --focus and
// --labels added to every scene; false once the reason is printed.
bool exportedLesson(const CommandLine &line, ts::Lesson *lesson)
{
    QString error;
    if (!line.lesson.isEmpty() && !ts::readLessonFile(line.lesson, lesson, &error)) {
        printLine(stderr, QStringLiteral("transpose-switch: %1").arg(error));
        return false;
    }
    for (ts::LessonScene &scene : lesson->scenes) {
        scene.presentation.focusRoutes = scene.presentation.focusRoutes || line.focusRoutes;
        scene.presentation.labels = scene.presentation.labels || line.labels;
    }
    return true;
}

// --export drawn as vectors, with no window and no GL: SVG, PDF, and
// pictures where there is no display.
int exportVectors(const CommandLine &line)
{
    ts::Lesson lesson;
    if (!exportedLesson(line, &lesson))
        return kExportFailed;
    const bool pdf = ts::figureFormat(line.exportFile) == ts::FigureFormat::Pdf;
    const QSizeF size = line.imageSize.isValid() ? QSizeF(line.imageSize)
                        : pdf                    ? ts::kDefaultPdfMillimetres
                                                 : QSizeF(ts::kDefaultFigurePixels);
    QString error;
    if (!writeFigureFile(line.exportFile, ts::figureContent(lesson), line.figure, size, nullptr, &error))
        return exportFailed(line.exportFile, error);
    return 0;
}

// --export --handout: every scene, as vectors, with no window and no GL.
int exportHandout(const CommandLine &line)
{
    ts::Lesson lesson;
    if (!exportedLesson(line, &lesson))
        return kExportFailed;
    const bool pdf = line.handoutFormat == ts::FigureFormat::Pdf;
    const QSizeF size = line.imageSize.isValid() ? QSizeF(line.imageSize)
                        : pdf                    ? ts::kHandoutPageMillimetres
                                                 : QSizeF(ts::kDefaultFigurePixels);
    QString error;
    if (!ts::writeHandout(line.exportFile, line.handoutFormat, lesson, line.figure, size, nullptr, &error))
        return exportFailed(line.exportFile, error);
    return 0;
}

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Whether argv holds one of these options, also as "--option=value".
bool hasOption(int argc, char **argv, std::initializer_list<const char *> options)
{
    for (int a = 1; a < argc; ++a)
        for (const char *option : options) {
            const std::size_t length = std::strlen(option);
            if (std::strncmp(argv[a], option, length) == 0 && (argv[a][length] == '\0' || argv[a][length] == '='))
                return true;
        }
    return false;
}

// The value --lang asks for, read before the command line is parsed, so
// that --help and what is said about a bad option are in that language too.
QString langArgument(int argc, char **argv)
{
    for (int a = 1; a < argc; ++a) {
        if (std::strcmp(argv[a], "--lang") == 0 && a + 1 < argc)
            return QString::fromLocal8Bit(argv[a + 1]);
        if (std::strncmp(argv[a], "--lang=", 7) == 0)
            return QString::fromLocal8Bit(argv[a] + 7);
    }
    return {};
}

// --lang, else View → Language's last choice, else the system's languages.
// An unknown --lang is left to the parser to refuse.
void startInLanguage(const QString &asked)
{
    const QStringList shipped = Languages::shippedCodes();
    Languages::of(QCoreApplication::instance())
        ->setLanguage(chooseLanguage(shipped.contains(asked) ? asked : QString(),
                                     QSettings().value(QLatin1String(Languages::kSettingsKey)).toString(),
                                     QLocale::system().uiLanguages(), shipped));
}

int printAndExit(const CommandLine &line)
{
    printLine(line.exitCode == 0 ? stdout : stderr, line.message);
    return line.exitCode;
}
} // namespace

int main(int argc, char **argv)
{
    // --help and --version print and exit, also where there is no display.
    if (hasOption(argc, argv, {"-h", "--help", "-?", "--help-all", "-v", "--version"})) {
        QCoreApplication core(argc, argv);
        nameApplication();
        startInLanguage(langArgument(argc, argv));
        return printAndExit(parseCommandLine(QCoreApplication::arguments()));
    }
    // A figure needs no display: without one, Qt's off-screen platform
    // draws it instead of the program failing to start.
    if (hasOption(argc, argv, {"--export"}) && !hasDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ProgramApplication app(argc, argv);
    startInLanguage(langArgument(argc, argv));
    // The toolkit has taken its own options (-style, -platform, ...).
    const CommandLine line = parseCommandLine(QCoreApplication::arguments());
    if (line.action == CommandLine::Exit)
        return printAndExit(line);

    // Only a picture as on screen is drawn by GL; without GL it is drawn
    // from the vectors too.
    const bool exporting = line.action == CommandLine::Export;
    if (exporting && line.handout)
        return exportHandout(line);
    if (exporting && (ts::figureFormat(line.exportFile) != ts::FigureFormat::Picture ||
                      line.figure.background == ts::FigureBackground::Print))
        return exportVectors(line);
    const bool openGL = hasOpenGL();
    if (exporting && !openGL)
        return exportVectors(line);
    if (!openGL) {
        qWarning("This system has no OpenGL support. Exiting.");
        return kNoOpenGLExitStatus;
    }

    // Destroyed first, before the application; closing it ends the event
    // loop, as the last window closed quits the application.
    GLObjectWindow window(nullptr, nullptr);
    if (exporting)
        return exportScreenPicture(window, line);
    window.show();
    if (line.practice)
        window.startPractice(line.practiceSeed, static_cast<ts::PracticeLevel>(line.practiceLevel));
    QString error;
    if (!line.lesson.isEmpty() && !window.lessonFiles()->open(line.lesson, &error)) {
        printLine(stderr, QStringLiteral("transpose-switch: %1").arg(error));
        QTimer::singleShot(0, &window, [&window, error] {
            QMessageBox::warning(&window, GLObjectWindow::tr("Open Lesson"),
                                 GLObjectWindow::tr("The lesson could not be opened.\n%1").arg(error));
        });
    }
    return app.exec();
}
