// A file written whole or not at all: into a temporary file beside it, renamed over
// it only once every byte is written, so that a full disk or an unwritable folder
// leaves no half-written file and is said.
#pragma once

#include <QIODevice>
#include <QString>

#include <functional>

namespace zefnaro {

// `write` writes the file's bytes to the device and says whether it could; false and
// `why` (the system's words) where the file could not be written.
bool saveWhole(const QString& path, const std::function<bool(QIODevice&)>& write, QString& why);

// The bytes, whole or not at all.
bool saveWhole(const QString& path, const QByteArray& bytes, QString& why);

} // namespace zefnaro
