#pragma once

#include <QByteArray>
#include <QString>

namespace ts {

// Replaces the file at `path` with `bytes`, whole or not at all: the bytes
// go to a temporary file beside it, every one of them written and synced,
// which then takes the old file's place. On failure the old file is left
// byte for byte as it was, no temporary file remains, and *error says why
// in the system's words ("cannot be saved: No space left on device"),
// without the file's name.
//
// A path that exists and is not a regular file (a folder, a device, a FIFO,
// a socket; a link to a regular file is fine) is refused untouched: saving
// over /dev/null must not turn it into a plain file.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error);

} // namespace ts
