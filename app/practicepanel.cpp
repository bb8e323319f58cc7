#include "app/practicepanel.h"

#include "app/formwidgets.h"
#include "app/livetexts.h"
#include "app/routestepper.h"
#include "core/routetext.h"
#include "core/networkdocument.h"
#include "core/wholefile.h"
#include "view/glbox.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace ts;

namespace {
// Where a round starts from: turned as the examples are, so that a route
// drawn after two wrong answers is seen in depth, not as a flat outline.
constexpr ViewPoint kTurnedView{30.0f, 330.0f, 1.0};

QString networkWords(const Question &q)
{
    return parametersText(q.size, q.offsets);
}
} // namespace

PracticePanel::PracticePanel(NetworkDocument *document, GLBox *view, RouteStepper *stepper, QWidget *parent)
    : QWidget(parent)
    , document(document)
    , view(view)
    , stepper(stepper)
{
    auto *layout = new QVBoxLayout(this);
    auto *texts = new LiveTexts(this, this);
    auto *setup = new QHBoxLayout;
    seed = indexBox(this, "practice_seed", QString());
    seed->setRange(0, int(kMaxPracticeSeed));
    level = new QComboBox(this);
    level->setObjectName(QStringLiteral("practice_level"));
    level->addItems({QString(), QString(), QString()});
    auto *seedLabel = new QLabel(this);
    seedLabel->setBuddy(seed);
    setup->addWidget(seedLabel);
    setup->addWidget(seed);
    setup->addWidget(level);
    QPushButton *restart = button("practice_start", QString(), this);
    texts->add([this, seedLabel, restart] {
        explain(seed, tr("The seed: the same seed and level give the same questions"));
        level->setItemText(0, tr("small"));
        level->setItemText(1, tr("medium"));
        level->setItemText(2, tr("large"));
        level->setToolTip(tr("small: N = 3 to 5, at most one offset; medium: N = 4 to 8; large: N = 8 to 15"));
        level->setAccessibleName(level->toolTip());
        seedLabel->setText(tr("&Seed:"));
        restart->setText(tr("Start"));
    });
    setup->addWidget(restart);
    layout->addLayout(setup);
    connect(restart, &QPushButton::clicked, this,
            [this] { start(quint64(seed->value()), static_cast<PracticeLevel>(level->currentIndex())); });
    lessonSet = new QLabel(this);
    lessonSet->setObjectName(QStringLiteral("practice_set"));
    lessonSet->setWordWrap(true);
    layout->addWidget(lessonSet);
    connect(document, &NetworkDocument::practiceSetChanged, this, &PracticePanel::followPracticeSet);

    // The question being asked, its answers and its score.
    asking = new QWidget(this);
    auto *askingLayout = new QVBoxLayout(asking);
    askingLayout->setContentsMargins(0, 0, 0, 0);
    questionLabel = headingLabel(asking, "question");
    askingLayout->addWidget(questionLabel);

    auto *form = new QGridLayout;
    answerI = indexBox(asking, "answer_i", QString());
    answerJ = indexBox(asking, "answer_j", QString());
    answerK = indexBox(asking, "answer_k", QString());
    answerLabels = addIndexRow(form, asking, boxes());
    for (QSpinBox *box : boxes())
        box->installEventFilter(this); // Enter checks, as the Check button
    check = button("answer_check", QString(), asking);
    dies = button("answer_dies", QString(), asking);
    form->addWidget(check, 1, 0, 1, 3);
    form->addWidget(dies, 1, 3, 1, 3);
    const char *familyNames[] = {"answer_ik", "answer_ji", "answer_kj", "answer_none"};
    // The families as the control panel titles them: notation, in every language.
    const QString familyTexts[] = {QLatin1String(kPlaneFamilies[0].title), QLatin1String(kPlaneFamilies[1].title),
                                   QLatin1String(kPlaneFamilies[2].title), QString()};
    for (int f = 0; f < 4; ++f) {
        familyButtons[f] = button(familyNames[f], familyTexts[f], asking);
        form->addWidget(familyButtons[f], 2 + f / 2, 3 * (f % 2), 1, 3);
        connect(familyButtons[f], &QPushButton::clicked, this, [this, f] {
            Answer a;
            a.kind = f < kPlaneFamilyCount ? Answer::Family : Answer::None;
            a.family = kAllPlaneFamilies[static_cast<std::size_t>(f % kPlaneFamilyCount)];
            answer(a);
        });
    }
    askingLayout->addLayout(form);
    connect(dies, &QPushButton::clicked, this, [this] { answer({}); });
    connect(check, &QPushButton::clicked, this, &PracticePanel::checkForm);
    // A click on a terminal in the view answers "where" and "which terminal".
    connect(view, &GLBox::terminalClicked, this, [this](int i, int j) {
        if (!round.isOpen() || (question().kind != QuestionKind::Arrival && question().kind != QuestionKind::Source))
            return;
        Answer a;
        a.kind = Answer::Terminal;
        a.i = i;
        a.j = j;
        answer(a);
    });

    feedback = new QLabel(asking);
    feedback->setObjectName(QStringLiteral("feedback"));
    feedback->setWordWrap(true);
    feedback->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard); // to copy into notes
    askingLayout->addWidget(feedback);
    auto *row = new QHBoxLayout;
    score = new QLabel(asking);
    score->setObjectName(QStringLiteral("score"));
    row->addWidget(score, 1);
    next = button("practice_next", QString(), asking);
    row->addWidget(next);
    stop = button("practice_stop", QString(), asking);
    row->addWidget(stop);
    askingLayout->addLayout(row);
    askingLayout->addStretch(1);
    layout->addWidget(asking, 1);
    connect(next, &QPushButton::clicked, this, &PracticePanel::ask);
    connect(stop, &QPushButton::clicked, this, [this] {
        round.stop();
        showSummary();
    });

    // The round's summary, to hand in.
    summing = new QWidget(this);
    auto *summingLayout = new QVBoxLayout(summing);
    summingLayout->setContentsMargins(0, 0, 0, 0);
    roundOver = headingLabel(summing, "round_over");
    summingLayout->addWidget(roundOver);
    auto *nameRow = new QHBoxLayout;
    student = new QLineEdit(summing);
    student->setObjectName(QStringLiteral("student_name"));
    auto *nameLabel = new QLabel(summing);
    nameLabel->setBuddy(student);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(student, 1);
    summingLayout->addLayout(nameRow);
    summary = new QListWidget(summing);
    summary->setObjectName(QStringLiteral("practice_summary"));
    summary->setWordWrap(true);
    summingLayout->addWidget(summary, 1);
    connect(summary, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        const int at = item->data(Qt::UserRole).toInt();
        const auto &asked = round.questions();
        if (at >= 0 && at < int(asked.size()))
            showRoute(asked[static_cast<std::size_t>(at)].question, true);
    });
    auto *handIn = new QHBoxLayout;
    QPushButton *copy = button("copy_summary", QString(), summing);
    QPushButton *save = button("save_summary", QString(), summing);
    handIn->addWidget(copy);
    handIn->addWidget(save);
    handIn->addStretch(1);
    summingLayout->addLayout(handIn);
    layout->addWidget(summing, 1);
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(summaryText()); });
    connect(save, &QPushButton::clicked, this, &PracticePanel::saveSummary);
    texts->add([this, nameLabel, copy, save] {
        explain(answerI, tr("Column i of your answer"));
        explain(answerJ, tr("Row j of your answer"));
        explain(answerK, tr("Level k of your answer"));
        check->setText(tr("Check"));
        stop->setText(tr("Stop"));
        familyButtons[3]->setText(tr("none: it arrives"));
        student->setPlaceholderText(tr("Your name, for the summary you hand in"));
        student->setAccessibleName(tr("Student's name"));
        nameLabel->setText(tr("&Name:"));
        summary->setAccessibleName(tr("Summary of the round"));
        copy->setText(tr("Copy Summary"));
        save->setText(tr("Save Summary..."));
        // The words that follow the round: the set, the question and its
        // buttons, the feedback and the summary.
        followPracticeSet();
        showFeedback();
        if (round.isOver())
            fillSummary();
    });
}

