// GLBox: its slots, which set the document, and how it follows the document.

#include "view/glbox.h"

#include "core/routetext.h"

using namespace ts;

namespace {
constexpr int kMinimumViewSide = 800;
}

GLBox::GLBox(QWidget *parent, const char *name, NetworkDocument *document)
    : QOpenGLWidget(parent)
    , doc(document ? document : new NetworkDocument(this))
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setMinimumSize(kMinimumViewSide, kMinimumViewSide);
    // Keys turn, zoom and clear; Tab and a click give the view the keyboard.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("3D view of the network"));
    connect(doc, &NetworkDocument::networkChanged, this, &GLBox::followNetwork);
    connect(doc, &NetworkDocument::displayOptionsChanged, this, &GLBox::followDisplayOptions);
    connect(doc, &NetworkDocument::viewPointChanged, this, &GLBox::followViewPoint);
    connect(doc->presentation(), &PresentationState::changed, this, &GLBox::followDisplayOptions);
    setAccessibleDescription(describeNetwork(network()));
    described.boxes.reserve(static_cast<size_t>(kMaxNetworkSize) * kMaxNetworkSize * (kMaxNetworkSize + 1));
}

GLBox::~GLBox() = default;

void GLBox::followNetwork()
{
    describedStale = true;
    update();
    // What a screen reader says about the view follows what it shows.
    setAccessibleDescription(describeNetwork(network()));
}

// The display options or the presentation: what is drawn, not the network.
void GLBox::followDisplayOptions()
{
    describedStale = true;
    update();
}

void GLBox::followViewPoint()
{
    const ViewPoint &v = doc->viewPoint();
    if (v.zoom != projectionZoom || v.panX != projectionPanX || v.panY != projectionPanY)
        loadProjection();
    update();
}

void GLBox::toggleMark(const PickedBox &box, int colourBit)
{
    if (box.kind == PickedBox::Terminal)
        doc->toggleTerminal(box.i, box.j, colourBit);
    else if (box.kind == PickedBox::Switch)
        doc->toggleSwitch(box.i, box.j, box.k, colourBit);
}

const SceneDescription &GLBox::scene()
{
    if (describedStale) {
        describeScene(network(), displayOptions(), doc->presentation()->value(), described);
        describedStale = false;
    }
    return described;
}

void GLBox::setSceneDrawing(SceneDrawing drawing)
{
    if (sceneDrawing == drawing)
        return;
    sceneDrawing = drawing;
    update();
}

// Each slot sets the document; the document compares first, and the view
// repaints when it hears of a change.
void GLBox::setSize(int n) { doc->setSize(n); }
void GLBox::setRouteMode(int mode) { doc->setRouteMode(mode); }
void GLBox::setWiresMode(int mode) { doc->setWiresMode(mode); }
void GLBox::setSwitchesMode(int mode) { doc->setSwitchesMode(mode); }

GLBox::FamilySlots GLBox::familySlots(PlaneFamily family)
{
    switch (family) {
    case PlaneFamily::IK: return {&GLBox::setIKHilite, &GLBox::setIKPlane, &GLBox::setIKOpaque, &GLBox::setIKOffset};
    case PlaneFamily::JI: return {&GLBox::setJIHilite, &GLBox::setJIPlane, &GLBox::setJIOpaque, &GLBox::setJIOffset};
    case PlaneFamily::KJ: break;
    }
    return {&GLBox::setKJHilite, &GLBox::setKJPlane, &GLBox::setKJOpaque, &GLBox::setKJOffset};
}

void GLBox::setIKHilite(bool on) { doc->setPlaneOption(PlaneFamily::IK, &PlaneOptions::hilite, on); }
void GLBox::setIKPlane(bool on) { doc->setPlaneOption(PlaneFamily::IK, &PlaneOptions::plane, on); }
void GLBox::setIKOpaque(bool on) { doc->setPlaneOption(PlaneFamily::IK, &PlaneOptions::opaque, on); }
void GLBox::setIKOffset(int offset) { doc->setOffset(PlaneFamily::IK, offset); }

void GLBox::setJIHilite(bool on) { doc->setPlaneOption(PlaneFamily::JI, &PlaneOptions::hilite, on); }
void GLBox::setJIPlane(bool on) { doc->setPlaneOption(PlaneFamily::JI, &PlaneOptions::plane, on); }
void GLBox::setJIOpaque(bool on) { doc->setPlaneOption(PlaneFamily::JI, &PlaneOptions::opaque, on); }
void GLBox::setJIOffset(int offset) { doc->setOffset(PlaneFamily::JI, offset); }

void GLBox::setKJHilite(bool on) { doc->setPlaneOption(PlaneFamily::KJ, &PlaneOptions::hilite, on); }
void GLBox::setKJPlane(bool on) { doc->setPlaneOption(PlaneFamily::KJ, &PlaneOptions::plane, on); }
void GLBox::setKJOpaque(bool on) { doc->setPlaneOption(PlaneFamily::KJ, &PlaneOptions::opaque, on); }
void GLBox::setKJOffset(int offset) { doc->setOffset(PlaneFamily::KJ, offset); }
