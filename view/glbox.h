#pragma once

#include "view/displayoptions.h"
#include "view/geometry.h"
#include "view/lattice.h"
#include "view/network.h"
#include "view/picking.h"

#include <QOpenGLWidget>
#include <QString>

#include <vector>

class QMouseEvent;

// The 3D view of the network. It owns the network's state and the display
// options, changes them through its slots and the mouse, and draws the whole
// scene in legacy immediate-mode OpenGL.
class GLBox : public QOpenGLWidget
{
    Q_OBJECT

public:
    explicit GLBox(QWidget *parent = nullptr, const char *name = nullptr);
    ~GLBox() override;

    // Read-only view of the state, for the benchmark and the tests.
    const SwitchNetwork &network() const { return net; }
    const DisplayOptions &displayOptions() const { return options; }
    float rotationX() const { return rotX; }
    float rotationY() const { return rotY; }
    int viewportWidth() const { return viewW; }
    int viewportHeight() const { return viewH; }

    // Turns the model as a drag would, normalised into [0, 360).
    void setRotation(float aboutX, float aboutY);

    // The display pass normally issues the lattice and the wire-style routes
    // in a few large batches. The plain drawing (one pick name, matrix and
    // primitive per box, one primitive per route) is what the selection pass
    // needs for the lattice, and serves as the reference picture.
    enum class SceneDrawing { Batched, Plain };
    void setSceneDrawing(SceneDrawing drawing) { sceneDrawing = drawing; }

    // Draws the scene in GL selection mode in the pick window around (x, y),
    // in widget pixels, and returns the nearest named box; changes nothing.
    PickResult pickAt(int x, int y);

    void traceRoute(int i0, int j0, int *k = nullptr, int *i1 = nullptr, int *j1 = nullptr) const;
    void recomputeMarks();
    void clearSelections(int start);

    // Drawing steps of paintGL, public so that what each one draws can be
    // captured on its own. They expect the GL context to be current.
    void drawRoute(int i0, int j0, float h, float s, float r0, float g0, float b0, float r1, float g1,
                   float b1);
    void drawWireOverlay();
    void drawMarkedRoutes();

public slots:
    void setSize(int n);
    void setRouteMode(int mode);
    void setWiresMode(int mode);
    void setSwitchesMode(int mode);
    void setIKHilite(bool on);
    void setIKPlane(bool on);
    void setIKOpaque(bool on);
    void setIKOffset(int offset);
    void setJIHilite(bool on);
    void setJIPlane(bool on);
    void setJIOpaque(bool on);
    void setJIOffset(int offset);
    void setKJHilite(bool on);
    void setKJPlane(bool on);
    void setKJOpaque(bool on);
    void setKJOffset(int offset);

signals:
    void report(const QString &text);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;

private:
    void updateGL() { update(); }
    void setFlag(bool &flag, bool on);
    void setInt(int &field, int value);
    void setOffsets(int c1, int c2, int c3);
    void applyProjection(double aspect) const;
    double aspectRatio() const;
    void drawLattice();
    void drawPlanes(const CellGeometry &g) const;
    void drawAxisMarker() const;
    template <typename Colours>
    void drawRoutes(Colours colours);
    void applyPick(const PickResult &result, int colourBit);

    float rotX = 0.0f;
    float rotY = 0.0f;
    SwitchNetwork net;
    DisplayOptions options;
    int viewW = 0; // viewport in device pixels, as the pick window needs them
    int viewH = 0;
    int pressX = 0;
    int pressY = 0;
    float pressRotX = 0.0f;
    float pressRotY = 0.0f;

    SceneDrawing sceneDrawing = SceneDrawing::Batched;
    std::vector<LatticeBox> lattice; // reused every frame
};
