#pragma once

#include <QObject>
#include <QString>

class NetworkDocument;
class QTimer;

// Steps through one marked route leg by leg, by hand or playing at a chosen
// speed, and sets how far it is drawn in the document's presentation.
// It follows the presentation's step wherever that is set (a scene, a
// lesson); stepping ends when the presentation's step ends: when the
// network changes, when asked to, or when Escape ends it in the view.
class RouteStepper : public QObject
{
    Q_OBJECT

public:
    RouteStepper(NetworkDocument *document, QObject *parent);

    bool isActive() const { return active; }
    bool isPlaying() const;
    // The route to step; while stepping, another route starts again at its start.
    void setRoute(int i0, int j0);
    // Legs per second while playing, 0.5 to 4.
    void setSpeed(double legsPerSecond);
    QString text() const;

public slots:
    void first();
    void back();
    void next();
    void last();
    void togglePlay();
    void end();

signals:
    void changed();

private:
    int total() const;
    void show(int legsShown);
    void stop();

    NetworkDocument *document;
    QTimer *timer;
    int i0 = 0, j0 = 0;
    int legs = 0;
    bool active = false;
};
