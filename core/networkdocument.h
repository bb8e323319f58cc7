#pragma once

#include "core/displayoptions.h"
#include "core/lesson.h"
#include "core/network.h"
#include "core/presentationstate.h"
#include "core/viewpoint.h"

#include <QObject>
#include <QString>

class QUndoStack;

// Everything the program shows, in one place: the network (size, offsets,
// marks), the display options, the presentation and the view point. Views and panels draw and
// show from it and follow its signals; nothing else holds a copy.
//
// Edits of the network go through one undo history: each is a command, and
// consecutive changes of the size or of one offset merge into one, as typing
// does in an editor. Display options and the view point are not history,
// though changing them makes the lesson modified.
// Every setter compares first and does nothing when the value is unchanged.
class NetworkDocument : public QObject
{
    Q_OBJECT

public:
    explicit NetworkDocument(QObject *parent = nullptr);
    ~NetworkDocument() override;

    const ts::SwitchNetwork &network() const { return net; }
    const ts::DisplayOptions &displayOptions() const { return options; }
    const ts::ViewPoint &viewPoint() const { return view; }
    PresentationState *presentation() const { return presented; }
    QUndoStack *undoStack() const { return history; }
    const QString &title() const { return lessonTitle; }
    const QString &notes() const { return lessonNotes; }

    // Everything at once, as a lesson file holds it.
    ts::Lesson lesson() const;
    // Replaces everything and starts a new history: opening is no edit.
    void open(const ts::Lesson &lesson);
    // The lecturer's title and notes, as one undoable edit.
    void setLessonText(const QString &title, const QString &notes);

    // Whether anything a lesson saves has changed since the last markSaved()
    // or open(): an edit in the history, a display option, the focus, the
    // labels or the view point (none of them history: turning is not undone).
    bool isModified() const;
    void markSaved();

    // Edits of the network, each one undoable command.
    // A size outside 1..15 is refused with the message on standard error.
    void setSize(int n);
    // Any int is taken; routes that leave the network are dead ends.
    void setOffset(ts::PlaneFamily family, int offset);
    // Toggles a colour bit of a terminal or switch; boxes outside the
    // network change nothing and make no command.
    void toggleTerminal(int i, int j, int colourBit);
    void toggleSwitch(int i, int j, int k, int colourBit);
    void clearMarks();
    // The whole network at once, as one command named what (an opened lesson).
    void replaceNetwork(const ts::SwitchNetwork &next, const QString &what);

    void setRouteMode(int mode);
    void setWiresMode(int mode);
    void setSwitchesMode(int mode);
    void setPlaneOption(ts::PlaneFamily family, bool ts::PlaneOptions::*option, bool on);
    void setDisplayOptions(const ts::DisplayOptions &next);

    // Angles are brought into [0, 360), the zoom into its range.
    void setRotation(float aboutX, float aboutY);
    void setZoom(double zoom);
    void setViewPoint(const ts::ViewPoint &next);

signals:
    // One signal per kind of change. A network edit emits, in this order,
    // sizeChanged, offsetChanged for each offset that moved, marksChanged,
    // each only when that part changed, then networkChanged once.
    void sizeChanged(int n);
    void offsetChanged(ts::PlaneFamily family, int offset);
    void marksChanged();
    void networkChanged();
    void displayOptionsChanged();
    void viewPointChanged();
    void lessonTextChanged();
    void modifiedChanged(bool modified);

private:
    friend class NetworkEdit;
    friend class LessonTextEdit;
    void edit(const ts::SwitchNetwork &next, const QString &what, int kind);
    void show(const ts::SwitchNetwork &next);
    void showLessonText(const QString &title, const QString &notes);
    void checkModified();

    ts::SwitchNetwork net;
    ts::DisplayOptions options;
    ts::ViewPoint view;
    QString lessonTitle, lessonNotes;
    QUndoStack *history;
    PresentationState *presented;
    ts::DisplayOptions savedOptions;
    bool savedFocus = false, savedLabels = false;
    ts::ViewPoint savedView;
    bool wasModified = false;
    quint64 undoEra = 0; // counts undos and redos; edits merge only within one
};
