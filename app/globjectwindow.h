#pragma once

#include "view/planefamily.h"

#include <QMainWindow>

class GLBox;
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

protected:
    bool event(QEvent *event) override;

private slots:
    void setSize(int n);
    void about();

private:
    void buildControlPanel(QWidget *column, GLBox *view);
    QSpinBox *&offsetSpin(ts::PlaneFamily family);

    QSpinBox *ikSpin = nullptr;
    QSpinBox *jiSpin = nullptr;
    QSpinBox *kjSpin = nullptr;
};
