#include "app/routespanel.h"

#include "app/marklistmodel.h"
#include "app/formwidgets.h"
#include "app/livetexts.h"
#include "app/notesview.h"
#include "app/routestepper.h"
#include "core/networkdocument.h"
#include "core/routetext.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

using namespace ts;

namespace {
constexpr int kTop = -1; // the level box's value for "top": a terminal
constexpr int kPlaceholderKey = -1;


QListView *listView(QWidget *parent, const char *name, MarkListModel *model)
{
    auto *view = new QListView(parent);
    view->setObjectName(QLatin1String(name));
    view->setWordWrap(true);
    view->setUniformItemSizes(false);
    view->setIconSize(QSize(2 * MarkListModel::kSwatchSide, MarkListModel::kSwatchSide));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setModel(model);
    return view;
}

// Collects the rows of one list in key order, taking a line from the rows
// already shown when its key and bits are the same and the text could not
// have changed, so that a click words one line, not every line.
class RowCollector
{
public:
    RowCollector(const std::vector<MarkListModel::Row> &shown, bool reusable)
        : shown(shown)
        , reusable(reusable)
    {
    }

    void add(int key, int bits, const std::function<QString()> &words, bool dead = false)
    {
        while (next < shown.size() && shown[next].key < key)
            ++next;
        if (reusable && next < shown.size() && shown[next].key == key && shown[next].bits == bits)
            rows.push_back(shown[next]);
        else
            rows.push_back({key, bits, words(), dead});
    }

    std::vector<MarkListModel::Row> take(const QString &whenEmpty)
    {
        if (rows.empty())
            rows.push_back({kPlaceholderKey, 0, whenEmpty});
        return std::move(rows);
    }

private:
    const std::vector<MarkListModel::Row> &shown;
    bool reusable;
    std::size_t next = 0;
    std::vector<MarkListModel::Row> rows;
};
} // namespace

RoutesPanel::RoutesPanel(NetworkDocument *document, RouteStepper *stepper, QAction *focus, QWidget *parent)
    : QWidget(parent)
    , document(document)
    , routes(new MarkListModel(this))
    , summary(new MarkListModel(this))
    , stepper(stepper)
{
    auto *layout = new QVBoxLayout(this);
    texts = new LiveTexts(this, this);

    // The lesson's title and notes, the lecturer's script beside the model.
    lessonTitle = headingLabel(this, "lesson_title");
    layout->addWidget(lessonTitle);
    lessonNotes = new NotesView(this);
    lessonNotes->setObjectName(QStringLiteral("lesson_notes"));
    texts->add([this] { lessonNotes->setAccessibleName(tr("Lesson notes")); });
    layout->addWidget(lessonNotes);
    connect(document, &NetworkDocument::lessonTextChanged, this, &RoutesPanel::showLessonText);
    showLessonText();

    routeList = listView(this, "route_list", routes);
    routeList->setMinimumWidth(320);
    layout->addWidget(routeList, 3);
    layout->addWidget(buildStepControls());
    auto *focusBox = new QCheckBox(this);
    focusBox->setObjectName(QStringLiteral("focus"));
    // The menu's tooltip, in whatever language it is worded last.
    connect(focus, &QAction::changed, focusBox, [focusBox, focus] { focusBox->setToolTip(focus->toolTip()); });
    PresentationState *presentation = document->presentation();
    focusBox->setChecked(presentation->focusRoutes());
    connect(focusBox, &QCheckBox::toggled, presentation, &PresentationState::setFocusRoutes);
    connect(presentation, &PresentationState::focusRoutesChanged, focusBox, &QCheckBox::setChecked);
    layout->addWidget(focusBox);
    QListView *summaryList = listView(this, "route_summary", summary);
    layout->addWidget(summaryList, 1);

    auto *form = new QGroupBox(this);
    form->setObjectName(QStringLiteral("mark"));
    auto *grid = new QGridLayout(form);
    markI = indexBox(form, "mark_i", QString());
    markJ = indexBox(form, "mark_j", QString());
    markK = indexBox(form, "mark_k", QString());
    addIndexRow(grid, form, {markI, markJ, markK});
    texts->add([this, focusBox, focus, summaryList, form] {
        routeList->setAccessibleName(tr("Marked terminals and their routes"));
        focusBox->setText(tr("Focus on the marked routes"));
        focusBox->setToolTip(focus->toolTip());
        summaryList->setAccessibleName(tr("Destinations and marked switches"));
        form->setTitle(tr("Mark"));
        explain(markI, tr("Column i of the terminal or switch to mark"));
        explain(markJ, tr("Row j of the terminal or switch to mark"));
        explain(markK, tr("Level k of the switch to mark, or top for a terminal"));
        markK->setSpecialValueText(tr("top"));
    });
    struct Button
    {
        const char *name;
        const char *text;
        int bit;
    };
    const Button buttons[] = {{"mark_red", QT_TR_NOOP("Red"), RedBit},
                              {"mark_green", QT_TR_NOOP("Green"), GreenBit},
                              {"mark_blue", QT_TR_NOOP("Blue"), BlueBit}};
    int column = 0;
    for (const Button &b : buttons) {
        auto *button = new QPushButton(form);
        button->setObjectName(QLatin1String(b.name));
        texts->add([button, b] {
            const QString text = tr(b.text);
            button->setText(text);
            button->setToolTip(tr("Toggle a %1 mark, as a click with the %2 button would")
                                   .arg(text.toLower(), b.bit == RedBit     ? tr("left")
                                                        : b.bit == GreenBit ? tr("middle")
                                                                            : tr("right")));
        });
        connect(button, &QPushButton::clicked, this, [this, bit = b.bit] { toggleChosen(bit); });
        grid->addWidget(button, 1, column, 1, 2);
        column += 2;
    }
    auto *clear = new QPushButton(form);
    clear->setObjectName(QStringLiteral("clear_marks"));
    texts->add([clear] {
        clear->setText(tr("Clear all"));
        clear->setToolTip(tr("Clear every mark, as a click on empty space would"));
    });
    connect(clear, &QPushButton::clicked, document, &NetworkDocument::clearMarks);
    grid->addWidget(clear, 2, 0, 1, 6);
    layout->addWidget(form);

    connect(document, &NetworkDocument::networkChanged, this, &RoutesPanel::follow);
    follow();
    markK->setValue(kTop);
    // Every line worded again in the new language, none taken as shown.
    texts->add([this] {
        describedSize = 0;
        rewordSummary = true;
        follow();
        rewordSummary = false;
        showStepping();
    });
}

