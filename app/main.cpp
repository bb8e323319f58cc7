#include "app/globjectwindow.h"
#include "app/startup.h"

#include <QApplication>
#include <QFont>
#include <QSurfaceFormat>

namespace {
constexpr int kApplicationFontPixels = 12;
constexpr int kNoOpenGLExitStatus = -1;
} // namespace

int main(int argc, char **argv)
{
    // Qt 6 chooses colours itself (there is no colour specification to set)
    // and asks for the GL surface before the application exists.
    QSurfaceFormat::setDefaultFormat(viewSurfaceFormat());
    QApplication app(argc, argv);

    QFont font;
    font.setPixelSize(kApplicationFontPixels);
    QApplication::setFont(font);

    if (!hasOpenGL()) {
        qWarning("This system has no OpenGL support. Exiting.");
        return kNoOpenGLExitStatus;
    }

    // Destroyed first, before the font and the application; closing it ends
    // the event loop, as the last window closed quits the application.
    GLObjectWindow window(nullptr, nullptr);
    window.show();
    return app.exec();
}
