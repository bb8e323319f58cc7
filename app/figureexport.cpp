#include "app/figureexport.h"

#include "view/glbox.h"

#include <QPainter>

ts::FigureContent viewFigureContent(const GLBox *view)
{
    ts::FigureContent content = ts::figureContent(view->document()->lesson(), view->focusOnRoutes());
    content.step = view->routeStep();
    return content;
}

QImage renderFigurePicture(GLBox *view, const ts::FigureOptions &options, const QSize &devicePixels)
{
    const ts::Figure figure(viewFigureContent(view), options, devicePixels);
    const ts::Camera &camera = figure.camera();
    QImage picture = view->renderImage(devicePixels, &figure.fit(), QSize(camera.width, camera.height));
    if (picture.isNull())
        return picture;
    picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    figure.paintOverlays(painter);
    return picture;
}
