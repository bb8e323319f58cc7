#pragma once

#include "core/presentation.h"

#include <QObject>

// How the network is presented right now: focus on the marked routes, the
// labels and the route being stepped. The one copy of it, which the view,
// the View menu, the Routes dock, the stepper and figures all follow; the
// document saves its lasting parts with the lesson.
// Every setter compares first and emits only what changed, then changed().
class PresentationState : public QObject
{
    Q_OBJECT

public:
    explicit PresentationState(QObject *parent = nullptr);

    const ts::Presentation &value() const { return shown; }
    bool focusRoutes() const { return shown.focusRoutes; }
    bool labels() const { return shown.labels; }
    const ts::RouteStep &routeStep() const { return shown.step; }

    void set(const ts::Presentation &next);

public slots:
    void setFocusRoutes(bool on);
    void setLabels(bool on);
    void setRouteStep(const ts::RouteStep &step);
    void endRouteStep() { setRouteStep({}); }

signals:
    void focusRoutesChanged(bool on);
    void labelsChanged(bool on);
    void routeStepChanged();
    void changed();

private:
    ts::Presentation shown;
};
