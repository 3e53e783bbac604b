#include "ui/fonts.h"

#include "ui/window_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

namespace zefnaro {

namespace {

FontCheck& check() {
    static FontCheck current;
    return current;
}

} // namespace

QString projectFontFile() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QString::fromUtf8(projectFontPath.data(), qsizetype(projectFontPath.size())));
}

bool loadProjectFont() {
    static const bool loaded = [] {
        // -1 where it is not there: installed elsewhere?
        QFontDatabase::addApplicationFont(projectFontFile());
        return QFontDatabase::hasFamily(QString::fromUtf8(projectFont));
    }();
    return loaded;
}

bool fontInstalled(const QString& family) {
    if (check()) return check()(family);
    return QFontDatabase::hasFamily(family);
}

void setFontCheck(FontCheck replacement) {
    check() = std::move(replacement);
}

DisplaySettings machineDefaults() {
    loadProjectFont();
    DisplaySettings settings = defaultSettings(fontInstalled(QString::fromUtf8(fontTextDefault)));
    settings.language = currentLanguage();
    return settings;
}

QFont projectCopticFont(double points) {
    QFont font(qs(projectFont));
    font.setPointSizeF(points);
    return font;
}

} // namespace zefnaro
