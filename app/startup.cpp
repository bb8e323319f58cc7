#include "app/startup.h"

#include <QFont>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QtGlobal>

namespace {
constexpr int kApplicationFontPixels = 12;

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

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("transpose-switch"));
    QCoreApplication::setOrganizationName(QStringLiteral("transpose-switch"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TS_VERSION));
}

ProgramApplication::SurfaceFormatFirst::SurfaceFormatFirst()
{
    QSurfaceFormat::setDefaultFormat(viewSurfaceFormat());
}

ProgramApplication::ProgramApplication(int &argc, char **argv)
    : app(argc, argv)
{
    nameApplication();
    QFont font;
    font.setPixelSize(kApplicationFontPixels);
    QApplication::setFont(font);
}
