#include "core/networkdocument.h"

#include <QDebug>
#include <QScopedValueRollback>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <array>
#include <vector>

using namespace ts;

namespace {
// What an edit changed, for deciding which edits merge.
enum EditKind : int { MarksEdit = -1, SizeEdit = 0, OffsetEdit = 1 }; // OffsetEdit + family index

constexpr int kNetworkEditId = 1; // every network edit; mergeWith decides by kind

// A mark's place among all of them: the terminals, then the switches.
constexpr int kTerminalCells = kMaxNetworkSize * kMaxNetworkSize;
constexpr int kMarkCells = kTerminalCells * (1 + kMaxNetworkSize);

template <typename M> // Marks or const Marks
auto &markAt(M &marks, int cell)
{
    if (cell < kTerminalCells)
        return marks.terminalMarks[cell / kMaxNetworkSize][cell % kMaxNetworkSize];
    const int s = cell - kTerminalCells;
    return marks.switchMarks[s / kTerminalCells][s / kMaxNetworkSize % kMaxNetworkSize][s % kMaxNetworkSize];
}

// Mark bits an edit flips, in the order of their places. Flipping them
// leads from either end of the edit to the other.
struct MarkFlip
{
    int cell;
    int bits;
};
using MarkFlips = std::vector<MarkFlip>;

MarkFlips flipsBetween(const Marks &from, const Marks &to)
{
    MarkFlips flips;
    for (int cell = 0; cell < kMarkCells; ++cell)
        if (const int bits = markAt(from, cell) ^ markAt(to, cell))
            flips.push_back({cell, bits});
    flips.shrink_to_fit();
    return flips;
}

// Two edits in a row as one: bits flipped by both are back as they were.
MarkFlips combined(const MarkFlips &first, const MarkFlips &then)
{
    MarkFlips both;
    auto a = first.begin(), b = then.begin();
    while (a != first.end() || b != then.end()) {
        if (b == then.end() || (a != first.end() && a->cell < b->cell)) {
            both.push_back(*a++);
        } else if (a == first.end() || b->cell < a->cell) {
            both.push_back(*b++);
        } else {
            if (const int bits = a->bits ^ b->bits)
                both.push_back({a->cell, bits});
            ++a;
            ++b;
        }
    }
    both.shrink_to_fit();
    return both;
}
} // namespace

// One edit of the network, kept as what it changed: the size and offsets at
// both ends and the mark bits it flipped, marks that a smaller size dropped
// included. Undo and redo rebuild the other end from the network the
// document holds, exactly; a mark costs a few bytes, not two networks.
class NetworkEdit : public QUndoCommand
{
public:
    NetworkEdit(NetworkDocument *document, const SwitchNetwork &before, const SwitchNetwork &after,
                const QString &text, int kind)
        : QUndoCommand(text)
        , document(document)
        , sizes{before.size(), after.size()}
        , offsets{before.allOffsets(), after.allOffsets()}
        , flips(flipsBetween(before.marks(), after.marks()))
        , kind(kind)
        , era(document->undoEra)
        , scene(document->shownId())
    {
    }

    int id() const override { return kNetworkEditId; }
    void undo() override
    {
        ++document->undoEra;
        document->goToScene(scene);
        document->show(otherEnd(After, Before));
    }
    void redo() override
    {
        if (!firstRedo) {
            ++document->undoEra;
            document->goToScene(scene);
        }
        firstRedo = false;
        document->show(otherEnd(Before, After));
    }

    bool mergeWith(const QUndoCommand *command) override
    {
        // Only edits in a row merge: after an undo or redo the next edit
        // starts a command of its own.
        const auto *next = static_cast<const NetworkEdit *>(command);
        if (next->era != era || next->scene != scene)
            return false;
        if (kind == MarksEdit || next->kind != kind)
            return false;
        sizes[After] = next->sizes[After];
        offsets[After] = next->offsets[After];
        flips = combined(flips, next->flips);
        setObsolete(sizes[Before] == sizes[After] && offsets[Before] == offsets[After] && flips.empty());
        return true;
    }

private:
    enum End : std::size_t { Before, After };

    // The network at one end, from the document's, which is at the other.
    SwitchNetwork otherEnd(End from, End to) const
    {
        const SwitchNetwork &now = document->network();
        Q_ASSERT(now.size() == sizes[from] && now.allOffsets() == offsets[from]);
        Q_UNUSED(from);
        Marks marks = now.marks();
        for (const MarkFlip &flip : flips)
            markAt(marks, flip.cell) ^= flip.bits;
        SwitchNetwork net;
        net.setSize(sizes[to]);
        for (const PlaneFamily family : kAllPlaneFamilies)
            net.setOffset(family, offsets[to][static_cast<std::size_t>(index(family))]);
        net.restoreMarks(marks);
        return net;
    }

