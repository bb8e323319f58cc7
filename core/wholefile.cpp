#include "core/wholefile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace ts {

namespace {
bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

QString cannotSave(const QFileDevice &file)
{
    return QObject::tr("cannot be saved: %1").arg(file.errorString());
}
} // namespace

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    if (path.isEmpty())
        return fail(error, QObject::tr("the file name is empty"));
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return fail(error, target.isDir() ? QObject::tr("is a folder, not a file") : QObject::tr("is not a regular file"));

    QSaveFile file(path);
    // Unbuffered: a buffered tail that only fails when the file is closed
    // would be committed as if it had been written.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(error, cannotSave(file));
    qint64 written = 0;
    while (written < bytes.size()) {
        // A short write is a full disk or a size limit: the next one says
        // which, in the system's words.
        const qint64 w = file.write(bytes.constData() + written, bytes.size() - written);
        if (w <= 0) {
            const QString why = cannotSave(file);
            file.cancelWriting();
            return fail(error, why);
        }
        written += w;
    }
#ifdef Q_OS_UNIX
    // Where space is given only at write-back, a full disk shows here.
    if (::fsync(file.handle()) != 0) {
        const QString why = QObject::tr("cannot be saved: %1").arg(qt_error_string(errno));
        file.cancelWriting();
        return fail(error, why);
    }
#endif
    if (!file.commit())
        return fail(error, cannotSave(file));
    return true;
}

} // namespace ts
