#include "app/commandline.h"
#include "app/globjectwindow.h"
#include "app/imagefile.h"
#include "app/lessonfiles.h"
#include "app/startup.h"
#include "view/glbox.h"

#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {
constexpr int kNoOpenGLExitStatus = -1;
constexpr int kExportFailed = 1;

void printLine(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fprintf(stream, "%s%s", bytes.constData(), bytes.endsWith('\n') ? "" : "\n");
}

// --export: the picture of the lesson, drawn off screen at the asked size.
int exportPicture(GLObjectWindow &window, const CommandLine &line)
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
    const QSize size = line.imageSize.isValid() ? line.imageSize : view->size() * view->devicePixelRatio();
    const QImage picture = view->renderImage(size);
    if (picture.isNull())
        error = QStringLiteral("the picture could not be drawn off screen");
    else if (writeImageFile(picture, line.exportFile, &error))
        return 0;
    printLine(stderr, QStringLiteral("transpose-switch: %1: %2").arg(line.exportFile, error));
    return kExportFailed;
}

// --help and --version print and exit, also where there is no display.
bool asksForTextOnly(int argc, char **argv)
{
    for (int a = 1; a < argc; ++a)
        for (const char *option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[a], option) == 0)
                return true;
    return false;
}

int printAndExit(const CommandLine &line)
{
    printLine(line.exitCode == 0 ? stdout : stderr, line.message);
    return line.exitCode;
}
} // namespace

int main(int argc, char **argv)
{
    if (asksForTextOnly(argc, argv)) {
        QCoreApplication core(argc, argv);
        nameApplication();
        return printAndExit(parseCommandLine(QCoreApplication::arguments()));
    }
    ProgramApplication app(argc, argv);
    // The toolkit has taken its own options (-style, -platform, ...).
    const CommandLine line = parseCommandLine(QCoreApplication::arguments());
    if (line.action == CommandLine::Exit)
        return printAndExit(line);

    if (!hasOpenGL()) {
        qWarning("This system has no OpenGL support. Exiting.");
        return kNoOpenGLExitStatus;
    }

    // Destroyed first, before the application; closing it ends the event
    // loop, as the last window closed quits the application.
    GLObjectWindow window(nullptr, nullptr);
    if (line.action == CommandLine::Export)
        return exportPicture(window, line);
    window.show();
    if (line.practice)
        window.startPractice(line.practiceSeed, static_cast<ts::PracticeLevel>(line.practiceLevel));
    QString error;
    if (!line.lesson.isEmpty() && !window.lessonFiles()->open(line.lesson, &error)) {
        printLine(stderr, QStringLiteral("transpose-switch: %1").arg(error));
        QTimer::singleShot(0, &window, [&window, error] {
            QMessageBox::warning(&window, QStringLiteral("Open Lesson"),
                                 GLObjectWindow::tr("The lesson could not be opened.\n%1").arg(error));
        });
    }
    return app.exec();
}
