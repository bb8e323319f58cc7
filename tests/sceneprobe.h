#pragma once
// Reaches single drawing steps of the view, so that a test can capture what
// each one sends to GL in feedback mode. Expects the view's context current.

#include "view/glbox.h"

class SceneProbe
{
public:
    static void drawWireOverlay(GLBox &view) { view.drawWireOverlay(); }
    static void drawMarkedRoutes(GLBox &view) { view.drawMarkedRoutes(); }
};
