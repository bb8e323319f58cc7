#pragma once

#include "core/network.h"

#include <QWidget>

class MarkListModel;
class NetworkDocument;
class QLabel;
class QPlainTextEdit;
class QSpinBox;

// The routes in words, beside the view: every marked terminal with its
// colours (in words and as a swatch) and its route through the families,
// the destinations and the marked switches; and a small form that marks a
// terminal or a switch from the keyboard, exactly as a click on it would.
// It follows the document, changing only the lines that changed.
class RoutesPanel : public QWidget
{
    Q_OBJECT

public:
    RoutesPanel(NetworkDocument *document, QWidget *parent);

private:
    void follow();
    void showLessonText();
    void toggleChosen(int colourBit);

    NetworkDocument *document;
    MarkListModel *routes;
    MarkListModel *summary;
    QLabel *lessonTitle;
    QPlainTextEdit *lessonNotes;
    QSpinBox *markI, *markJ, *markK;
    int describedSize = 0; // the wiring the route lines were worded for
    ts::Offsets describedOffsets{};
};
