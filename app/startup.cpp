#include "app/startup.h"

#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QtGlobal>

namespace {
void discardMessage(QtMsgType, const QMessageLogContext &, const QString &) {}
} // namespace

QSurfaceFormat viewSurfaceFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    return format;
}

bool hasOpenGL()
{
    const QtMessageHandler previous = qInstallMessageHandler(discardMessage);
    QOpenGLContext context;
    const bool created = context.create();
    qInstallMessageHandler(previous);
    return created;
}
