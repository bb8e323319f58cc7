#include "app/markhistory.h"

#include "view/glbox.h"

#include <QSpinBox>
#include <QUndoCommand>
#include <QUndoStack>

using namespace ts;

namespace {
// One edit: the states before and after it. The edit has already happened
// when it is pushed, so the first redo does nothing.
class MarksCommand : public QUndoCommand
{
public:
    MarksCommand(MarkHistory *history, const QString &text, const NetworkState &before, const NetworkState &after)
        : QUndoCommand(text)
        , history(history)
        , before(before)
        , after(after)
    {
    }

    void undo() override { history->restore(before); }
    void redo() override
    {
        if (done)
            history->restore(after);
        done = true;
    }

private:
    MarkHistory *history;
    NetworkState before, after;
    bool done = false;
};
} // namespace

MarkHistory::MarkHistory(GLBox *view, QSpinBox *size, const std::array<QSpinBox *, kPlaneFamilyCount> &offsets,
                         QObject *parent)
    : QObject(parent)
    , view(view)
    , size(size)
    , offsets(offsets)
    , undoStack(new QUndoStack(this))
{
    connect(view, &GLBox::marksEdited, this, &MarkHistory::record);
}

void MarkHistory::record(const QString &what, const NetworkState &before)
{
    if (restoring)
        return;
    undoStack->push(new MarksCommand(this, what, before, view->network().snapshot()));
}

void MarkHistory::restore(const NetworkState &state)
{
    restoring = true;
    // The size first, so the offset boxes take the old offsets within range.
    size->setValue(state.size);
    for (const PlaneFamily family : kAllPlaneFamilies)
        offsets[static_cast<std::size_t>(index(family))]->setValue(state.offsets[static_cast<std::size_t>(index(family))]);
    view->restoreMarks(state.marks);
    restoring = false;
}