QWidget *RoutesPanel::buildStepControls()
{
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    enum Action { First, Back, Play, Next };
    struct Step
    {
        const char *name;
        QString glyph;
        const char *help;
        QKeySequence key;
        Action action;
    };
    const Step steps[] = {
        {"step_first", QStringLiteral("|◀"), QT_TR_NOOP("Back to the start of the route"), {}, First},
        {"step_back", QStringLiteral("◀"), QT_TR_NOOP("One leg back (Comma)"), QKeySequence(Qt::Key_Comma), Back},
        {"step_play", QStringLiteral("▶"), QT_TR_NOOP("Play the route leg by leg, or pause (P)"), QKeySequence(Qt::Key_P), Play},
        {"step_next", QStringLiteral("▶|"), QT_TR_NOOP("One leg further (Period)"), QKeySequence(Qt::Key_Period), Next},
    };
    int column = 0;
    for (const Step &step : steps) {
        auto *button = new QToolButton(box);
        button->setText(step.glyph);
        button->setObjectName(QLatin1String(step.name));
        texts->add([button, help = step.help] {
            button->setToolTip(tr(help));
            button->setAccessibleName(tr(help));
        });
        auto run = [this, action = step.action] {
            if (!chooseRoute())
                return;
            switch (action) {
            case First: stepper->first(); break;
            case Back: stepper->back(); break;
            case Play: stepper->togglePlay(); break;
            case Next: stepper->next(); break;
            }
        };
        connect(button, &QToolButton::clicked, this, run);
        if (!step.key.isEmpty()) {
            auto *key = new QAction(this);
            texts->add([key, help = step.help] { key->setText(tr(help)); });
            key->setShortcut(step.key);
            key->setShortcutContext(Qt::WidgetShortcut);
            connect(key, &QAction::triggered, this, run);
            keys << key;
        }
        if (step.action == Play)
            playButton = button;
        grid->addWidget(button, 0, column++);
    }
    auto *speed = new QSlider(Qt::Horizontal, box);
    speed->setObjectName(QStringLiteral("step_speed"));
    speed->setRange(1, 8); // half legs per second: 0.5 to 4
    speed->setValue(2);
    texts->add([speed] {
        speed->setToolTip(tr("Legs per second while playing, 0.5 to 4"));
        speed->setAccessibleName(speed->toolTip());
    });
    connect(speed, &QSlider::valueChanged, this, [this](int halves) { stepper->setSpeed(halves / 2.0); });
    grid->addWidget(speed, 0, column);
    stepText = new QLabel(box);
    stepText->setObjectName(QStringLiteral("step_text"));
    stepText->setWordWrap(true);
    stepText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(stepText, 1, 0, 1, column + 1);

    connect(stepper, &RouteStepper::changed, this, &RoutesPanel::showStepping);
    connect(routeList->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (!current.isValid() || !routeList->selectionModel()->isSelected(current))
            return;
        const int key = routes->rows()[static_cast<std::size_t>(current.row())].key;
        if (key >= 0)
            stepper->setRoute(key / kMaxNetworkSize, key % kMaxNetworkSize);
    });
    connect(routeList->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!routeList->selectionModel()->hasSelection())
            stepper->end(); // the route was deselected
    });
    showStepping();
    return box;
}

