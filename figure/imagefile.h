#pragma once

#include <QString>

class QImage;

// Writes a picture whole or not at all, in the format its name's suffix
// asks for (PNG when it has none). On failure an old file at the path is
// left as it was and *error says why.
bool writeImageFile(const QImage &image, const QString &path, QString *error);
