#include "app/controlcolumn.h"

#include "app/formwidgets.h"
#include "app/livetexts.h"

#include "core/networkdocument.h"
#include "view/glbox.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpacerItem>
#include <QSpinBox>

#include <initializer_list>

using namespace ts;

namespace {
constexpr int kSpacerSide = 5;

QSpinBox *makeSpinBox(QWidget *parent, const QString &name, int minimum, int maximum)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    box->setSingleStep(1);
    box->setValue(minimum); // starts at its minimum: the start-up sequence relies on it
    // Take a typed number at Enter or on leaving the box, not digit by
    // digit: typing "12" must not pass through a network of size 1.
    box->setKeyboardTracking(false);
    return box;
}

struct ModeGroup
{
    const char *name;
    const char *title;
    const char *help;
    std::initializer_list<std::pair<const char *, const char *>> buttons; // object name, text
    void (GLBox::*slot)(int);
};
} // namespace

ControlColumn::ControlColumn(QWidget *column, GLBox *view, QMainWindow *window, NetworkDocument *document)
    : QObject(window)
    , document(document)
    , view(view)
{
    texts = new LiveTexts(this, window);
    sizeBox = addTo(column, makeSpinBox(column, QStringLiteral("grid"), kMinNetworkSize, kMaxNetworkSize));
    texts->add([this] { explain(sizeBox, tr("Network size N: N by N terminals on the top face, N by N by N switches")); });
    connect(sizeBox, &QSpinBox::valueChanged, view, &GLBox::setSize);
    // The window's own slot is private: reached by its signature.
    connect(sizeBox, SIGNAL(valueChanged(int)), window, SLOT(setSize(int)));

    buildModeGroups(column, view);
    for (const PlaneFamilyInfo &family : kPlaneFamilies)
        buildFamilyGroup(column, view, family);

    auto *blank = addTo(column, makeBox<QVBoxLayout>(column, "blank"));
    blank->layout()->addItem(
        new QSpacerItem(kSpacerSide, kSpacerSide, QSizePolicy::Fixed, QSizePolicy::MinimumExpanding));
    column->setSizePolicy(QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Minimum));

    // "N:" beside the size box, as "c1:" stands beside its offset: made last
    // so that the column's own children keep their order, and placed by a
    // row in the column's layout, which leaves the size box the column's child.
    sizeLabel = new QLabel(column);
    texts->add([this] { sizeLabel->setText(tr("N:")); });
    sizeLabel->setObjectName(QStringLiteral("size_label"));
    sizeLabel->setBuddy(sizeBox);
    auto *columnLayout = static_cast<QBoxLayout *>(column->layout());
    columnLayout->removeWidget(sizeBox);
    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(sizeLabel);
    sizeRow->addWidget(sizeBox, 1);
    columnLayout->insertLayout(0, sizeRow);

    connect(document, &NetworkDocument::sizeChanged, this, &ControlColumn::showSize);
    connect(document, &NetworkDocument::offsetChanged, this, &ControlColumn::showOffset);
    connect(document, &NetworkDocument::displayOptionsChanged, this, &ControlColumn::showDisplayOptions);
}

void ControlColumn::buildModeGroups(QWidget *column, GLBox *view)
{
    const ModeGroup modes[] = {
        {"routing", QT_TR_NOOP("Route"),
         QT_TR_NOOP("How a marked terminal's route is drawn: its own path or the whole wires it uses"),
         {{"routing_path", QT_TR_NOOP("path")}, {"routing_wire", QT_TR_NOOP("wire")}}, &GLBox::setRouteMode},
        {"wires", QT_TR_NOOP("Wires"),
         QT_TR_NOOP("Which wires are drawn dashed: none, those every terminal's route uses, or all"),
         {{"wires_off", QT_TR_NOOP("off")}, {"wires_used", QT_TR_NOOP("used")}, {"wires_all", QT_TR_NOOP("all")}},
         &GLBox::setWiresMode},
        {"switches", QT_TR_NOOP("Switches"),
         QT_TR_NOOP("How switches are drawn: filled, as frames, or only where highlighted"),
         {{"switches_fill", QT_TR_NOOP("fill")}, {"switches_frame", QT_TR_NOOP("frame")}, {"switches_off", QT_TR_NOOP("off")}},
         &GLBox::setSwitchesMode},
    };
    std::size_t m = 0;
    for (const ModeGroup &mode : modes) {
        QGroupBox *box = addTo(column, makeBox<QVBoxLayout, QGroupBox>(column, mode.name));
        texts->add([box, title = mode.title, help = mode.help] {
            box->setTitle(tr(title));
            box->setToolTip(tr(help));
        });
        auto *buttons = new QButtonGroup(box);
        buttons->setExclusive(true);
        int id = 0;
        for (const auto &[buttonName, text] : mode.buttons) {
            auto *button = addTo(box, new QRadioButton(box));
            button->setObjectName(QLatin1String(buttonName));
            texts->add([button, title = mode.title, text = text] {
                button->setText(tr(text));
                explain(button, tr("%1: %2").arg(tr(title), tr(text)));
            });
            buttons->addButton(button, id++);
        }
        connect(buttons, &QButtonGroup::idClicked, view, mode.slot);
        modeGroups[m++] = buttons;
    }
}

