#pragma once

#include <QString>

class QImage;

// Writes a picture whole or not at all: through QSaveFile, in the format its
// name's suffix asks for (PNG when it has none). On failure nothing is left
// at the path and *error says why.
bool writeImageFile(const QImage &image, const QString &path, QString *error);
