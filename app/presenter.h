#pragma once

#include "core/viewpoint.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QVariantAnimation>

#include <vector>

class GLBox;
class NetworkDocument;
class QAction;
class QLabel;
class QMainWindow;
class QRect;
class QWidget;

// View → Present (F5): the lesson's scenes one after another in front of
// the room. Full screen, the view alone with a counter ("3 / 12") and the
// scene's title over it; PageDown, Space, Right and a click on empty space
// go on, PageUp, Left and Backspace back, Home and End to the ends, Escape
// or F5 leave, back to the window as it was. Going on turns and zooms the
// model smoothly to the next scene's view point (View → Smooth Transitions),
// then shows it. On a second screen the presenter sees the scene's notes,
// the next scene's title and a clock.
class Presenter : public QObject
{
    Q_OBJECT

public:
    static constexpr int kTransitionMs = 600;

    Presenter(QMainWindow *window, GLBox *view, NetworkDocument *document);

    QAction *presentAction() const { return present; }
    QAction *smoothAction() const { return smooth; }
    bool isPresenting() const { return presenting; }
    // Goes to that scene, smoothly where transitions are on.
    void goTo(int scene);
    // The presenter's desk (the scene's notes, the next scene, a clock),
    // opened on the second screen while presenting; here for one screen too.
    void openDesk(const QRect &where);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void start();
    void stop();
    void showCounter();
    void showClock();
    void finishTransition();

    QMainWindow *window;
    GLBox *view;
    NetworkDocument *document;
    QAction *present;
    QAction *smooth;
    QLabel *counter;
    QVariantAnimation *transition;
    bool presenting = false;
    int target = -1;         // the scene a transition goes to
    QPoint pressAt;
    ts::ViewPoint from;      // the shown scene's own view point, given back before leaving it
    ts::ViewPoint to;

    // The window as it was before presenting.
    Qt::WindowStates stateBefore;
    std::vector<QPointer<QWidget>> hidden;
    std::vector<QPointer<QWidget>> onTop; // docks whose tab was on top
    QPointer<QWidget> notesScreen; // the presenter's, on a second screen
};
