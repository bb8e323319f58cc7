#include "core/presentationstate.h"

using namespace ts;

PresentationState::PresentationState(QObject *parent)
    : QObject(parent)
{
}

void PresentationState::set(const Presentation &next)
{
    if (next == shown)
        return;
    const Presentation was = shown;
    shown = next;
    if (was.focusRoutes != next.focusRoutes)
        emit focusRoutesChanged(next.focusRoutes);
    if (was.labels != next.labels)
        emit labelsChanged(next.labels);
    if (!(was.step == next.step))
        emit routeStepChanged();
    emit changed();
}

void PresentationState::setFocusRoutes(bool on)
{
    Presentation next = shown;
    next.focusRoutes = on;
    set(next);
}

void PresentationState::setLabels(bool on)
{
    Presentation next = shown;
    next.labels = on;
    set(next);
}

void PresentationState::setRouteStep(const RouteStep &step)
{
    Presentation next = shown;
    next.step = step;
    set(next);
}
