#include "app/lessonnotes.h"

#include "core/networkdocument.h"
#include "core/practiceround.h"

#include <QCoreApplication>
#include <QDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QUndoStack>

#include <algorithm>

namespace {
// Longer than any line of the editor: a word this long is broken anywhere.
constexpr qsizetype kLongWord = 1000;

bool hasLongWord(const QString &text)
{
    qsizetype run = 0;
    return std::any_of(text.begin(), text.end(), [&run](QChar c) {
        run = c.isSpace() ? 0 : run + 1;
        return run > kLongWord;
    });
}
} // namespace

void editLessonNotes(NetworkDocument *document, QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("lesson_notes_dialog"));
    dialog.setWindowTitle(QCoreApplication::translate("LessonNotes", "Lesson Notes"));
    auto *form = new QFormLayout(&dialog);
    auto *title = new QLineEdit(document->title(), &dialog);
    title->setObjectName(QStringLiteral("lesson_title_edit"));
    auto *notes = new QPlainTextEdit(document->notes(), &dialog);
    notes->setObjectName(QStringLiteral("lesson_notes_text"));
    // It would be broken anywhere in the end, but looking for a word's end
    // first, line by line, took minutes for a word of a million characters.
    if (hasLongWord(document->notes()))
        notes->setWordWrapMode(QTextOption::WrapAnywhere);
    form->addRow(QCoreApplication::translate("LessonNotes", "&Title:"), title);
    form->addRow(QCoreApplication::translate("LessonNotes", "&Notes:"), notes);
    // A lesson of several scenes: the words of the scene shown, too.
    QLineEdit *sceneTitle = nullptr;
    QPlainTextEdit *sceneNotes = nullptr;
    if (document->sceneCount() > 1) {
        sceneTitle = new QLineEdit(document->sceneTitle(), &dialog);
        sceneTitle->setObjectName(QStringLiteral("scene_title_edit"));
        sceneNotes = new QPlainTextEdit(document->sceneNotes(), &dialog);
        sceneNotes->setObjectName(QStringLiteral("scene_notes_text"));
        if (hasLongWord(document->sceneNotes()))
            sceneNotes->setWordWrapMode(QTextOption::WrapAnywhere);
        form->addRow(QCoreApplication::translate("LessonNotes", "Scene %1 t&itle:").arg(document->currentScene() + 1), sceneTitle);
        form->addRow(QCoreApplication::translate("LessonNotes", "Scene %1 n&otes:").arg(document->currentScene() + 1), sceneNotes);
    }
    // The round every student of the lesson gets from Start Practice.
    const ts::PracticeSet set = document->practiceSet().value_or(ts::PracticeSet{});
    auto *practice = new QGroupBox(QCoreApplication::translate("LessonNotes", "&Practice set: the same questions for every student"), &dialog);
    practice->setObjectName(QStringLiteral("practice_set_group"));
    practice->setCheckable(true);
    practice->setChecked(document->practiceSet().has_value());
    auto *practiceForm = new QFormLayout(practice);
    auto *seed = new QSpinBox(practice);
    seed->setObjectName(QStringLiteral("practice_set_seed"));
    seed->setRange(0, int(ts::kMaxPracticeSeed));
    seed->setValue(int(set.seed.value_or(0)));
    auto *level = new QComboBox(practice);
    level->setObjectName(QStringLiteral("practice_set_level"));
    level->addItems({QCoreApplication::translate("LessonNotes", "small"), QCoreApplication::translate("LessonNotes", "medium"), QCoreApplication::translate("LessonNotes", "large")});
    level->setCurrentIndex(static_cast<int>(set.level.value_or(ts::PracticeLevel::Small)));
    auto *questions = new QSpinBox(practice);
    questions->setObjectName(QStringLiteral("practice_set_questions"));
    questions->setRange(1, ts::kMaxPracticeQuestions);
    questions->setValue(set.questions.value_or(ts::kQuestionsPerRound));
    practiceForm->addRow(QCoreApplication::translate("LessonNotes", "S&eed:"), seed);
    practiceForm->addRow(QCoreApplication::translate("LessonNotes", "&Level:"), level);
    practiceForm->addRow(QCoreApplication::translate("LessonNotes", "&Questions:"), questions);
    form->addRow(practice);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    dialog.resize(480, 480);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // One undo step for all the dialog changed.
    QUndoStack *history = document->undoStack();
    history->beginMacro(QCoreApplication::translate("LessonNotes", "Edit Lesson Notes"));
    if (sceneTitle)
        document->setLessonText(title->text(), notes->toPlainText(), sceneTitle->text(), sceneNotes->toPlainText());
    else
        document->setLessonText(title->text(), notes->toPlainText());
    std::optional<ts::PracticeSet> chosen;
    if (practice->isChecked())
        chosen = ts::PracticeSet{quint64(seed->value()), static_cast<ts::PracticeLevel>(level->currentIndex()),
                                 questions->value()};
    document->setPracticeSet(chosen);
    history->endMacro();
}