void PracticePanel::followPracticeSet()
{
    const std::optional<PracticeSet> &set = document->practiceSet();
    lessonSet->setVisible(set.has_value());
    if (set) {
        if (set->seed)
            seed->setValue(int(*set->seed));
        if (set->level)
            level->setCurrentIndex(static_cast<int>(*set->level));
        const int questions = set->questions.value_or(kQuestionsPerRound);
        const QString said =
            questions == 1
                ? tr("This lesson's practice set: 1 question, seed %1, %2.").arg(seed->value()).arg(level->currentText())
                : tr("This lesson's practice set: %1 questions, seed %2, %3.")
                      .arg(questions)
                      .arg(seed->value())
                      .arg(level->currentText());
        lessonSet->setText(said + QLatin1Char(' ') + tr("Every student who starts it gets the same questions."));
    }
    showState();
}

void PracticePanel::startLessonRound()
{
    start(quint64(seed->value()), static_cast<PracticeLevel>(level->currentIndex()));
}

QPushButton *PracticePanel::button(const char *name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

bool PracticePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && check->isVisible()) {
            static_cast<QSpinBox *>(watched)->interpretText(); // take what was typed
            checkForm();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PracticePanel::say(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setAccessibleName(text);
    // Screen readers announce the question and the feedback as they come.
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void PracticePanel::start(quint64 seedValue, PracticeLevel levelValue)
{
    const std::optional<PracticeSet> &set = document->practiceSet();
    round = PracticeRound(seedValue, levelValue, set && set->questions ? *set->questions : kQuestionsPerRound);
    // The seed shown is the seed used, so that Start gives the same round again.
    seed->setValue(int(round.seed()));
    level->setCurrentIndex(static_cast<int>(levelValue));
    document->setViewPoint(kTurnedView);
    summary->clear();
    ask();
}

void PracticePanel::ask()
{
    round.next();
    if (round.isOver()) {
        showSummary();
        return;
    }
    const Question &q = question();
    stepper->end();
    document->replaceNetwork(q.network(), tr("Practice question"));
    for (QSpinBox *box : boxes()) {
        box->setRange(0, q.size - 1);
        box->setValue(0);
    }
    feedbackOutcome = PracticeRound::Outcome::Ignored;
    showFeedback();
    showState();
}

void PracticePanel::checkForm()
{
    if (!round.isOpen())
        return;
    Answer a;
    switch (question().kind) {
    case QuestionKind::TurnLevel:
        a.kind = Answer::Level;
        a.k = answerK->value();
        break;
    case QuestionKind::Construct:
        a.kind = Answer::Offsets;
        a.offsets = document->network().allOffsets();
        break;
    default:
        a.kind = Answer::Terminal;
        a.i = answerI->value();
        a.j = answerJ->value();
    }
    answer(a);
}

void PracticePanel::showState()
{
    const bool started = round.started() && !round.isOver();
    asking->setVisible(!round.isOver());
    summing->setVisible(round.isOver());
    const QuestionKind kind = started ? question().kind : QuestionKind::Arrival;
    const bool open = round.isOpen();
    const bool terminal = kind == QuestionKind::Arrival || kind == QuestionKind::Source;
    answerI->setVisible(open && terminal);
    answerJ->setVisible(open && terminal);
    answerK->setVisible(open && kind == QuestionKind::TurnLevel);
    for (int b = 0; b < 3; ++b)
        answerLabels[b]->setVisible(boxes()[b]->isVisibleTo(asking));
    check->setVisible(open && kind != QuestionKind::EndingFamily);
    dies->setVisible(open && kind != QuestionKind::EndingFamily && kind != QuestionKind::Construct);
    dies->setText(kind == QuestionKind::Source ? tr("None arrives") : tr("It dies"));
    for (QPushButton *b : familyButtons)
        b->setVisible(open && kind == QuestionKind::EndingFamily);
    next->setVisible(started);
    stop->setVisible(started);
    next->setText(round.hasNext() || !started ? tr("Next question") : tr("Summary"));
    score->setText(round.started() ? tr("%1 of %2 right").arg(round.right()).arg(round.done()) : QString());
    if (!round.started()) {
        say(questionLabel, document->practiceSet()
                               ? tr("Press Start for the lesson's questions about the network.")
                               : tr("Choose a seed and a level and press Start: ten questions about the network."));
    } else if (started && open) {
        QString text = tr("Question %1 of %2 (%3): ")
                           .arg(round.number())
                           .arg(round.questionCount())
                           .arg(networkWords(question())) +
                       questionText(question());
        if (kind == QuestionKind::Construct)
            text += tr(" Use the offset boxes on the left, then Check.");
        say(questionLabel, text);
    }
    if (open != wasOpen) {
        wasOpen = open;
        emit questionOpenChanged(open);
    }
}

void PracticePanel::answer(const Answer &given)
{
    const PracticeRound::Outcome outcome = round.answer(given);
    if (outcome == PracticeRound::Outcome::Ignored)
        return;
    feedbackOutcome = outcome;
    feedbackAnswer = given;
    showFeedback();
    if (outcome == PracticeRound::Outcome::Shown)
        showRoute(question(), false);
    showState();
    if (!round.isOpen())
        next->setFocus(Qt::OtherFocusReason);
}

void PracticePanel::showFeedback()
{
    QString text;
    if (feedbackOutcome != PracticeRound::Outcome::Ignored && round.started() && !round.isOver()) {
        const Question &q = question();
        const QString words = explanation(q);
        QString sentence = words;
        sentence[0] = sentence[0].toUpper();
        switch (feedbackOutcome) {
        case PracticeRound::Outcome::Right: text = tr("Right. ") + sentence; break;
        case PracticeRound::Outcome::RightOnSecondTry:
            text = tr("Right, on the second try: counted as missed. ") + sentence;
            break;
        case PracticeRound::Outcome::Hint:
            text = tr("Not quite: try once more. ") + hint(q, feedbackAnswer);
            break;
        case PracticeRound::Outcome::Shown: text = tr("Not quite: ") + words; break;
        case PracticeRound::Outcome::Ignored: break;
        }
    }
    say(feedback, text);
    // On to the next question from the button; a screen reader reads the
    // feedback with it.
    next->setAccessibleDescription(round.isOpen() ? QString() : text);
}

void PracticePanel::showRoute(const Question &q, bool again)
{
    // The explanation in the picture too: the route marked and drawn to its end.
    Question shown = q;
    if (q.kind == QuestionKind::Construct)
        shown.offsets = exampleSolution(q);
    int i = 0, j = 0;
    if (again || document->network().size() != shown.size || document->network().allOffsets() != shown.offsets)
        document->replaceNetwork(shown.network(), tr("Practice answer"));
    if (!explainedTerminal(shown, &i, &j))
        return;
    if (!document->network().terminalMark(i, j))
        document->toggleTerminal(i, j, RedBit);
    stepper->setRoute(i, j);
    stepper->last();
}

void PracticePanel::showSummary()
{
    round.stop();
    fillSummary();
    summary->setFocus(Qt::OtherFocusReason);
}

void PracticePanel::fillSummary()
{
    summary->clear();
    const auto &asked = round.questions();
    const auto byKind = round.byKind();
    summary->addItem(tr("Seed %1, %2: %3 of %4 right")
                         .arg(round.seed())
                         .arg(level->itemText(static_cast<int>(round.level())))
                         .arg(round.right())
                         .arg(asked.size()));
    for (int k = 0; k < kQuestionKinds; ++k) {
        const auto &counts = byKind[static_cast<std::size_t>(k)];
        if (counts[0] + counts[1])
            summary->addItem(tr("%1: %2 right, %3 wrong")
                                 .arg(kindName(static_cast<QuestionKind>(k)))
                                 .arg(counts[0])
                                 .arg(counts[1]));
    }
    for (std::size_t a = 0; a < asked.size(); ++a) {
        if (asked[a].right)
            continue;
        auto *item = new QListWidgetItem(tr("Missed %1: %2 (%3)")
                                             .arg(a + 1)
                                             .arg(questionText(asked[a].question))
                                             .arg(networkWords(asked[a].question)),
                                         summary);
        item->setData(Qt::UserRole, int(a));
        item->setToolTip(tr("Press Enter or double-click to see its route again"));
    }
    showState();
    say(roundOver, tr("The round is over: %1 of %2 right.").arg(round.right()).arg(asked.size()));
}

QString PracticePanel::summaryText() const
{
    QStringList lines;
    if (!student->text().trimmed().isEmpty())
        lines << tr("Student: %1").arg(student->text().trimmed());
    if (!document->title().isEmpty())
        lines << tr("Lesson: %1").arg(document->title());
    for (int r = 0; r < summary->count(); ++r)
        lines << summary->item(r)->text();
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void PracticePanel::saveSummary()
{
    const QString name = student->text().trimmed();
    const QString suggestion = QDir::home().filePath(
        (name.isEmpty() ? tr("practice") : tr("practice %1").arg(name)) + QStringLiteral(".txt"));
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Summary"), suggestion, tr("Text files (*.txt)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!writeWholeFile(path, summaryText().toUtf8(), &error))
        QMessageBox::warning(this, tr("Save Summary"),
                             tr("The summary could not be saved to %1:\n%2").arg(QDir::toNativeSeparators(path), error));
}
