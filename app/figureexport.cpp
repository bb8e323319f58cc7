#include "app/figureexport.h"

#include "view/glbox.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

ts::FigureContent viewFigureContent(const GLBox *view)
{
    ts::FigureContent content = ts::figureContent(view->document()->lesson());
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