bool RoutesPanel::chooseRoute()
{
    const QModelIndexList selected = routeList->selectionModel()->selectedIndexes();
    const int row = selected.isEmpty() ? 0 : selected.front().row();
    if (row >= routes->rowCount() || routes->rows()[static_cast<std::size_t>(row)].key < 0)
        return false;
    const int key = routes->rows()[static_cast<std::size_t>(row)].key;
    stepper->setRoute(key / kMaxNetworkSize, key % kMaxNetworkSize);
    return true;
}

void RoutesPanel::showStepping()
{
    playButton->setText(stepper->isPlaying() ? QStringLiteral("⏸") : QStringLiteral("▶"));
    const QString text = stepper->text();
    if (text == stepText->text())
        return;
    stepText->setText(text);
    stepText->setAccessibleName(text);
    // Screen readers announce each step as it is shown.
    QAccessibleEvent event(stepText, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

// The scene's own words where it has them, the lesson's otherwise.
void RoutesPanel::showLessonText()
{
    const QString &title = sceneWords(document->sceneTitle(), document->title());
    const QString &notes = sceneWords(document->sceneNotes(), document->notes());
    lessonTitle->setText(shownTitle(title));
    lessonTitle->setVisible(!title.isEmpty());
    lessonNotes->setNotes(notes);
    lessonNotes->setVisible(!notes.isEmpty());
}

void RoutesPanel::toggleChosen(int colourBit)
{
    if (markK->value() == kTop)
        document->toggleTerminal(markI->value(), markJ->value(), colourBit);
    else
        document->toggleSwitch(markI->value(), markJ->value(), markK->value(), colourBit);
}

void RoutesPanel::follow()
{
    const SwitchNetwork &net = document->network();
    const int n = net.size();
    markI->setRange(0, n - 1);
    markJ->setRange(0, n - 1);
    markK->setRange(kTop, n - 1);

    // A route's words depend on its colours and the wiring; the summary's
    // only on the box and its colours.
    const bool sameWiring = describedSize == n && describedOffsets == net.allOffsets();
    RowCollector routeRows(routes->rows(), sameWiring);
    RowCollector summaryRows(summary->rows(), !rewordSummary);
    const int arrivalKeys = kMaxNetworkSize * kMaxNetworkSize;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (const int bits = net.terminalMark(i, j))
                routeRows.add(
                    i * kMaxNetworkSize + j, bits,
                    [&] { return RoutesPanel::tr("%1: %2").arg(colourWords(bits), describeRoute(net, i, j)); },
                    !net.trace(i, j).arrives());
    bool anyArrival = false;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (const int bits = net.arrivals(i, j)) {
                anyArrival = true;
                summaryRows.add(i * kMaxNetworkSize + j, bits, [&] {
                    return tr("terminal (%1, %2) is reached by %3")
                        .arg(i)
                        .arg(j)
                        .arg(colourWords(bits));
                });
            }
    if (!anyArrival)
        summaryRows.add(arrivalKeys - 1, 0, [] { return RoutesPanel::tr("No route arrives."); });
    bool anySwitch = false;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            for (int k = 0; k < n; ++k)
                if (const int bits = net.switchMark(i, j, k)) {
                    anySwitch = true;
                    summaryRows.add(arrivalKeys + (i * kMaxNetworkSize + j) * kMaxNetworkSize + k, bits, [&] {
                        return tr("switch (%1, %2, %3) is marked %4")
                            .arg(i)
                            .arg(j)
                            .arg(k)
                            .arg(colourWords(bits));
                    });
                }
    if (!anySwitch)
        summaryRows.add(arrivalKeys, 0, [] { return RoutesPanel::tr("No switch is marked."); });

    routes->setRows(routeRows.take(tr("No terminal is marked: click one, or use the form below.")));
    summary->setRows(summaryRows.take({}));
    describedSize = n;
    describedOffsets = net.allOffsets();
}
