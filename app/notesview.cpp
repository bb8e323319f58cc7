#include "app/notesview.h"

#include <QResizeEvent>
#include <QTextBlock>

#include <algorithm>

#include <QMimeData>
#include <QTextBlock>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <memory>

namespace {
constexpr int kContinues = 1; // the block's user state: no line break before it

bool endsBlock(QChar c)
{
    // What QTextCursor::insertText turns into a new block.
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator;
}

// The last place at most length code units into text where a character
// ends; inside a character longer than that (a letter under a thousand
// marks), between two code points.
qsizetype characterEnd(const QString &text, qsizetype length)
{
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    characters.setPosition(length);
    const qsizetype end = characters.isAtBoundary() ? length : characters.toPreviousBoundary();
    if (end > 0)
        return end;
    return text[length].isLowSurrogate() ? length - 1 : length;
}

// Where a piece of text that starts at from may end: the last place at most
// length characters on where a line may break, or, with none in the second
// half, where a character ends.
qsizetype pieceEnd(const QString &text, qsizetype from, qsizetype length)
{
    const QString window = text.mid(from, length + 1); // the next character decides a break
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, window);
    breaks.setPosition(length);
    const qsizetype end = breaks.isAtBoundary() ? length : breaks.toPreviousBoundary();
    return from + (end > length / 2 ? end : characterEnd(window, length));
}
} // namespace

NotesView::NotesView(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    setReadOnly(true);
    // Selected by keyboard too, so that copying needs no mouse.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    document()->setUndoRedoEnabled(false);
}

void NotesView::setNotes(const QString &notes)
{
    clear();
    QTextCursor cursor(document());
    cursor.beginEditBlock(); // the layout hears of it once
    qsizetype from = 0;      // the first character not yet inserted
    qsizetype blockFrom = 0; // where the block being filled starts
    for (qsizetype c = 0; c < notes.size(); ++c) {
        if (endsBlock(notes[c])) {
            blockFrom = c + 1;
        } else if (c - blockFrom >= kPieceLength) {
            const qsizetype end = pieceEnd(notes, blockFrom, kPieceLength);
            cursor.insertText(notes.mid(from, end - from));
            cursor.insertBlock();
            cursor.block().setUserState(kContinues);
            from = blockFrom = end;
        }
    }
    cursor.insertText(notes.mid(from));
    cursor.endEditBlock();
    moveCursor(QTextCursor::Start);
    updateGeometry();
}

QSize NotesView::sizeHint() const
{
    // Counted from the text, not the layout, which is made only when shown.
    const QFontMetrics metrics(font());
    const int width = std::max(1, viewport()->width() - 2 * int(document()->documentMargin()));
    int lines = 0;
    for (QTextBlock block = document()->begin(); block.isValid() && lines < kMostLines; block = block.next())
        lines += 1 + metrics.horizontalAdvance(block.text().left(kMostLines * 200)) / width;
    lines = std::clamp(lines, 1, kMostLines);
    const int frame = 2 * frameWidth() + 2 * int(document()->documentMargin());
    return {QPlainTextEdit::sizeHint().width(), lines * metrics.lineSpacing() + frame};
}

QSize NotesView::minimumSizeHint() const
{
    const int frame = 2 * frameWidth() + 2 * int(document()->documentMargin());
    return {QPlainTextEdit::minimumSizeHint().width(), QFontMetrics(font()).lineSpacing() + frame};
}

void NotesView::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        updateGeometry(); // lines wrap anew
}

QString NotesView::selectedNotes() const
{
    const QTextCursor selection = textCursor();
    const int start = selection.selectionStart(), end = selection.selectionEnd();
    QString text;
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() <= end;
         block = block.next()) {
        if (block.position() > start && block.userState() != kContinues)
            text += QLatin1Char('\n');
        const int from = std::max(start - block.position(), 0);
        const int to = std::min(end - block.position(), block.length() - 1);
        text += block.text().mid(from, to - from);
    }
    return text;
}

QMimeData *NotesView::createMimeDataFromSelection() const
{
    auto data = std::make_unique<QMimeData>();
    data->setText(selectedNotes());
    return data.release(); // the clipboard or the drag takes it
}

QString shownTitle(const QString &title)
{
    if (title.size() <= kShownTitleLength)
        return title;
    return title.left(characterEnd(title.left(kShownTitleLength + 1), kShownTitleLength)) + QChar(0x2026);
}
