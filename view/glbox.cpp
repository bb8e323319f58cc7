// GLBox: the view's state, its slots and the network's rules.

#include "view/glbox.h"

#include <cstdio>

namespace {
constexpr int kMinimumViewSide = 800;
}

GLBox::GLBox(QWidget *parent, const char *name)
    : QOpenGLWidget(parent)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setMinimumSize(kMinimumViewSide, kMinimumViewSide);
    lattice.reserve(static_cast<size_t>(kMaxNetworkSize) * kMaxNetworkSize * (kMaxNetworkSize + 1));
    clearSelections(0);
}

GLBox::~GLBox() = default;

void GLBox::traceRoute(int i0, int j0, int *k, int *i1, int *j1) const
{
    net.traceRoute(i0, j0, k, i1, j1);
}

void GLBox::recomputeMarks()
{
    net.recomputeMarks();
}

void GLBox::clearSelections(int start)
{
    net.clearSelections(start);
}

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

void GLBox::setFlag(bool &flag, bool on)
{
    if (flag == on)
        return;
    flag = on;
    updateGL();
}

void GLBox::setInt(int &field, int value)
{
    if (field == value)
        return;
    field = value;
    updateGL();
}

void GLBox::setOffsets(int c1, int c2, int c3)
{
    if (c1 == net.c1() && c2 == net.c2() && c3 == net.c3())
        return;
    net.storeOffsets(c1, c2, c3);
    recomputeMarks();
    updateGL();
}

void GLBox::setSize(int n)
{
    if (n == net.size())
        return;
    if (!SwitchNetwork::isValidSize(n)) {
        std::fprintf(stderr, "Invalid size requested! (%d).  Valid range is 1-%d\n", n, kMaxNetworkSize);
        return;
    }
    net.storeSize(n);
    clearSelections(n);
    recomputeMarks();
    updateGL();
}

void GLBox::setRouteMode(int mode) { setInt(options.routeMode, mode); }
void GLBox::setWiresMode(int mode) { setInt(options.wiresMode, mode); }
void GLBox::setSwitchesMode(int mode) { setInt(options.switchesMode, mode); }

void GLBox::setIKHilite(bool on) { setFlag(options.ik.hilite, on); }
void GLBox::setIKPlane(bool on) { setFlag(options.ik.plane, on); }
void GLBox::setIKOpaque(bool on) { setFlag(options.ik.opaque, on); }
void GLBox::setIKOffset(int offset) { setOffsets(offset, net.c2(), net.c3()); }

void GLBox::setJIHilite(bool on) { setFlag(options.ji.hilite, on); }
void GLBox::setJIPlane(bool on) { setFlag(options.ji.plane, on); }
void GLBox::setJIOpaque(bool on) { setFlag(options.ji.opaque, on); }
void GLBox::setJIOffset(int offset) { setOffsets(net.c1(), offset, net.c3()); }

void GLBox::setKJHilite(bool on) { setFlag(options.kj.hilite, on); }
void GLBox::setKJPlane(bool on) { setFlag(options.kj.plane, on); }
void GLBox::setKJOpaque(bool on) { setFlag(options.kj.opaque, on); }
void GLBox::setKJOffset(int offset) { setOffsets(net.c1(), net.c2(), offset); }
