#pragma once

class QSurfaceFormat;

// The surface every GL widget of the program gets: a depth buffer for the
// depth test and a compatibility profile for immediate-mode drawing.
QSurfaceFormat viewSurfaceFormat();

// Whether an OpenGL context can be made on this display. The platform's own
// complaints while finding out are kept quiet: the caller reports the answer.
bool hasOpenGL();
