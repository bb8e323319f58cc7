#pragma once

#include "figure/figure.h"
#include "figure/figurefile.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

class GLBox;
class LessonFiles;
class QAction;
class QWidget;

// What the view shows, as a figure: its document, focus and stepped route.
ts::FigureContent viewFigureContent(const GLBox *view);

// The figure as a picture drawn by GL, exactly as the screen draws the
// model, with the caption, legend and labels painted over it; null, and
// *error saying why, where GL cannot draw it off screen.
QImage renderFigurePicture(GLBox *view, const ts::FigureOptions &options, const QSize &devicePixels, QString *error);

// The one way a figure is written, from the Export dialog and from the
// command line: its format by the name's suffix and its size in pixels
// (millimetres for PDF). A picture as on screen is drawn by GL where there
// is a view (then content is the view's), anything else as vectors of
// content. Whole or not at all; false and *error saying why.
bool writeFigureFile(const QString &path, const ts::FigureContent &content, const ts::FigureOptions &options,
                     const QSizeF &size, GLBox *view, QString *error);

// The window's export: File → Export Image... (a dialog, then a file name)
// and Edit → Copy Image, the view's picture on the clipboard.
class FigureExport : public QObject
{
    Q_OBJECT

public:
    FigureExport(GLBox *view, LessonFiles *files, QWidget *window);

    QAction *exportAction() const { return exportItem; }
    QAction *copyAction() const { return copyItem; }
    QAction *handoutAction() const { return handoutItem; }
    // Writes the lesson's scenes as a handout (see writeHandout); a failure
    // is told in a message box.
    bool exportHandout(const QString &path, ts::FigureFormat format, const ts::FigureOptions &options,
                       const QSizeF &size);
    // Writes a figure of what the view shows; a failure is told in a
    // message box and leaves no file behind.
    bool exportFigure(const QString &path, const ts::FigureOptions &options, const QSizeF &size);

private:
    void exportImage();
    void askForHandout();

    GLBox *view;
    LessonFiles *files;
    QWidget *window;
    QAction *exportItem;
    QAction *copyItem;
    QAction *handoutItem;
};
