#include "saved_file.h"

#include <QBuffer>
#include <QSaveFile>

namespace zefnaro {

bool saveWhole(const QString& path, const QByteArray& bytes, QString& why) {
    QSaveFile file(path);
    // Unbuffered: a write the disk refuses part way is seen at that write (buffered,
    // Qt's flush at commit can miss a short write and call the file whole).
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        why = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        why = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) { // the rename
        why = file.errorString();
        return false;
    }
    return true;
}

bool saveWhole(const QString& path, const std::function<bool(QIODevice&)>& write, QString& why) {
    // Made in memory first: a writer such as QPdfWriter does not say when its device
    // refused a write, so the bytes are handed over only once they are all made.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!write(buffer)) return false;
    return saveWhole(path, buffer.data(), why);
}

} // namespace zefnaro
