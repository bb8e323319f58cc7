#include "app/figureexport.h"

#include "app/livetexts.h"

#include "app/exportdialog.h"
#include "app/lessonfiles.h"
#include "figure/figurefile.h"
#include "figure/handout.h"
#include "figure/imagefile.h"
#include "view/glbox.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QSettings>

#include <algorithm>

ts::FigureContent viewFigureContent(const GLBox *view)
{
    const NetworkDocument *document = view->document();
    ts::FigureContent content = ts::figureContent(document->lesson(), document->currentScene());
    content.presentation = view->document()->presentation()->value();
    return content;
}

QImage renderFigurePicture(GLBox *view, const ts::FigureOptions &options, const QSize &devicePixels, QString *error)
{
    const int largest = view->largestPictureSide();
    if (std::max(devicePixels.width(), devicePixels.height()) > largest) {
        *error = QCoreApplication::translate("Export", "OpenGL here draws pictures of at most %1 \u00d7 %1 pixels; "
                                                       "a larger one can be exported for print or as SVG or PDF.")
                     .arg(largest);
        return {};
    }
    const ts::Figure figure(viewFigureContent(view), options, devicePixels);
    const ts::Camera &camera = figure.camera();
    QImage picture = view->renderImage(devicePixels, &figure.fit(), QSize(camera.width, camera.height));
    if (picture.isNull()) {
        *error = QCoreApplication::translate("Export", "The picture could not be drawn off screen.");
        return picture;
    }
    picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    figure.paintOverlays(painter);
    return picture;
}

bool writeFigureFile(const QString &path, const ts::FigureContent &content, const ts::FigureOptions &options,
                     const QSizeF &size, GLBox *view, QString *error)
{
    if (view && ts::figureFormat(path) == ts::FigureFormat::Picture &&
        options.background == ts::FigureBackground::Screen) {
        const QImage picture = renderFigurePicture(view, options, size.toSize(), error);
        return !picture.isNull() && writeImageFile(picture, path, error);
    }
    return ts::writeFigure(path, content, options, size, error);
}

FigureExport::FigureExport(GLBox *view, LessonFiles *files, QWidget *window)
    : QObject(window)
    , view(view)
    , files(files)
    , window(window)
{
    exportItem = new QAction(this);
    exportItem->setObjectName(QStringLiteral("export_image"));
    exportItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(exportItem, &QAction::triggered, this, &FigureExport::exportImage);

    handoutItem = new QAction(this);
    handoutItem->setObjectName(QStringLiteral("export_handout"));
    connect(handoutItem, &QAction::triggered, this, &FigureExport::askForHandout);

    copyItem = new QAction(this);
    auto *texts = new LiveTexts(this, window);
    texts->add([this] {
        exportItem->setText(tr("&Export Image..."));
        handoutItem->setText(tr("Export &Handout..."));
        handoutItem->setToolTip(tr("Every scene of the lesson: a PDF of a page each, or a folder of pictures"));
        copyItem->setText(tr("&Copy Image"));
    });
    copyItem->setObjectName(QStringLiteral("copy_image"));
    copyItem->setShortcut(QKeySequence::Copy);
    // Ctrl+C copies the picture while the view has the keyboard focus, and
    // elsewhere what is selected there, as in any program; the menu item
    // copies the picture from anywhere.
    copyItem->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    view->addAction(copyItem);
    connect(copyItem, &QAction::triggered, this,
            [view] { QGuiApplication::clipboard()->setImage(view->grabFramebuffer()); });
}

void FigureExport::exportImage()
{
    ExportDialog dialog(view->size() * view->devicePixelRatio(), window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString filters[] = {tr("PNG pictures (*.png);;Other pictures (*.jpg *.bmp *.ppm)"), tr("SVG drawings (*.svg)"),
                               tr("PDF documents (*.pdf)")};
    const QString suffix = ExportDialog::suffix(dialog.format());
    const QString lesson = files->currentFile();
    const QString base = lesson.isEmpty() ? QStringLiteral("transpose-switch") : QFileInfo(lesson).completeBaseName();
    QSettings settings;
    const QString folder = settings.value(QStringLiteral("export/folder"), QDir::homePath()).toString();
    QString path = QFileDialog::getSaveFileName(window, tr("Export Image"),
                                                QDir(folder).filePath(base + QLatin1Char('.') + suffix),
                                                filters[static_cast<int>(dialog.format())] + tr(";;All files (*)"));
    if (path.isEmpty())
        return;
    settings.setValue(QStringLiteral("export/folder"), QFileInfo(path).absolutePath());
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + suffix;
    // The name's suffix has the last word on the format.
    exportFigure(path, dialog.figureOptions(), dialog.figureSize(ts::figureFormat(path)));
}

void FigureExport::askForHandout()
{
    ExportDialog dialog(view->size() * view->devicePixelRatio(), window, ExportDialog::Handout);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ts::FigureFormat format = dialog.format();
    const QString lesson = files->currentFile();
    const QString base = lesson.isEmpty() ? QStringLiteral("transpose-switch") : QFileInfo(lesson).completeBaseName();
    QSettings settings;
    const QString folder = settings.value(QStringLiteral("export/folder"), QDir::homePath()).toString();
    QString path;
    if (format == ts::FigureFormat::Pdf) {
        path = QFileDialog::getSaveFileName(window, tr("Export Handout"),
                                            QDir(folder).filePath(base + tr(" handout") + QStringLiteral(".pdf")),
                                            tr("PDF documents (*.pdf)") + tr(";;All files (*)"));
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".pdf");
    } else {
        path = QFileDialog::getExistingDirectory(window, tr("Export Handout: the folder for its files"), folder);
    }
    if (path.isEmpty())
        return;
    settings.setValue(QStringLiteral("export/folder"), format == ts::FigureFormat::Pdf ? QFileInfo(path).absolutePath() : path);
    exportHandout(path, format, dialog.figureOptions(), dialog.figureSize(format));
}

bool FigureExport::exportHandout(const QString &path, ts::FigureFormat format, const ts::FigureOptions &options,
                                 const QSizeF &size)
{
    QString error;
    const bool written = ts::writeHandout(path, format, view->document()->lesson(), options, size, nullptr, &error);
    if (!written)
        QMessageBox::warning(window, tr("Export Handout"),
                             tr("The handout could not be exported to %1:\n%2").arg(QDir::toNativeSeparators(path), error));
    return written;
}

bool FigureExport::exportFigure(const QString &path, const ts::FigureOptions &options, const QSizeF &size)
{
    QString error;
    const bool written = writeFigureFile(path, viewFigureContent(view), options, size, view, &error);
    if (!written)
        QMessageBox::warning(window, tr("Export Image"),
                             tr("The picture could not be exported to %1:\n%2").arg(QDir::toNativeSeparators(path), error));
    return written;
}
