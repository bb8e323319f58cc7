#pragma once

#include <QObject>
#include <QString>

class LiveTexts;
class NetworkDocument;
class QAction;
class QMainWindow;
class QMenu;

// The lesson files of one window: New, Open, Open Recent, Save and Save As,
// the example lessons, a lesson dropped on the window, the window's caption
// with its modified marker, and the question before unsaved changes are
// lost (also when the window is closed). Until a lesson is opened or saved
// the window has no caption and nothing is asked.
class LessonFiles : public QObject
{
    Q_OBJECT

public:
    LessonFiles(QMainWindow *window, NetworkDocument *document);

    // The File menu's items, in their order, for the window to place.
    QList<QAction *> actions() const;

    const QString &currentFile() const { return path; }
    // Opens a lesson; on failure says why in a message box (interactive) or
    // in *error, and changes nothing.
    bool open(const QString &file);
    bool open(const QString &file, QString *error);
    // Opens a lesson as an untitled copy: its title and content, no file
    // name, so that Save asks where (for the examples, which are not the
    // user's to change).
    bool openCopy(const QString &file);
    bool save();
    bool saveAs();
    // Asks Save, Discard or Cancel when an opened or saved lesson has
    // unsaved changes; false means the user chose to stay.
    bool maybeSave();
    void newLesson();

    static QString fileFilter();
    // The lessons that come with the program, wherever it was installed.
    static QStringList exampleLessons();
    // Help → Example Lessons: each opens as an untitled copy.
    QMenu *examplesMenu(QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setCurrentFile(const QString &file);
    void showCaption();
    QString shownName() const;
    void rememberRecent(const QString &file);
    void fillRecentMenu();
    bool saveTo(const QString &file);

    QMainWindow *window;
    NetworkDocument *document;
    QString path;
    bool active = false; // a lesson was opened or saved
    QAction *newItem, *openItem, *recentItem, *saveItem, *saveAsItem;
    QMenu *recentMenu;
    LiveTexts *texts;
};