    NetworkDocument *document;
    std::array<int, 2> sizes;
    std::array<Offsets, 2> offsets;
    MarkFlips flips;
    int kind;
    quint64 era;
    quint64 scene;
    bool firstRedo = true; // push() does the edit through redo()
};

// A change of the lesson's words and of the shown scene's.
class LessonTextEdit : public QUndoCommand
{
public:
    LessonTextEdit(NetworkDocument *document, const std::array<QString, 4> &after)
        : QUndoCommand(NetworkDocument::tr("Edit Lesson Notes"))
        , document(document)
        , scene(document->shownId())
        , before{document->title(), document->notes(), document->sceneTitle(), document->sceneNotes()}
        , after(after)
    {
    }

    void undo() override { show(before); }
    void redo() override { show(after); }

private:
    void show(const std::array<QString, 4> &text)
    {
        document->goToScene(scene);
        document->showLessonText(text[0], text[1], text[2], text[3]);
    }

    NetworkDocument *document;
    quint64 scene;
    std::array<QString, 4> before, after;
};

// A change of the lesson's practice set.
class PracticeSetEdit : public QUndoCommand
{
public:
    PracticeSetEdit(NetworkDocument *document, const std::optional<PracticeSet> &after)
        : QUndoCommand(NetworkDocument::tr("Change Practice Set"))
        , document(document)
        , before(document->practiceSet())
        , after(after)
    {
    }

    void undo() override { show(before); }
    void redo() override { show(after); }

private:
    void show(const std::optional<PracticeSet> &set)
    {
        document->practice = set;
        emit document->practiceSetChanged();
    }

    NetworkDocument *document;
    std::optional<PracticeSet> before, after;
};

// An edit of the list of scenes: one inserted or removed (a copy kept),
// moved, or renamed. Each shows the scene it concerns.
class SceneListEdit : public QUndoCommand
{
public:
    enum Kind { Insert, Remove, Move, Rename };

    SceneListEdit(NetworkDocument *document, Kind kind, int index, int other, const QString &text)
        : QUndoCommand(text)
        , document(document)
        , kind(kind)
        , index(index)
        , other(other)
    {
    }

    NetworkDocument::StoredScene kept{0, {}}; // the scene inserted, or removed
    QString names[2];                         // a rename's title before and after

    void redo() override { apply(true); }
    void undo() override { apply(false); }

private:
    void apply(bool forward)
    {
        switch (kind) {
        case Insert:
        case Remove:
            if ((kind == Insert) == forward)
                document->insertScene(index, kept);
            else
                kept = document->removeScene(index);
            break;
        case Move: {
            const int from = forward ? index : other, to = forward ? other : index;
            NetworkDocument::StoredScene moved = document->removeScene(from);
            document->insertScene(to, moved);
            break;
        }
        case Rename:
            document->showScene(index);
            document->showLessonText(document->title(), document->notes(), names[forward ? 1 : 0],
                                     document->sceneNotes());
            emit document->scenesChanged();
            break;
        }
    }

    NetworkDocument *document;
    Kind kind;
    int index, other;
};

NetworkDocument::NetworkDocument(QObject *parent)
    : QObject(parent)
    , history(new QUndoStack(this))
    , presented(new PresentationState(this))
{
    connect(history, &QUndoStack::indexChanged, this, &NetworkDocument::checkModified);
    connect(presented, &PresentationState::changed, this, &NetworkDocument::checkModified);
    // A stepped route is of the network it was stepped in.
    connect(this, &NetworkDocument::networkChanged, presented, &PresentationState::endRouteStep);
}

LessonScene NetworkDocument::shownScene() const
{
    return {shownTitle, shownNotes, net, options, presented->value(), view};
}

LessonScene NetworkDocument::scene(int index) const
{
    return index == current ? shownScene() : scenes.at(static_cast<std::size_t>(index)).scene;
}

Lesson NetworkDocument::lesson() const
{
    Lesson lesson{lessonTitle, lessonNotes, {}, practice};
    lesson.scenes.reserve(scenes.size());
    for (int s = 0; s < sceneCount(); ++s)
        lesson.scenes.push_back(scene(s));
    return lesson;
}

