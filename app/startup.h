#pragma once

#include <QApplication>

class QSurfaceFormat;

// The surface every GL widget of the program gets: a depth buffer for the
// depth test and a compatibility profile for immediate-mode drawing.
QSurfaceFormat viewSurfaceFormat();

// Whether an OpenGL context can be made on this display. The platform's own
// complaints while finding out are kept quiet: the caller reports the answer.
bool hasOpenGL();

// Names for the settings (recent lessons, dialog choices) and --version.
void nameApplication();

// The application object as the program starts it: the GL surface format is
// set before it exists (Qt requires that), then the 12-pixel application
// font. The program, the benchmark and the tools all start this way.
class ProgramApplication
{
public:
    ProgramApplication(int &argc, char **argv);
    int exec() { return QApplication::exec(); }

private:
    struct SurfaceFormatFirst
    {
        SurfaceFormatFirst();
    } surfaceFormat; // constructed before app
    QApplication app;
};
