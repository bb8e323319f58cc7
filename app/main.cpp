#include "app/globjectwindow.h"
#include "app/startup.h"

namespace {
constexpr int kNoOpenGLExitStatus = -1;
} // namespace

int main(int argc, char **argv)
{
    // Qt 6 chooses colours itself: there is no setColorSpec any more.
    ProgramApplication app(argc, argv);

    if (!hasOpenGL()) {
        qWarning("This system has no OpenGL support. Exiting.");
        return kNoOpenGLExitStatus;
    }

    // Destroyed first, before the application; closing it ends the event
    // loop, as the last window closed quits the application.
    GLObjectWindow window(nullptr, nullptr);
    window.show();
    return app.exec();
}
