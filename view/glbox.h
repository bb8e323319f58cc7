#pragma once

#include "core/networkdocument.h"
#include "scene/camera.h"
#include "scene/pickculling.h"
#include "scene/picking.h"
#include "scene/scenedescription.h"

#include <QImage>
#include <QOpenGLWidget>
#include <QString>

#include <vector>

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

// The 3D view of the network. It draws the document's network, display
// options and view point in legacy immediate-mode OpenGL, and edits the
// document through its slots, the mouse and the keys. Without a document of
// its own it makes one.
class GLBox : public QOpenGLWidget
{
    Q_OBJECT

public:
    explicit GLBox(QWidget *parent = nullptr, const char *name = nullptr, NetworkDocument *document = nullptr);
    ~GLBox() override;

    NetworkDocument *document() const { return doc; }
    const ts::SwitchNetwork &network() const { return doc->network(); }
    const ts::DisplayOptions &displayOptions() const { return doc->displayOptions(); }
    float rotationX() const { return doc->viewPoint().rotX; }
    float rotationY() const { return doc->viewPoint().rotY; }
    // The camera of the next frame: the angles and the viewport in device pixels.
    ts::Camera camera() const
    {
        const ts::ViewPoint &v = doc->viewPoint();
        return {rotationX(), rotationY(), viewW, viewH, zoom(), v.panX, v.panY};
    }

    // How many frames paintGL has drawn for the screen: what a test counts
    // to see whether a change repainted the view.
    quint64 framesDrawn() const { return frames; }

    // Turns the model as a drag would, normalised into [0, 360).
    void setRotation(float aboutX, float aboutY) { doc->setRotation(aboutX, aboutY); }

    // Zoom about the view's centre, kept within [kMinZoom, kMaxZoom]; 1 is
    // the plain camera. Draw and pick share it.
    double zoom() const { return doc->viewPoint().zoom; }
    void setZoom(double factor) { doc->setZoom(factor); }
    // Angles 0, 0 and no zoom: the view as the program starts.
    void resetView() { doc->setViewPoint({}); }

    // What a click does: toggle a mark on a box, or clear on empty space.
    void toggleMark(const ts::PickedBox &box, int colourBit);
    void clearMarks() { doc->clearMarks(); }

    // The document's presentation (see PresentationState), at hand.
    // A route stepped through leg by leg (see ts::RouteStep).
    using RouteStep = ts::RouteStep;
    const RouteStep &routeStep() const { return doc->presentation()->routeStep(); }
    void setRouteStep(const RouteStep &step) { doc->presentation()->setRouteStep(step); }
    // Boxes that no marked route touches drawn as faint frames.
    bool focusOnRoutes() const { return doc->presentation()->focusRoutes(); }
    void setFocusOnRoutes(bool on) { doc->presentation()->setFocusRoutes(on); }
    // Axis names and the indices along two top edges, turning with the model.
    bool labels() const { return doc->presentation()->labels(); }
    void setLabels(bool on) { doc->presentation()->setLabels(on); }
    // While a practice question is open, hover names the box only: where
    // its route goes would give the answer away.
    void setAnswersHidden(bool hidden) { answersHidden = hidden; }

    // The scene drawn as on screen into an off-screen framebuffer of that
    // many device pixels, for exporting pictures; null without a GL context.
    // With a fit, the camera's picture of cameraPixels (its aspect) is moved
    // and scaled into the frame as a figure lays it out.
    QImage renderImage(const QSize &devicePixels, const ts::FrameFit *fit = nullptr, const QSize &cameraPixels = {});
    // The longest side such a picture may have here (the driver's limit on
    // viewports and framebuffers); 0 without a GL context.
    int largestPictureSide();

    // The display pass normally issues the lattice and the wire-style routes
    // in a few large batches, and a pick sends GL only the boxes near the
    // pointer. The plain drawing (one pick name, matrix and primitive per
    // box, one primitive per route, every box in a pick) is the reference
    // the fast one must match, picture and pick alike.
    enum class SceneDrawing { Batched, Plain };
    void setSceneDrawing(SceneDrawing drawing);

    // The nearest box under (x, y), in widget pixels, found by GL selection
    // as a click finds it; changes nothing. Fast enough to ask on every
    // mouse move. boxesSentByLastPick() tells how many boxes it gave GL.
    // bufferEntries is where the selection buffer starts; it grows on overflow.
    ts::PickResult pickAt(int x, int y, int bufferEntries = ts::kSelectBufferSize);
    int boxesSentByLastPick() const { return lastPickBoxes; }

    // The four slots of one plane family, for wiring a panel by family.
    struct FamilySlots
    {
        void (GLBox::*hilite)(bool);
        void (GLBox::*plane)(bool);
        void (GLBox::*opaque)(bool);
        void (GLBox::*offset)(int);
    };
    static FamilySlots familySlots(ts::PlaneFamily family);

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
    // A click hit terminal (i, j) (before its mark is toggled): an answer, in practice.
    void terminalClicked(int i, int j);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void initializeGL() override;
    void loadViewportAndCamera();
    void resizeGL(int w, int h) override;
    void paintGL() override;

private:
    friend class SceneProbe; // tests capture single drawing steps in GL feedback mode

    enum class Pass { Display, Select };

    void followNetwork();
    void followDisplayOptions();
    void followViewPoint();
    // The description of what is drawn, built again only after a change.
    const ts::SceneDescription &scene();
    void applyProjection() const;
    void loadProjection();
    void rememberProjection()
    {
        projectionZoom = zoom();
        projectionPanX = doc->viewPoint().panX;
        projectionPanY = doc->viewPoint().panY;
    }
    void turnBy(int pixelsRight, int pixelsDown);
    // Moves the picture by a share of the view's width and height.
    void panBy(double right, double up);
    void zoomAbout(double zoom, double ndcX, double ndcY);
    void drawScene(Pass pass, const ts::PixelRect *pickWindow = nullptr);
    void drawLattice(Pass pass, const ts::PixelRect *pickWindow);
    void drawLines(const ts::LineLayer &layer) const;
    void drawWireOverlay();
    void drawMarkedRoutes();
    void drawLabels();
    void applyPick(const ts::PickResult &result, int colourBit);

    NetworkDocument *doc;
    double projectionZoom = 1.0; // the zoom and pan of the projection GL holds
    double projectionPanX = 0.0, projectionPanY = 0.0;
    int viewW = 0; // viewport in device pixels, as the pick window needs them
    int viewH = 0;
    int pressX = 0;
    int pressY = 0;
    float pressRotX = 0.0f;
    float pressRotY = 0.0f;
    bool pressPanning = false;
    double pressPanX = 0.0, pressPanY = 0.0;

    quint64 frames = 0;
    bool answersHidden = false;
    SceneDrawing sceneDrawing = SceneDrawing::Batched;
    ts::SceneDescription described;
    bool describedStale = true; // what it shows changed since it was built
    std::vector<ts::LatticeBox> candidates; // the boxes a pick sends
    int lastPickBoxes = 0;
};
