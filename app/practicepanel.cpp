#include "app/practicepanel.h"

#include "app/formwidgets.h"
#include "app/routestepper.h"
#include "core/networkdocument.h"
#include "view/glbox.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace ts;

namespace {
constexpr int kMaxSeed = 999999999;

QString networkWords(const Question &q)
{
    return QStringLiteral("N = %1, c1 = %2, c2 = %3, c3 = %4")
        .arg(q.size)
        .arg(q.offsets[0])
        .arg(q.offsets[1])
        .arg(q.offsets[2]);
}
} // namespace

PracticePanel::PracticePanel(NetworkDocument *document, GLBox *view, RouteStepper *stepper, QWidget *parent)
    : QWidget(parent)
    , document(document)
    , view(view)
    , stepper(stepper)
{
    auto *layout = new QVBoxLayout(this);
    auto *setup = new QHBoxLayout;
    seed = indexBox(this, "practice_seed", tr("The seed: the same seed and level give the same questions"));
    seed->setRange(0, kMaxSeed);
    level = new QComboBox(this);
    level->setObjectName(QStringLiteral("practice_level"));
    level->addItems({tr("small"), tr("medium"), tr("large")});
    level->setToolTip(tr("small: N = 3 to 5, at most one offset; medium: N = 4 to 8; large: N = 8 to 15"));
    level->setAccessibleName(level->toolTip());
    auto *seedLabel = new QLabel(tr("&Seed:"), this);
    seedLabel->setBuddy(seed);
    setup->addWidget(seedLabel);
    setup->addWidget(seed);
    setup->addWidget(level);
    QPushButton *restart = button("practice_start", tr("Start"));
    setup->addWidget(restart);
    layout->addLayout(setup);
    connect(restart, &QPushButton::clicked, this,
            [this] { start(quint64(seed->value()), static_cast<PracticeLevel>(level->currentIndex())); });

    questionLabel = headingLabel(this, "question");
    layout->addWidget(questionLabel);

    auto *form = new QGridLayout;
    answerI = indexBox(this, "answer_i", tr("Column i of your answer"));
    answerJ = indexBox(this, "answer_j", tr("Row j of your answer"));
    answerK = indexBox(this, "answer_k", tr("Level k of your answer"));
    answerLabels = addIndexRow(form, this, boxes());
    check = button("answer_check", tr("Check"));
    dies = button("answer_dies", tr("It dies"));
    form->addWidget(check, 1, 0, 1, 3);
    form->addWidget(dies, 1, 3, 1, 3);
    const char *familyNames[] = {"answer_ik", "answer_ji", "answer_kj", "answer_none"};
    // The families as the control panel titles them.
    const QString familyTexts[] = {QLatin1String(kPlaneFamilies[0].title), QLatin1String(kPlaneFamilies[1].title),
                                   QLatin1String(kPlaneFamilies[2].title), tr("none: it arrives")};
    for (int f = 0; f < 4; ++f) {
        familyButtons[f] = button(familyNames[f], familyTexts[f]);
        form->addWidget(familyButtons[f], 2 + f / 2, 3 * (f % 2), 1, 3);
        connect(familyButtons[f], &QPushButton::clicked, this, [this, f] {
            Answer a;
            a.kind = f < kPlaneFamilyCount ? Answer::Family : Answer::None;
            a.family = kAllPlaneFamilies[static_cast<std::size_t>(f % kPlaneFamilyCount)];
            answer(a);
        });
    }
    layout->addLayout(form);
    connect(dies, &QPushButton::clicked, this, [this] { answer({}); });
    connect(check, &QPushButton::clicked, this, [this] {
        Answer a;
        switch (current.kind) {
        case QuestionKind::TurnLevel:
            a.kind = Answer::Level;
            a.k = answerK->value();
            break;
        case QuestionKind::Construct:
            a.kind = Answer::Offsets;
            a.offsets = this->document->network().allOffsets();
            break;
        default:
            a.kind = Answer::Terminal;
            a.i = answerI->value();
            a.j = answerJ->value();
        }
        answer(a);
    });
    // A click on a terminal in the view answers "where" and "which terminal".
    connect(view, &GLBox::terminalClicked, this, [this](int i, int j) {
        if (current.kind != QuestionKind::Arrival && current.kind != QuestionKind::Source)
            return;
        Answer a;
        a.kind = Answer::Terminal;
        a.i = i;
        a.j = j;
        answer(a);
    });

    feedback = new QLabel(this);
    feedback->setObjectName(QStringLiteral("feedback"));
    feedback->setWordWrap(true);
    feedback->setTextInteractionFlags(Qt::TextSelectableByMouse); // a route's words, to copy into notes
    layout->addWidget(feedback);
    auto *row = new QHBoxLayout;
    score = new QLabel(this);
    score->setObjectName(QStringLiteral("score"));
    row->addWidget(score, 1);
    next = button("practice_next", tr("Next question"));
    row->addWidget(next);
    QPushButton *stop = button("practice_stop", tr("Stop"));
    row->addWidget(stop);
    layout->addLayout(row);
    connect(next, &QPushButton::clicked, this, &PracticePanel::ask);
    connect(stop, &QPushButton::clicked, this, &PracticePanel::showSummary);

    summary = new QListWidget(this);
    summary->setObjectName(QStringLiteral("practice_summary"));
    summary->setAccessibleName(tr("Summary of the round"));
    summary->setWordWrap(true);
    layout->addWidget(summary, 1);
    connect(summary, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        const int at = item->data(Qt::UserRole).toInt();
        if (at >= 0 && at < int(asked.size()))
            showRoute(asked[static_cast<std::size_t>(at)].question, true);
    });
    copy = button("copy_summary", tr("Copy Summary"));
    layout->addWidget(copy);
    connect(copy, &QPushButton::clicked, this, [this] {
        QStringList lines;
        for (int r = 0; r < summary->count(); ++r)
            lines << summary->item(r)->text();
        QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
    });
    showQuestion();
}

