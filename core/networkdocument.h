#pragma once

#include "core/displayoptions.h"
#include "core/lesson.h"
#include "core/network.h"
#include "core/presentationstate.h"
#include "core/viewpoint.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class QUndoStack;

// Everything the program shows, in one place: the network (size, offsets,
// marks), the display options, the presentation and the view point of the
// scene shown, the lesson's other scenes, its title, notes and practice set.
// Views and panels draw and show from it and follow its signals; nothing
// else holds a copy.
//
// Edits of the network, of the words and of the list of scenes go through
// one undo history: each is a command, and consecutive changes of the size
// or of one offset merge into one, as typing does in an editor. Undoing an
// edit made in another scene shows that scene first. Display options, the
// presentation and the view point are not history, though changing them
// makes the lesson modified. Every setter compares first and does nothing
// when the value is unchanged.
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
    // The words of the scene shown (empty in a lesson of one scene).
    const QString &sceneTitle() const { return shownTitle; }
    const QString &sceneNotes() const { return shownNotes; }
    const std::optional<ts::PracticeSet> &practiceSet() const { return practice; }

    // Everything at once, as a lesson file holds it.
    ts::Lesson lesson() const;
    // Replaces everything, shows the first scene and starts a new history:
    // opening is no edit.
    void open(const ts::Lesson &lesson);
    // The lecturer's words, as one undoable edit: the lesson's, and the
    // scene's shown.
    void setLessonText(const QString &title, const QString &notes);
    void setLessonText(const QString &title, const QString &notes, const QString &sceneTitle,
                       const QString &sceneNotes);
    // The round every student of the lesson gets, or none; undoable.
    void setPracticeSet(const std::optional<ts::PracticeSet> &set);

    // The scenes, in order; the one shown is current. What is changed is
    // changed in the scene shown.
    int sceneCount() const { return static_cast<int>(scenes.size()); }
    int currentScene() const { return current; }
    ts::LessonScene scene(int index) const; // the one shown as it is now
    // Shows another scene; no edit.
    void showScene(int index);
    // Undoable edits of the list. Add inserts a copy of what is shown,
    // without its words, after the current scene; Duplicate a copy with
    // them; each then shows the new scene. The last scene is never deleted.
    void addScene();
    void duplicateScene();
    void deleteScene(int index);
    void moveScene(int from, int to);
    void renameScene(int index, const QString &title);

    // Whether anything a lesson saves differs from what the last markSaved()
    // or open() left: an edit in the history, a display option, the
    // presentation or the view point (none of them history: turning is not
    // undone), in any scene.
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
    // The whole network at once, as one command named what (a practice
    // question's network, its answer shown).
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
    void practiceSetChanged();
    void modifiedChanged(bool modified);
    // The list of scenes or a scene's title changed; another scene is shown.
    void scenesChanged();
    void currentSceneChanged(int index);

private:
    friend class NetworkEdit;
    friend class LessonTextEdit;
    friend class PracticeSetEdit;
    friend class SceneListEdit;
    struct StoredScene
    {
        quint64 id;
        ts::LessonScene scene; // out of date while shown: the members below hold it
    };
    void edit(const ts::SwitchNetwork &next, const QString &what, int kind);
    void show(const ts::SwitchNetwork &next);
    void showLessonText(const QString &title, const QString &notes, const QString &sceneTitle,
                        const QString &sceneNotes);
    void checkModified();
    ts::LessonScene shownScene() const;
    void storeShown();
    void load(int index);
    quint64 shownId() const { return scenes[static_cast<std::size_t>(current)].id; }
    // Shows the scene an edit was made in, before it is undone or redone.
    void goToScene(quint64 id);
    void insertScene(int index, const StoredScene &scene);
    StoredScene removeScene(int index);

    ts::SwitchNetwork net;
    ts::DisplayOptions options;
    ts::ViewPoint view;
    QString lessonTitle, lessonNotes;
    QString shownTitle, shownNotes;
    std::vector<StoredScene> scenes{StoredScene{0, {}}};
    int current = 0;
    quint64 nextSceneId = 1;
    std::optional<ts::PracticeSet> practice;
    QUndoStack *history;
    PresentationState *presented;
    ts::Lesson saved;
    bool wasModified = false;
    bool loading = false; // a scene is being shown, part by part
    quint64 undoEra = 0; // counts undos and redos; edits merge only within one
};
