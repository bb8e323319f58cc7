#pragma once
// Reaches single drawing steps of the view, so that a test can capture what
// each one sends to GL in feedback mode. Expects the view's context current.

#include "view/glbox.h"

class SceneProbe
{
public:
    static void drawRoute(GLBox &view, int i0, int j0, ts::Colour start, ts::Colour end)
    {
        view.drawRoute(i0, j0, start, end);
    }
    static void drawWireOverlay(GLBox &view) { view.drawWireOverlay(); }
    static void drawMarkedRoutes(GLBox &view) { view.drawMarkedRoutes(); }
};
