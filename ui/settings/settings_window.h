// frmSettings: the Coptic font, the size, ordinal and gender. Every change is
// stored in the shared settings at once and the report recomputed.
#pragma once

#include "ui/settings/display_settings.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace zefnaro {

class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    // `execute` recomputes the report after each stored change.
    SettingsWindow(DisplaySettings& settings, std::function<void()> execute, QWidget* owner);

    static QStringList fontNames();
    static QStringList fontSizes();

private:
    void restoreDefaults();

    DisplaySettings& settings_;
    std::function<void()> execute_;
    QCheckBox* chkGender_;
    QCheckBox* chkOrdinal_;
    QComboBox* cboFontName_;
    QComboBox* cboFontSize_;
};

} // namespace zefnaro
