#pragma once

#include "core/practice.h"

#include <QMainWindow>

class FigureExport;
class GLBox;
class LessonFiles;
class LiveTexts;
class PracticePanel;
class QDockWidget;
class NetworkDocument;
class QAction;
class QMenu;
class QMenuBar;
class QSpinBox;
class QWidget;

// The main window: File menu, status bar, the control column on the left
// (ControlColumn) and the sunken frame with the 3D view on the right, the
// docks and the menus of the additions. It builds and connects the parts;
// each part does its own job.
class GLObjectWindow : public QMainWindow
{
    Q_OBJECT

public:
    GLObjectWindow(QWidget *parent = nullptr, const char *name = nullptr);
    ~GLObjectWindow() override;

    NetworkDocument *document() const { return doc; }
    LessonFiles *lessonFiles() const { return files; }
    // Shows the practice dock and starts a round of questions.
    void startPractice(quint64 seed, ts::PracticeLevel level);
    FigureExport *figureExport() const { return exporter; }
    static QString keysAndMouseText();

signals:
    // After every QEvent::LanguageChange the window gets: its parts that
    // are not widgets set their texts again.
    void languageChanged();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void setSize(int n);
    void about();

private:
    void buildAdditions(QMenuBar *bar, GLBox *view, QMenu *file);
    void buildLanguageMenu(QMenu *viewMenu);
    void fitToScreen(GLBox *view);

    QSpinBox *ikSpin = nullptr;
    QSpinBox *jiSpin = nullptr;
    QSpinBox *kjSpin = nullptr;
    LiveTexts *texts = nullptr;
    NetworkDocument *doc = nullptr;
    LessonFiles *files = nullptr;
    FigureExport *exporter = nullptr;
    QDockWidget *practiceDock = nullptr;
    PracticePanel *practice = nullptr;
    QAction *undoAction = nullptr;
    QAction *redoAction = nullptr;
};
