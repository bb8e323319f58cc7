#include "app/routestepper.h"

#include "core/networkdocument.h"
#include "core/routetext.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

using namespace ts;

namespace {
constexpr double kMinSpeed = 0.5;
constexpr double kMaxSpeed = 4.0;
} // namespace

RouteStepper::RouteStepper(NetworkDocument *document, QObject *parent)
    : QObject(parent)
    , document(document)
    , timer(new QTimer(this))
{
    setSpeed(1.0);
    connect(timer, &QTimer::timeout, this, [this] {
        next();
        if (legs >= total()) {
            stop();
            emit changed();
        }
    });
    // The step may be set elsewhere too: a scene shown or a lesson opened
    // brings its own, and the next leg goes on from there.
    connect(document->presentation(), &PresentationState::routeStepChanged, this, [this] {
        const RouteStep &step = this->document->presentation()->routeStep();
        if (step.active) {
            if (active && step.i0 == i0 && step.j0 == j0 && step.legs == legs)
                return;
            active = true;
            i0 = step.i0;
            j0 = step.j0;
            legs = step.legs;
        } else if (active) {
            active = false;
            stop();
        } else {
            return;
        }
        emit changed();
    });
}

bool RouteStepper::isPlaying() const
{
    return timer->isActive();
}

void RouteStepper::setSpeed(double legsPerSecond)
{
    const double speed = std::clamp(legsPerSecond, kMinSpeed, kMaxSpeed);
    timer->setInterval(static_cast<int>(std::lround(1000.0 / speed)));
}

void RouteStepper::setRoute(int i, int j)
{
    if (i == i0 && j == j0)
        return;
    i0 = i;
    j0 = j;
    if (active)
        show(0);
}

int RouteStepper::total() const
{
    return static_cast<int>(routeLegs(document->network(), i0, j0).size());
}

QString RouteStepper::text() const
{
    if (!active)
        return tr("Choose a marked route and step through it with ▶| or play it with ▶.");
    return stepText(document->network(), i0, j0, legs);
}

void RouteStepper::show(int legsShown)
{
    active = true;
    legs = std::clamp(legsShown, 0, total());
    document->presentation()->setRouteStep({true, i0, j0, legs});
    emit changed();
}

void RouteStepper::first()
{
    stop();
    show(0);
}

void RouteStepper::back()
{
    stop();
    show(active ? legs - 1 : 0);
}

void RouteStepper::next()
{
    show(active ? legs + 1 : 1);
}

void RouteStepper::last()
{
    stop();
    show(total());
}

void RouteStepper::togglePlay()
{
    if (isPlaying()) {
        stop();
        emit changed();
        return;
    }
    if (!active || legs >= total())
        show(0);
    timer->start();
    emit changed();
}

void RouteStepper::stop()
{
    timer->stop();
}

void RouteStepper::end()
{
    stop();
    document->presentation()->endRouteStep(); // the presentation tells us it ended
}
