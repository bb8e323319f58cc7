#include "core/networkdocument.h"

#include <QDebug>
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
    {
    }

    int id() const override { return kNetworkEditId; }
    void undo() override
    {
        ++document->undoEra;
        document->show(otherEnd(After, Before));
    }
    void redo() override
    {
        if (!firstRedo)
            ++document->undoEra;
        firstRedo = false;
        document->show(otherEnd(Before, After));
    }

    bool mergeWith(const QUndoCommand *command) override
    {
        // Only edits in a row merge: after an undo or redo the next edit
        // starts a command of its own.
        const auto *next = static_cast<const NetworkEdit *>(command);
        if (next->era != era)
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
    bool firstRedo = true; // push() does the edit through redo()
};

// A change of the lesson's title and notes.
class LessonTextEdit : public QUndoCommand
{
public:
    LessonTextEdit(NetworkDocument *document, const QString &title, const QString &notes)
        : QUndoCommand(NetworkDocument::tr("Edit Lesson Notes"))
        , document(document)
        , before{document->title(), document->notes()}
        , after{title, notes}
    {
    }

    void undo() override { document->showLessonText(before[0], before[1]); }
    void redo() override { document->showLessonText(after[0], after[1]); }

private:
    NetworkDocument *document;
    QString before[2], after[2];
};

NetworkDocument::NetworkDocument(QObject *parent)
    : QObject(parent)
    , history(new QUndoStack(this))
    , presented(new PresentationState(this))
{
    connect(history, &QUndoStack::cleanChanged, this, &NetworkDocument::checkModified);
    connect(presented, &PresentationState::changed, this, &NetworkDocument::checkModified);
    // A stepped route is of the network it was stepped in.
    connect(this, &NetworkDocument::networkChanged, presented, &PresentationState::endRouteStep);
}

Lesson NetworkDocument::lesson() const
{
    return {lessonTitle, lessonNotes, net, options, presented->focusRoutes(), presented->labels(), view};
}

void NetworkDocument::open(const Lesson &lesson)
{
    history->clear();
    show(lesson.network);
    showLessonText(lesson.title, lesson.notes);
    setDisplayOptions(lesson.options);
    presented->set({lesson.focusRoutes, lesson.labels, {}});
    setViewPoint(lesson.view);
    markSaved();
}

void NetworkDocument::setLessonText(const QString &title, const QString &notes)
{
    if (title != lessonTitle || notes != lessonNotes)
        history->push(new LessonTextEdit(this, title, notes));
}

void NetworkDocument::showLessonText(const QString &title, const QString &notes)
{
    if (title == lessonTitle && notes == lessonNotes)
        return;
    lessonTitle = title;
    lessonNotes = notes;
    emit lessonTextChanged();
}

bool NetworkDocument::isModified() const
{
    return !history->isClean() || options != savedOptions || presented->focusRoutes() != savedFocus ||
           presented->labels() != savedLabels || view != savedView;
}

void NetworkDocument::markSaved()
{
    history->setClean();
    savedOptions = options;
    savedFocus = presented->focusRoutes();
    savedLabels = presented->labels();
    savedView = view;
    checkModified();
}

void NetworkDocument::checkModified()
{
    if (isModified() == wasModified)
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
    const ViewPoint normal{normaliseAngle(next.rotX), normaliseAngle(next.rotY), normaliseZoom(next.zoom)};
    if (normal == view)
        return;
    view = normal;
    emit viewPointChanged();
    checkModified();
}

void NetworkDocument::setRotation(float aboutX, float aboutY)
{
    setViewPoint({aboutX, aboutY, view.zoom});
}

void NetworkDocument::setZoom(double zoom)
{
    setViewPoint({view.rotX, view.rotY, zoom});
}