void ControlColumn::buildFamilyGroup(QWidget *column, GLBox *view, const PlaneFamilyInfo &family)
{
    const auto f = static_cast<std::size_t>(index(family.family));
    const QString prefix = QLatin1String(family.key);
    const QString relation = QLatin1String(family.relation);
    QGroupBox *group = addTo(column, makeBox<QVBoxLayout, QGroupBox>(column, family.key));
    // The family's title is notation, the same in every language.
    group->setTitle(QLatin1String(family.title));
    texts->add([group, relation] { group->setToolTip(tr("The family of switches with %1").arg(relation)); });
    const char *names[] = {"hilite", "plane", "opaque"};
    const char *checkTexts[] = {QT_TR_NOOP("hilite"), QT_TR_NOOP("plane"), QT_TR_NOOP("opaque")};
    for (std::size_t c = 0; c < 3; ++c) {
        auto *check = addTo(group, new QCheckBox(group));
        check->setObjectName(prefix + QLatin1Char('_') + QLatin1String(names[c]));
        familyChecks[f][c] = check;
    }
    texts->add([checks = familyChecks[f], checkTexts, relation] {
        const QString help[] = {tr("Highlight the switches with %1").arg(relation), tr("Draw the plane %1").arg(relation),
                                tr("Draw the plane %1 solid instead of dotted").arg(relation)};
        for (std::size_t c = 0; c < 3; ++c) {
            checks[c]->setText(tr(checkTexts[c]));
            explain(checks[c], help[c]);
        }
    });
    auto *row = addTo(group, makeBox<QHBoxLayout>(group, (prefix + QStringLiteral("_hbox")).toLatin1()));
    const QString offsetName = QLatin1String(family.offsetName);
    auto *label = addTo(row, new QLabel(offsetName + QLatin1Char(':'), row));
    label->setObjectName(prefix + QStringLiteral("_lab"));
    QSpinBox *spin =
        addTo(row, makeSpinBox(row, prefix + QStringLiteral("_spin"), -kMaxNetworkSize, kMaxNetworkSize));
    texts->add([spin, offsetName, relation] { explain(spin, tr("The offset %1 of the planes %2").arg(offsetName, relation)); });
    label->setBuddy(spin);
    offsetBoxes[f] = spin;

    const GLBox::FamilySlots wiring = GLBox::familySlots(family.family);
    connect(familyChecks[f][0], &QCheckBox::toggled, view, wiring.hilite);
    connect(familyChecks[f][1], &QCheckBox::toggled, view, wiring.plane);
    connect(familyChecks[f][2], &QCheckBox::toggled, view, wiring.opaque);
    connect(spin, &QSpinBox::valueChanged, view, wiring.offset);
}

void ControlColumn::start()
{
    sizeBox->setValue(kDefaultNetworkSize);
    modeGroups[0]->button(0)->setChecked(true);
    view->setRouteMode(RoutePath);
    modeGroups[1]->button(0)->setChecked(true);
    view->setWiresMode(WiresOff);
    modeGroups[2]->button(0)->setChecked(true);
    view->setSwitchesMode(SwitchesFill);
    for (const PlaneFamily family : kAllPlaneFamilies) {
        for (QCheckBox *check : familyChecks[static_cast<std::size_t>(index(family))])
            check->setChecked(false);
        offsetBox(family)->setValue(0);
    }
}

void ControlColumn::showSize()
{
    const QSignalBlocker blocker(sizeBox);
    sizeBox->setValue(document->network().size());
    for (const PlaneFamily family : kAllPlaneFamilies)
        showOffset(family);
}

void ControlColumn::showOffset(PlaneFamily family)
{
    // The range is -N..N as the window keeps it, widened to take an offset
    // that was set beyond it directly, so the box never shows a wrong value.
    QSpinBox *spin = offsetBox(family);
    const QSignalBlocker blocker(spin);
    const int n = document->network().size(), offset = document->network().offset(family);
    spin->setRange(std::min(-n, offset), std::max(n, offset));
    spin->setValue(offset);
}

void ControlColumn::showDisplayOptions()
{
    const DisplayOptions &options = document->displayOptions();
    const int modes[] = {options.routeMode == RoutePath ? 0 : 1, options.wiresMode, options.switchesMode};
    for (std::size_t m = 0; m < modeGroups.size(); ++m) {
        QButtonGroup *group = modeGroups[m];
        if (QAbstractButton *button = group->button(modes[m])) {
            button->setChecked(true); // checking emits no idClicked
        } else if (group->checkedButton()) {
            // A mode without a button (set directly): none of them is true.
            group->setExclusive(false);
            group->checkedButton()->setChecked(false);
            group->setExclusive(true);
        }
    }
    for (const PlaneFamily family : kAllPlaneFamilies) {
        const PlaneOptions &plane = options.plane(family);
        const bool values[] = {plane.hilite, plane.plane, plane.opaque};
        for (std::size_t c = 0; c < 3; ++c) {
            QCheckBox *check = familyChecks[static_cast<std::size_t>(index(family))][c];
            const QSignalBlocker blocker(check);
            check->setChecked(values[c]);
        }
    }
}