void NetworkDocument::open(const Lesson &lesson)
{
    history->clear();
    scenes.clear();
    for (const LessonScene &scene : lesson.scenes)
        scenes.push_back({nextSceneId++, scene});
    if (scenes.empty())
        scenes.push_back({nextSceneId++, {}});
    lessonTitle = lesson.title;
    lessonNotes = lesson.notes;
    practice = lesson.practice;
    load(0);
    emit scenesChanged();
    emit practiceSetChanged();
    markSaved();
}

void NetworkDocument::storeShown()
{
    scenes[static_cast<std::size_t>(current)].scene = shownScene();
}

void NetworkDocument::load(int index)
{
    // Modified or not is asked once the whole scene is shown.
    const QScopedValueRollback<bool> whole(loading, true);
    current = index;
    const LessonScene &next = scenes[static_cast<std::size_t>(index)].scene;
    show(next.network);
    // Always told: the lesson's words may have changed with the scene's.
    shownTitle = next.title;
    shownNotes = next.notes;
    emit lessonTextChanged();
    setDisplayOptions(next.options);
    presented->set(next.presentation); // after the network, whose change ends a step
    setViewPoint(next.view);
    emit currentSceneChanged(index);
    loading = false;
    checkModified();
}

void NetworkDocument::showScene(int index)
{
    if (index == current || index < 0 || index >= sceneCount())
        return;
    storeShown();
    load(index);
}

void NetworkDocument::goToScene(quint64 id)
{
    for (int s = 0; s < sceneCount(); ++s)
        if (scenes[static_cast<std::size_t>(s)].id == id)
            return showScene(s);
}

void NetworkDocument::insertScene(int index, const StoredScene &scene)
{
    storeShown();
    scenes.insert(scenes.begin() + index, scene);
    emit scenesChanged();
    load(index);
}

NetworkDocument::StoredScene NetworkDocument::removeScene(int index)
{
    storeShown();
    StoredScene removed = scenes[static_cast<std::size_t>(index)];
    scenes.erase(scenes.begin() + index);
    emit scenesChanged();
    load(std::min(index, sceneCount() - 1));
    return removed;
}

void NetworkDocument::addScene()
{
    auto *command = new SceneListEdit(this, SceneListEdit::Insert, current + 1, 0, tr("Add Scene"));
    command->kept = {nextSceneId++, shownScene()};
    command->kept.scene.title.clear();
    command->kept.scene.notes.clear();
    history->push(command);
}

void NetworkDocument::duplicateScene()
{
    auto *command = new SceneListEdit(this, SceneListEdit::Insert, current + 1, 0, tr("Duplicate Scene"));
    command->kept = {nextSceneId++, shownScene()};
    history->push(command);
}

void NetworkDocument::deleteScene(int index)
{
    if (sceneCount() <= 1 || index < 0 || index >= sceneCount())
        return;
    history->push(new SceneListEdit(this, SceneListEdit::Remove, index, 0, tr("Delete Scene")));
}

void NetworkDocument::moveScene(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= sceneCount() || to >= sceneCount())
        return;
    history->push(new SceneListEdit(this, SceneListEdit::Move, from, to, tr("Move Scene")));
}

void NetworkDocument::renameScene(int index, const QString &title)
{
    if (index < 0 || index >= sceneCount() || scene(index).title == title)
        return;
    auto *command = new SceneListEdit(this, SceneListEdit::Rename, index, 0, tr("Rename Scene"));
    command->names[0] = scene(index).title;
    command->names[1] = title;
    history->push(command);
}

void NetworkDocument::setLessonText(const QString &title, const QString &notes)
{
    setLessonText(title, notes, shownTitle, shownNotes);
}

void NetworkDocument::setLessonText(const QString &title, const QString &notes, const QString &sceneTitle,
                                    const QString &sceneNotes)
{
    const std::array<QString, 4> next{title, notes, sceneTitle, sceneNotes};
    if (next != std::array<QString, 4>{lessonTitle, lessonNotes, shownTitle, shownNotes})
        history->push(new LessonTextEdit(this, next));
}

void NetworkDocument::setPracticeSet(const std::optional<PracticeSet> &set)
{
    if (!(set == practice))
        history->push(new PracticeSetEdit(this, set));
}

void NetworkDocument::showLessonText(const QString &title, const QString &notes, const QString &sceneTitle,
                                     const QString &sceneNotes)
{
    if (title == lessonTitle && notes == lessonNotes && sceneTitle == shownTitle && sceneNotes == shownNotes)
        return;
    const bool renamed = sceneTitle != shownTitle;
    lessonTitle = title;
    lessonNotes = notes;
    shownTitle = sceneTitle;
    shownNotes = sceneNotes;
    emit lessonTextChanged();
    if (renamed)
        emit scenesChanged();
}

