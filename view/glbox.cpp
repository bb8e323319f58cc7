// GLBox: the view's state and its slots. The network keeps its own rules;
// each slot tests for equality first, changes the model, then repaints.

#include "view/glbox.h"

#include "view/routetext.h"

#include <QDebug>

#include <algorithm>
#include <cmath>

using namespace ts;

namespace {
constexpr int kMinimumViewSide = 800;
}

GLBox::GLBox(QWidget *parent, const char *name)
    : QOpenGLWidget(parent)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setMinimumSize(kMinimumViewSide, kMinimumViewSide);
    // Keys turn, zoom and clear; Tab and a click give the view the keyboard.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("3D view of the network"));
    networkHasChanged();
    lattice.reserve(static_cast<size_t>(kMaxNetworkSize) * kMaxNetworkSize * (kMaxNetworkSize + 1));
}

GLBox::~GLBox() = default;

void GLBox::setRotation(float aboutX, float aboutY)
{
    const float x = normaliseAngle(aboutX);
    const float y = normaliseAngle(aboutY);
    if (x == rotX && y == rotY)
        return;
    rotX = x;
    rotY = y;
    updateGL();
}

void GLBox::networkHasChanged()
{
    // What a screen reader says about the view follows what it shows.
    setAccessibleDescription(QString::fromStdString(describeNetwork(net)));
    emit networkChanged();
}

void GLBox::setZoom(double factor)
{
    const double z = std::isfinite(factor) ? std::clamp(factor, kMinZoom, kMaxZoom) : 1.0;
    if (z == zoomFactor)
        return;
    zoomFactor = z;
    loadProjection();
    updateGL();
}

void GLBox::resetView()
{
    setZoom(1.0);
    setRotation(0.0f, 0.0f);
}

void GLBox::toggleMark(const PickedBox &box, int colourBit)
{
    const NetworkState before = net.snapshot();
    if (box.kind == PickedBox::Terminal)
        net.toggleTerminal(box.i, box.j, colourBit);
    else if (box.kind == PickedBox::Switch)
        net.toggleSwitch(box.i, box.j, box.k, colourBit);
    updateGL();
    if (net.marks() == before.marks)
        return;
    networkHasChanged();
    emit marksEdited(box.kind == PickedBox::Terminal ? tr("Mark Terminal") : tr("Mark Switch"), before);
}

void GLBox::clearMarks()
{
    const NetworkState before = net.snapshot();
    net.clearFrom(0);
    updateGL();
    if (net.marks() == before.marks)
        return;
    networkHasChanged();
    emit marksEdited(tr("Clear Marks"), before);
}

void GLBox::restoreMarks(const Marks &marks)
{
    if (marks == net.marks())
        return;
    net.restoreMarks(marks);
    updateGL();
    networkHasChanged();
}

void GLBox::setSceneDrawing(SceneDrawing drawing)
{
    setOption(sceneDrawing, drawing);
}

template <typename T>
void GLBox::setOption(T &field, T value)
{
    if (field == value)
        return;
    field = value;
    updateGL();
}

void GLBox::setPlaneOption(PlaneFamily family, bool PlaneOptions::*option, bool on)
{
    setOption(options.plane(family).*option, on);
}

void GLBox::setOffset(PlaneFamily family, int offset)
{
    if (net.offset(family) == offset)
        return;
    net.setOffset(family, offset);
    updateGL();
    networkHasChanged();
}

void GLBox::setSize(int n)
{
    if (n == net.size())
        return;
    const NetworkState before = net.snapshot();
    if (!net.setSize(n)) {
        qWarning().noquote() << QStringLiteral("Invalid size requested! (%1).  Valid range is 1-%2")
                                    .arg(n)
                                    .arg(kMaxNetworkSize);
        return;
    }
    updateGL();
    networkHasChanged();
    if (net.marks() != before.marks)
        emit marksEdited(tr("Shrink Network"), before);
}

void GLBox::setRouteMode(int mode) { setOption(options.routeMode, static_cast<RouteMode>(mode)); }
void GLBox::setWiresMode(int mode) { setOption(options.wiresMode, static_cast<WiresMode>(mode)); }
void GLBox::setSwitchesMode(int mode) { setOption(options.switchesMode, static_cast<SwitchesMode>(mode)); }

GLBox::FamilySlots GLBox::familySlots(PlaneFamily family)
{
    switch (family) {
    case PlaneFamily::IK: return {&GLBox::setIKHilite, &GLBox::setIKPlane, &GLBox::setIKOpaque, &GLBox::setIKOffset};
    case PlaneFamily::JI: return {&GLBox::setJIHilite, &GLBox::setJIPlane, &GLBox::setJIOpaque, &GLBox::setJIOffset};
    case PlaneFamily::KJ: break;
    }
    return {&GLBox::setKJHilite, &GLBox::setKJPlane, &GLBox::setKJOpaque, &GLBox::setKJOffset};
}

void GLBox::setIKHilite(bool on) { setPlaneOption(PlaneFamily::IK, &PlaneOptions::hilite, on); }
void GLBox::setIKPlane(bool on) { setPlaneOption(PlaneFamily::IK, &PlaneOptions::plane, on); }
void GLBox::setIKOpaque(bool on) { setPlaneOption(PlaneFamily::IK, &PlaneOptions::opaque, on); }
void GLBox::setIKOffset(int offset) { setOffset(PlaneFamily::IK, offset); }

void GLBox::setJIHilite(bool on) { setPlaneOption(PlaneFamily::JI, &PlaneOptions::hilite, on); }
void GLBox::setJIPlane(bool on) { setPlaneOption(PlaneFamily::JI, &PlaneOptions::plane, on); }
void GLBox::setJIOpaque(bool on) { setPlaneOption(PlaneFamily::JI, &PlaneOptions::opaque, on); }
void GLBox::setJIOffset(int offset) { setOffset(PlaneFamily::JI, offset); }

void GLBox::setKJHilite(bool on) { setPlaneOption(PlaneFamily::KJ, &PlaneOptions::hilite, on); }
void GLBox::setKJPlane(bool on) { setPlaneOption(PlaneFamily::KJ, &PlaneOptions::plane, on); }
void GLBox::setKJOpaque(bool on) { setPlaneOption(PlaneFamily::KJ, &PlaneOptions::opaque, on); }
void GLBox::setKJOffset(int offset) { setOffset(PlaneFamily::KJ, offset); }
