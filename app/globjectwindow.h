#pragma once

#include "view/planefamily.h"

#include <QMainWindow>

class GLBox;
class MarkHistory;
class QAction;
class QMenuBar;
class QSpinBox;
class QWidget;

// The main window: File menu, status bar, the control column on the left
// and the sunken frame with the 3D view on the right.
class GLObjectWindow : public QMainWindow
{
    Q_OBJECT

public:
    GLObjectWindow(QWidget *parent = nullptr, const char *name = nullptr);
    ~GLObjectWindow() override;

    MarkHistory *markHistory() const { return history; }
    // Writes the view's frame at device resolution; a failure is told in a
    // message box and leaves no file behind.
    bool saveViewImage(GLBox *view, const QString &path);
    static QString keysAndMouseText();

protected:
    bool event(QEvent *event) override;

private slots:
    void setSize(int n);
    void about();

private:
    void buildControlPanel(QWidget *column, GLBox *view);
    QSpinBox *&offsetSpin(ts::PlaneFamily family);
    void buildAdditions(QMenuBar *bar, GLBox *view, QAction *saveItem);

    QSpinBox *ikSpin = nullptr;
    QSpinBox *jiSpin = nullptr;
    QSpinBox *kjSpin = nullptr;
    MarkHistory *history = nullptr;
};
