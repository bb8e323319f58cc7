#include "app/lessonfiles.h"

#include "app/livetexts.h"

#include "app/notesview.h"
#include "core/networkdocument.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

using namespace ts;

namespace {
constexpr int kRecentCount = 8;
constexpr char kRecentKey[] = "recentLessons";

QAction *item(QObject *parent, const char *name, const QKeySequence &keys = {})
{
    auto *action = new QAction(parent);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    return action;
}
} // namespace

LessonFiles::LessonFiles(QMainWindow *window, NetworkDocument *document)
    : QObject(window)
    , window(window)
    , document(document)
    , newItem(item(this, "new_lesson", QKeySequence::New))
    , openItem(item(this, "open_lesson", QKeySequence::Open))
    , recentItem(item(this, "open_recent"))
    , saveItem(item(this, "save_lesson", QKeySequence::Save))
    , saveAsItem(item(this, "save_lesson_as", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)))
    , recentMenu(new QMenu(window))
    , texts(new LiveTexts(this, window))
{
    texts->add([this] {
        newItem->setText(tr("&New"));
        openItem->setText(tr("&Open..."));
        recentItem->setText(tr("Open &Recent"));
        saveItem->setText(tr("&Save"));
        saveAsItem->setText(tr("Save &As..."));
    });
    recentMenu->setObjectName(QStringLiteral("recent_lessons"));
    recentItem->setMenu(recentMenu);
    connect(recentMenu, &QMenu::aboutToShow, this, &LessonFiles::fillRecentMenu);
    fillRecentMenu();
    // The recent files' items and the window's caption ("Untitled") too.
    texts->add([this] {
        fillRecentMenu();
        showCaption();
    });
    connect(newItem, &QAction::triggered, this, [this] {
        if (maybeSave())
            newLesson();
    });
    connect(openItem, &QAction::triggered, this, [this] {
        if (!maybeSave())
            return;
        const QString file = QFileDialog::getOpenFileName(this->window, tr("Open Lesson"), QFileInfo(path).path(),
                                                          fileFilter());
        if (!file.isEmpty())
            open(file);
    });
    connect(saveItem, &QAction::triggered, this, &LessonFiles::save);
    connect(saveAsItem, &QAction::triggered, this, &LessonFiles::saveAs);
    connect(document, &NetworkDocument::modifiedChanged, this, &LessonFiles::showCaption);
    connect(document, &NetworkDocument::lessonTextChanged, this, &LessonFiles::showCaption);
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

namespace {
QString droppedLesson(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QString file = urls.front().toLocalFile();
    return QFileInfo(file).suffix() == QLatin1String(kLessonSuffix) ? file : QString();
}
} // namespace

bool LessonFiles::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Close:
        if (!maybeSave()) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::DragEnter: {
        auto *drag = static_cast<QDragEnterEvent *>(event);
        if (!droppedLesson(drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString file = droppedLesson(drop->mimeData());
        if (!file.isEmpty()) {
            drop->acceptProposedAction();
            if (maybeSave())
                open(file);
        }
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

QStringList LessonFiles::exampleLessons()
{
    const QString folder = QStringLiteral("transpose-switch/lessons");
    QStringList places{QCoreApplication::applicationDirPath() + QStringLiteral("/../share/") + folder};
    places << QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, folder, QStandardPaths::LocateDirectory);
    places << QStringLiteral(TS_SOURCE_LESSONS); // a build that is not installed
    for (const QString &place : places) {
        QStringList found;
        for (const QFileInfo &lesson : QDir(place).entryInfoList({QStringLiteral("*.") + QLatin1String(kLessonSuffix)},
                                                                 QDir::Files, QDir::Name))
            found << lesson.absoluteFilePath();
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QMenu *LessonFiles::examplesMenu(QWidget *parent)
{
    auto *examples = new QMenu(parent);
    texts->add([examples] { examples->setTitle(tr("&Example Lessons")); });
    examples->setObjectName(QStringLiteral("example_lessons"));
    for (const QString &lesson : exampleLessons()) {
        Lesson read;
        const QString title = readLessonFile(lesson, &read, nullptr) && !read.title.isEmpty()
                                  ? read.title
                                  : QFileInfo(lesson).completeBaseName();
        connect(examples->addAction(title), &QAction::triggered, this, [this, lesson] {
            if (maybeSave())
                openCopy(lesson);
        });
    }
    examples->setEnabled(!examples->isEmpty());
    return examples;
}

QList<QAction *> LessonFiles::actions() const
{
    return {newItem, openItem, recentItem, saveItem, saveAsItem};
}

QString LessonFiles::fileFilter()
{
    return tr("Lessons (*.%1);;All files (*)").arg(QLatin1String(kLessonSuffix));
}

bool LessonFiles::open(const QString &file)
{
    QString error;
    if (open(file, &error))
        return true;
    QMessageBox::warning(window, tr("Open Lesson"), tr("The lesson could not be opened.\n%1").arg(error));
    return false;
}

bool LessonFiles::open(const QString &file, QString *error)
{
    Lesson lesson;
    if (!readLessonFile(file, &lesson, error))
        return false;
    document->open(lesson);
    setCurrentFile(file);
    return true;
}

bool LessonFiles::openCopy(const QString &file)
{
    Lesson lesson;
    QString error;
    if (!readLessonFile(file, &lesson, &error)) {
        QMessageBox::warning(window, tr("Open Lesson"), tr("The lesson could not be opened.\n%1").arg(error));
        return false;
    }
    document->open(lesson);
    path.clear();
    active = true;
    showCaption();
    return true;
}

void LessonFiles::newLesson()
{
    document->open(Lesson{});
    path.clear();
    active = false;
    showCaption();
}

bool LessonFiles::save()
{
    return path.isEmpty() ? saveAs() : saveTo(path);
}

bool LessonFiles::saveAs()
{
    QString suggestion = path;
    if (suggestion.isEmpty()) {
        const QString stem = document->title().isEmpty() ? tr("lesson") : document->title();
        suggestion = QDir::home().filePath(stem + QLatin1Char('.') + QLatin1String(kLessonSuffix));
    }
    QString file = QFileDialog::getSaveFileName(window, tr("Save Lesson"), suggestion, fileFilter());
    if (file.isEmpty())
        return false;
    if (QFileInfo(file).suffix().isEmpty())
        file += QLatin1Char('.') + QLatin1String(kLessonSuffix);
    return saveTo(file);
}

bool LessonFiles::saveTo(const QString &file)
{
    QString error;
    if (!writeLessonFile(file, document->lesson(), &error)) {
        QMessageBox::warning(window, tr("Save Lesson"), tr("The lesson could not be saved.\n%1").arg(error));
        return false;
    }
    document->markSaved();
    setCurrentFile(file);
    return true;
}

bool LessonFiles::maybeSave()
{
    if (!active || !document->isModified())
        return true;
    const QString name = shownName();
    const auto answer = QMessageBox::warning(window, tr("Unsaved Changes"),
                                             tr("The lesson \"%1\" has changes that are not saved.\n"
                                                "Save them first?")
                                                 .arg(name),
                                             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                             QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}

void LessonFiles::setCurrentFile(const QString &file)
{
    path = file;
    active = true;
    rememberRecent(file);
    showCaption();
}

void LessonFiles::showCaption()
{
    if (!active) {
        window->setWindowTitle(QString());
        window->setWindowModified(false);
        return;
    }
    window->setWindowTitle(shownName() + QStringLiteral("[*]"));
    window->setWindowModified(document->isModified());
}

QString LessonFiles::shownName() const
{
    if (!document->title().isEmpty())
        return shownTitle(document->title());
    return path.isEmpty() ? tr("Untitled") : QFileInfo(path).fileName();
}

void LessonFiles::rememberRecent(const QString &file)
{
    QSettings settings;
    QStringList recent = settings.value(kRecentKey).toStringList();
    const QString absolute = QFileInfo(file).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    settings.setValue(kRecentKey, recent.mid(0, kRecentCount));
    fillRecentMenu();
}

void LessonFiles::fillRecentMenu()
{
    QSettings settings;
    QStringList recent;
    for (const QString &file : settings.value(kRecentKey).toStringList())
        if (QFileInfo(file).isFile()) // missing files drop out
            recent << file;
    settings.setValue(kRecentKey, recent);
    recentMenu->clear();
    for (int r = 0; r < recent.size(); ++r) {
        const QString file = recent[r];
        QAction *action = recentMenu->addAction(tr("&%1 %2").arg(r + 1).arg(QDir::toNativeSeparators(file)));
        connect(action, &QAction::triggered, this, [this, file] {
            if (maybeSave())
                open(file);
        });
    }
    recentItem->setEnabled(!recent.isEmpty());
}
