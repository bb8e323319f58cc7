#pragma once

#include "core/network.h"

#include <QWidget>

class LiveTexts;
class MarkListModel;
class NotesView;
class NetworkDocument;
class RouteStepper;
class QAction;
class QLabel;
class QListView;
class QToolButton;
class QSpinBox;

// The routes in words, beside the view: every marked terminal with its
// colours (in words and as a swatch) and its route through the families,
// the destinations and the marked switches; and a small form that marks a
// terminal or a switch from the keyboard, exactly as a click on it would.
// It follows the document, changing only the lines that changed.
class RoutesPanel : public QWidget
{
    Q_OBJECT

public:
    // focus is the View menu's "Focus on Marked Routes", which the panel's
    // check box mirrors.
    RoutesPanel(NetworkDocument *document, RouteStepper *stepper, QAction *focus, QWidget *parent);

    // Next leg, previous leg, play and pause: for the view's keys.
    QList<QAction *> stepActions() const { return keys; }

private:
    void follow();
    void showLessonText();
    void toggleChosen(int colourBit);
    QWidget *buildStepControls();
    // Points the stepper at the selected route, or the first marked one;
    // false when no terminal is marked.
    bool chooseRoute();
    void showStepping();

    LiveTexts *texts = nullptr;
    NetworkDocument *document;
    MarkListModel *routes;
    MarkListModel *summary;
    RouteStepper *stepper;
    QListView *routeList;
    QToolButton *playButton = nullptr;
    QLabel *stepText = nullptr;
    QList<QAction *> keys;
    QLabel *lessonTitle;
    NotesView *lessonNotes;
    QSpinBox *markI, *markJ, *markK;
    int describedSize = 0; // the wiring the route lines were worded for
    bool rewordSummary = false; // the language changed: no summary line is kept
    ts::Offsets describedOffsets{};
};
