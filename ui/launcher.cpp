#include "ui/launcher.h"

#include "ui/fonts.h"
#include "ui/window_language.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace zefnaro {

const CompanionDocument helpDocument{
    "ZFN Help v1.htm", QT_TRANSLATE_NOOP("Launcher", "The help file (ZFN Help v1.htm) could not be found in the root folder.")};
const CompanionDocument tutorialDocument{
    "ZFN Tutorial v1.pdf",
    QT_TRANSLATE_NOOP("Launcher", "The tutorial file (ZFN Tutorial v1.pdf) could not be found in the root folder.")};
const CompanionDocument eulaDocument{
    "EULA.TXT",
    QT_TRANSLATE_NOOP("Launcher", "The End User License Agreement file (EULA.TXT) could not be found in the root folder.")};

bool shellOpen(const QString& target) {
    const QUrl url = QDir::isAbsolutePath(target) ? QUrl::fromLocalFile(target) : QUrl(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool openExternally(const QString& target, QWidget* parent) {
    if (shellOpen(target)) return true;
    const QString shown = QDir::isAbsolutePath(target) ? QDir::toNativeSeparators(target) : target;
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(),
                    QApplication::translate("Launcher",
                                            "Nothing on this computer could open %1.\n\nYou can "
                                            "copy it and open it yourself.")
                        .arg(shown),
                    QMessageBox::NoButton, parent ? parent : QApplication::activeWindow());
    box.setObjectName(QStringLiteral("openFailedMessage"));
    QPushButton* copy =
        box.addButton(QApplication::translate("Launcher", "&Copy"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Close);
    box.setDefaultButton(copy);
    box.exec();
    if (box.clickedButton() == copy) QGuiApplication::clipboard()->setText(shown);
    return false;
}

bool fileExists(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    file.close();
    return true;
}

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

namespace {

QString pathOf(const QString& folder, const QString& name) {
    const QString beside = folder + QDir::separator() + name;
    if (fileExists(beside)) return beside;
    const QString installed = QDir::cleanPath(folder + QStringLiteral("/../share/zefnaro/") + name);
    return fileExists(installed) ? QDir::toNativeSeparators(installed) : beside;
}

} // namespace

QString documentPath(const QString& folder, const CompanionDocument& document) {
    const QString name = QString::fromUtf8(document.name);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString inLanguage = name.left(dot) + QLatin1Char(' ') + qs(languageCode(currentLanguage())) + name.mid(dot);
    if (currentLanguage() != defaultLanguage)
        if (const QString path = pathOf(folder, inLanguage); fileExists(path)) return path;
    return pathOf(folder, name);
}

void launchDocument(const CompanionDocument& document, const QString& folder, QWidget* parent) {
    const QString path = documentPath(folder, document);
    if (!fileExists(path)) {
        QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(),
                        QCoreApplication::translate("Launcher", document.missingMessage), QMessageBox::Ok,
                        parent ? parent : QApplication::activeWindow());
        box.setObjectName(QStringLiteral("missingDocumentMessage"));
        box.exec();
        return;
    }
    openExternally(path, parent);
}

void launchHelp(QWidget* parent) {
    launchDocument(helpDocument, programFolder(), parent);
}
void launchTutorial(QWidget* parent) {
    launchDocument(tutorialDocument, programFolder(), parent);
}
void launchEULA(QWidget* parent) {
    launchDocument(eulaDocument, programFolder(), parent);
}

} // namespace zefnaro
