#pragma once

#include <QPlainTextEdit>

// The lesson's notes, read-only: they scroll, and what is selected can be
// copied. A paragraph is one block of the document and a block is laid out
// whole, every line of it, so a paragraph of a million characters took
// minutes to show. A long paragraph is shown as pieces of at most
// kPieceLength characters, each ending where a line may break; the pieces
// join again in what is copied.
class NotesView : public QPlainTextEdit
{
    Q_OBJECT

public:
    static constexpr int kPieceLength = 4096;

    explicit NotesView(QWidget *parent);

    void setNotes(const QString &notes);
    // The selected part of the notes, as they were given.
    QString selectedNotes() const;

    // As tall as the notes' lines at this width, up to kMostLines: short
    // notes leave the room to what is below them, long ones scroll.
    static constexpr int kMostLines = 12;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    QMimeData *createMimeDataFromSelection() const override;
    void resizeEvent(QResizeEvent *event) override;
};

// A title as the window shows it: whole up to kShownTitleLength characters,
// longer ones cut at a character's end with an ellipsis, so that a label
// or a caption never lays out a book.
constexpr int kShownTitleLength = 200;
QString shownTitle(const QString &title);
