#pragma once

#include "view/network.h"

#include <QObject>

#include <array>

class GLBox;
class QSpinBox;
class QUndoStack;

// Undo and redo of every edit of the marks. The view announces each edit
// with the state before it; undoing puts that state back through the panel's
// own controls (size and offsets), so panel and view never disagree, and
// then the marks. Rotation, zoom and display options are not history.
class MarkHistory : public QObject
{
    Q_OBJECT

public:
    MarkHistory(GLBox *view, QSpinBox *size, const std::array<QSpinBox *, ts::kPlaneFamilyCount> &offsets,
                QObject *parent);

    QUndoStack *stack() const { return undoStack; }
    // Brings view and panel to a saved state; edits it causes are not recorded.
    void restore(const ts::NetworkState &state);

private slots:
    void record(const QString &what, const ts::NetworkState &before);

private:
    GLBox *view;
    QSpinBox *size;
    std::array<QSpinBox *, ts::kPlaneFamilyCount> offsets;
    QUndoStack *undoStack;
    bool restoring = false;
};
