#include "ui/fonts.h"

#include <QFontDatabase>

namespace zefnaro {

namespace {

FontCheck& check() {
    static FontCheck current;
    return current;
}

} // namespace

bool fontInstalled(const QString& family) {
    if (check()) return check()(family);
    return QFontDatabase::hasFamily(family);
}

void setFontCheck(FontCheck replacement) {
    check() = std::move(replacement);
}

DisplaySettings machineDefaults() {
    return defaultSettings(fontInstalled(QString::fromUtf8(fontTextDefault)));
}

} // namespace zefnaro