QPushButton *PracticePanel::button(const char *name, const QString &text)
{
    auto *b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    return b;
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
    // The seed shown is the seed used, so that Start gives the same round again.
    const quint64 used = seedValue % (kMaxSeed + 1ULL);
    seed->setValue(int(used));
    level->setCurrentIndex(static_cast<int>(levelValue));
    generator = PracticeGenerator(used, levelValue);
    asked.clear();
    summary->clear();
    ask();
}

void PracticePanel::ask()
{
    if (asked.size() >= std::size_t(kQuestionsPerRound)) {
        showSummary();
        return;
    }
    current = generator.next();
    asked.push_back({current, false});
    wrongTries = 0;
    settled = false;
    stepper->end();
    document->replaceNetwork(current.network(), tr("Practice question"));
    const int n = current.size;
    for (QSpinBox *box : {answerI, answerJ, answerK}) {
        box->setRange(0, n - 1);
        box->setValue(0);
    }
    summary->clear();
    say(feedback, QString());
    showQuestion();
}

void PracticePanel::showQuestion()
{
    const bool asking = !asked.empty();
    const QuestionKind kind = current.kind;
    const bool terminal = kind == QuestionKind::Arrival || kind == QuestionKind::Source;
    answerI->setVisible(asking && terminal);
    answerJ->setVisible(asking && terminal);
    answerK->setVisible(asking && kind == QuestionKind::TurnLevel);
    for (int b = 0; b < 3; ++b)
        answerLabels[b]->setVisible(boxes()[b]->isVisibleTo(this));
    check->setVisible(asking && kind != QuestionKind::EndingFamily);
    dies->setVisible(asking && kind != QuestionKind::EndingFamily && kind != QuestionKind::Construct);
    dies->setText(kind == QuestionKind::Source ? tr("None arrives") : tr("It dies"));
    for (QPushButton *b : familyButtons)
        b->setVisible(asking && kind == QuestionKind::EndingFamily);
    int right = 0, done = 0;
    for (const Asked &a : asked) {
        right += a.right ? 1 : 0;
        done += &a != &asked.back() || settled ? 1 : 0;
    }
    score->setText(tr("%1 of %2 right").arg(right).arg(done));
    if (!asking) {
        say(questionLabel, tr("Choose a seed and a level and press Start: ten questions about the network."));
        return;
    }
    QString text = tr("Question %1 of %2 (%3): ").arg(asked.size()).arg(kQuestionsPerRound).arg(networkWords(current)) +
                   QString::fromStdString(questionText(current));
    if (kind == QuestionKind::Construct)
        text += tr(" Use the offset boxes on the left, then Check.");
    say(questionLabel, text);
}

void PracticePanel::answer(const Answer &given)
{
    if (settled || asked.empty())
        return;
    const QString words = QString::fromStdString(explanation(current));
    if (isRight(current, given)) {
        asked.back().right = wrongTries == 0;
        settled = true;
        QString sentence = words;
        sentence[0] = sentence[0].toUpper();
        say(feedback, tr("Right. ") + sentence);
    } else if (++wrongTries == 1) {
        say(feedback, tr("Not quite: try once more. ") + QString::fromStdString(hint(current, given)));
    } else {
        settled = true;
        say(feedback, tr("Not quite: ") + words);
        showRoute(current, false);
    }
    showQuestion();
    if (settled && asked.size() >= std::size_t(kQuestionsPerRound))
        next->setText(tr("Summary"));
    else
        next->setText(tr("Next question"));
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
    summary->clear();
    settled = true;
    int right[kQuestionKinds] = {}, wrong[kQuestionKinds] = {};
    for (const Asked &a : asked)
        (a.right ? right : wrong)[static_cast<int>(a.question.kind)] += 1;
    int total = 0;
    for (int k = 0; k < kQuestionKinds; ++k)
        total += right[k];
    summary->addItem(tr("Seed %1, %2: %3 of %4 right").arg(seed->value()).arg(level->currentText()).arg(total).arg(asked.size()));
    for (int k = 0; k < kQuestionKinds; ++k)
        if (right[k] + wrong[k])
            summary->addItem(tr("%1: %2 right, %3 wrong")
                                 .arg(QString::fromStdString(kindName(static_cast<QuestionKind>(k))))
                                 .arg(right[k])
                                 .arg(wrong[k]));
    for (std::size_t a = 0; a < asked.size(); ++a) {
        if (asked[a].right)
            continue;
        auto *item = new QListWidgetItem(tr("Missed %1: %2 (%3)")
                                             .arg(a + 1)
                                             .arg(QString::fromStdString(questionText(asked[a].question)))
                                             .arg(networkWords(asked[a].question)),
                                         summary);
        item->setData(Qt::UserRole, int(a));
        item->setToolTip(tr("Press Enter or double-click to see its route again"));
    }
    say(feedback, tr("The round is over: %1 of %2 right.").arg(total).arg(asked.size()));
}
