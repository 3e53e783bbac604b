// The Settings window: the Coptic font, the size, ordinal and gender. Every change
// is announced at once with the whole new settings; the owner applies them.
#pragma once

#include "report/display_settings.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace zefnaro {

class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    // Opens showing `current`; announces nothing until the user changes something.
    SettingsWindow(const DisplaySettings& current, QWidget* owner);

    // Shows settings changed elsewhere, announcing nothing.
    void showSettings(const DisplaySettings& settings);

    static QStringList fontNames();

signals:
    void settingsChanged(const zefnaro::DisplaySettings& settings);
    // A language chosen (and kept for the next start): the one the choice means.
    void languageChosen(zefnaro::Language language);

private:
    void restoreDefaults();
    void announce();

    DisplaySettings settings_;
    QCheckBox* genderBox_;
    QCheckBox* ordinalBox_;
    QComboBox* fontList_;
    QComboBox* sizeList_;
    QComboBox* languageList_;
};

} // namespace zefnaro
