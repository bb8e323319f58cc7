#pragma once

#include "core/planefamily.h"

#include <QObject>

#include <array>

class GLBox;
class LiveTexts;
class NetworkDocument;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QMainWindow;
class QSpinBox;
class QWidget;

// The control column's widgets: the size box, the three mode groups and the
// three plane groups, in the window's column, each connected to the view's
// slot of the same meaning. Whatever changed the document (a control, a slot
// called on the view, undo, a lesson), the controls show what it holds;
// showing never edits.
class ControlColumn : public QObject
{
    Q_OBJECT

public:
    // Builds the controls in column and connects them; the size box also to
    // the window's slot setSize(int), which keeps the offsets' range.
    ControlColumn(QWidget *column, GLBox *view, QMainWindow *window, NetworkDocument *document);

    QSpinBox *offsetBox(ts::PlaneFamily family) const { return offsetBoxes[static_cast<std::size_t>(index(family))]; }
    // Brings the controls and the view into one consistent start: size 4,
    // the first button of each group, no plane option, offsets 0.
    void start();

private:
    void buildModeGroups(QWidget *column, GLBox *view);
    void buildFamilyGroup(QWidget *column, GLBox *view, const ts::PlaneFamilyInfo &family);
    void showSize();
    void showOffset(ts::PlaneFamily family);
    void showDisplayOptions();

    LiveTexts *texts = nullptr;
    NetworkDocument *document;
    GLBox *view;
    QSpinBox *sizeBox = nullptr;
    QLabel *sizeLabel = nullptr;
    std::array<QButtonGroup *, 3> modeGroups{}; // route, wires, switches
    std::array<std::array<QCheckBox *, 3>, ts::kPlaneFamilyCount> familyChecks{}; // hilite, plane, opaque
    std::array<QSpinBox *, ts::kPlaneFamilyCount> offsetBoxes{};
};
