#include "figure/imagefile.h"

#include "core/wholefile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

bool writeImageFile(const QImage &image, const QString &path, QString *error)
{
    QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (format.isEmpty())
        format = "png";
    if (!QImageWriter::supportedImageFormats().contains(format)) {
        if (error)
            *error = QObject::tr("Pictures cannot be saved as \"%1\".").arg(QString::fromLatin1(format));
        return false;
    }
    // Encoded in memory, then written whole: an encoder that meets a full
    // disk half-way says no more than "Write Error".
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) {
        if (error)
            *error = writer.errorString();
        return false;
    }
    return ts::writeWholeFile(path, buffer.data(), error);
}