bool NetworkDocument::isModified() const
{
    return !(lesson() == saved);
}

void NetworkDocument::markSaved()
{
    history->setClean();
    saved = lesson();
    checkModified();
}

void NetworkDocument::checkModified()
{
    if (loading || isModified() == wasModified)
        return;
    wasModified = !wasModified;
    emit modifiedChanged(wasModified);
}

NetworkDocument::~NetworkDocument() = default;

void NetworkDocument::edit(const SwitchNetwork &next, const QString &what, int kind)
{
    if (next == net)
        return;
    history->push(new NetworkEdit(this, net, next, what, kind));
}

void NetworkDocument::show(const SwitchNetwork &next)
{
    const SwitchNetwork was = net;
    net = next;
    if (net.size() != was.size())
        emit sizeChanged(net.size());
    for (const PlaneFamily family : kAllPlaneFamilies)
        if (net.offset(family) != was.offset(family))
            emit offsetChanged(family, net.offset(family));
    if (net.marks() != was.marks())
        emit marksChanged();
    emit networkChanged();
}

void NetworkDocument::setSize(int n)
{
    if (n == net.size())
        return;
    SwitchNetwork next = net;
    if (!next.setSize(n)) {
        qWarning().noquote() << QStringLiteral("Invalid size requested! (%1).  Valid range is 1-%2")
                                    .arg(n)
                                    .arg(kMaxNetworkSize);
        return;
    }
    // Offsets live within -N..N: a smaller size pulls them in, in the same
    // edit, so that one undo brings back the size, the offsets and the marks.
    for (const PlaneFamily family : kAllPlaneFamilies)
        next.setOffset(family, std::clamp(next.offset(family), -n, n));
    edit(next, tr("Change Size"), SizeEdit);
}

void NetworkDocument::setOffset(PlaneFamily family, int offset)
{
    if (net.offset(family) == offset)
        return;
    SwitchNetwork next = net;
    next.setOffset(family, offset);
    edit(next, tr("Change %1").arg(QLatin1String(info(family).offsetName)), OffsetEdit + index(family));
}

void NetworkDocument::toggleTerminal(int i, int j, int colourBit)
{
    SwitchNetwork next = net;
    next.toggleTerminal(i, j, colourBit);
    edit(next, tr("Mark Terminal"), MarksEdit);
}

void NetworkDocument::toggleSwitch(int i, int j, int k, int colourBit)
{
    SwitchNetwork next = net;
    next.toggleSwitch(i, j, k, colourBit);
    edit(next, tr("Mark Switch"), MarksEdit);
}

void NetworkDocument::clearMarks()
{
    SwitchNetwork next = net;
    next.clearFrom(0);
    edit(next, tr("Clear Marks"), MarksEdit);
}

void NetworkDocument::replaceNetwork(const SwitchNetwork &next, const QString &what)
{
    edit(next, what, MarksEdit);
}

void NetworkDocument::setDisplayOptions(const DisplayOptions &next)
{
    if (next == options)
        return;
    options = next;
    emit displayOptionsChanged();
    checkModified();
}

void NetworkDocument::setRouteMode(int mode)
{
    DisplayOptions next = options;
    next.routeMode = static_cast<RouteMode>(mode);
    setDisplayOptions(next);
}

void NetworkDocument::setWiresMode(int mode)
{
    DisplayOptions next = options;
    next.wiresMode = static_cast<WiresMode>(mode);
    setDisplayOptions(next);
}

void NetworkDocument::setSwitchesMode(int mode)
{
    DisplayOptions next = options;
    next.switchesMode = static_cast<SwitchesMode>(mode);
    setDisplayOptions(next);
}

void NetworkDocument::setPlaneOption(PlaneFamily family, bool PlaneOptions::*option, bool on)
{
    DisplayOptions next = options;
    next.plane(family).*option = on;
    setDisplayOptions(next);
}

void NetworkDocument::setViewPoint(const ViewPoint &next)
{
    const ViewPoint normal{normaliseAngle(next.rotX), normaliseAngle(next.rotY), normaliseZoom(next.zoom),
                           normalisePan(next.panX), normalisePan(next.panY)};
    if (normal == view)
        return;
    view = normal;
    emit viewPointChanged();
    checkModified();
}

void NetworkDocument::setRotation(float aboutX, float aboutY)
{
    ViewPoint next = view;
    next.rotX = aboutX;
    next.rotY = aboutY;
    setViewPoint(next);
}

void NetworkDocument::setZoom(double zoom)
{
    ViewPoint next = view;
    next.zoom = zoom;
    setViewPoint(next);
}
