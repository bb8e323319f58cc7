#include "app/lessonnotes.h"

#include "core/networkdocument.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

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
    dialog.setWindowTitle(QDialog::tr("Lesson Notes"));
    auto *form = new QFormLayout(&dialog);
    auto *title = new QLineEdit(document->title(), &dialog);
    title->setObjectName(QStringLiteral("lesson_title_edit"));
    auto *notes = new QPlainTextEdit(document->notes(), &dialog);
    notes->setObjectName(QStringLiteral("lesson_notes_text"));
    // It would be broken anywhere in the end, but looking for a word's end
    // first, line by line, took minutes for a word of a million characters.
    if (hasLongWord(document->notes()))
        notes->setWordWrapMode(QTextOption::WrapAnywhere);
    form->addRow(QDialog::tr("&Title:"), title);
    form->addRow(QDialog::tr("&Notes:"), notes);
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
        form->addRow(QDialog::tr("Scene %1 t&itle:").arg(document->currentScene() + 1), sceneTitle);
        form->addRow(QDialog::tr("Scene %1 n&otes:").arg(document->currentScene() + 1), sceneNotes);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    dialog.resize(480, 360);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (sceneTitle)
        document->setLessonText(title->text(), notes->toPlainText(), sceneTitle->text(), sceneNotes->toPlainText());
    else
        document->setLessonText(title->text(), notes->toPlainText());
}
