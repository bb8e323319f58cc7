#pragma once

#include <QWidget>

class GLBox;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;

// The routes in words, beside the view: every marked terminal with its
// colours (in words and as a swatch) and its route through the families,
// the destinations and the marked switches; and a small form that marks a
// terminal or a switch from the keyboard, exactly as a click on it would.
class RoutesPanel : public QWidget
{
    Q_OBJECT

public:
    RoutesPanel(GLBox *view, QWidget *parent);

private:
    void refresh();
    void toggleChosen(int colourBit);

    GLBox *view;
    QListWidget *routes;
    QPlainTextEdit *summary;
    QSpinBox *markI, *markJ, *markK;
};
