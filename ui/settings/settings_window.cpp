#include "settings_window.h"

#include "platform/geometry.h"
#include "platform/no_typing.h"
#include "ui/fixed_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace zefnaro {

namespace {

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

QStringList SettingsWindow::fontNames() {
    return {"CS Avva Shenouda",
            "CS Pishoi",
            "CS New Athanasius",
            "CS Coptic Manuscript",
            "CS Copto Manuscript",
            "CS Koptos Manuscript",
            "CS Copt"};
}

QStringList SettingsWindow::fontSizes() {
    QStringList sizes;
    for (int size = 8; size <= 56; size += 2)
        sizes << QString::number(size);
    return sizes;
}

SettingsWindow::SettingsWindow(DisplaySettings& settings, std::function<void()> execute,
                               QWidget* owner)
    : QDialog(owner, fixedWindowFlags), settings_(settings), execute_(std::move(execute)) {
    prepareFixedWindow(*this, "frmSettings", tr("Settings"), QSize(232, 127),
                       Qt::white); // 3480 x 1905 twips

    auto* panel = named(new QWidget(this), "picBackground");
    place(panel, 120, 120, 3495, 1815);
    chkGender_ =
        named(new QCheckBox(tr("Display &masculine form of Coptic number"), panel), "chkGender");
    place(chkGender_, 0, 0, 3375, 255);
    chkOrdinal_ = named(new QCheckBox(tr("Display Coptic &ordinal number"), panel), "chkOrdinal");
    place(chkOrdinal_, 0, 240, 3375, 255);
    place(named(new QLabel(tr("Coptic Font:"), panel), "lblDisplay0"), 0, 600, 1095, 255);
    place(named(new QLabel(tr("Size:"), panel), "lblDisplay1"), 2280, 600, 615, 255);
    cboFontName_ = named(new QComboBox(panel), "cboFontName");
    place(cboFontName_, 0, 840, 2175, 330);
    cboFontSize_ = named(new QComboBox(panel), "cboFontSize");
    place(cboFontSize_, 2280, 840, 975, 330);
    auto* cmdDefault = named(new QPushButton(tr("&Default"), panel), "cmdDefault");
    place(cmdDefault, 720, 1320, 1215, 375);
    auto* cmdClose = named(new QPushButton(tr("&Close"), panel), "cmdClose");
    place(cmdClose, 2040, 1320, 1215, 375);
    cmdClose->setDefault(true); // Enter closes, as Esc does
    NoTyping::install(cboFontName_);
    NoTyping::install(cboFontSize_);
    setTabOrder(chkGender_, chkOrdinal_);
    setTabOrder(chkOrdinal_, cboFontName_);
    setTabOrder(cboFontName_, cboFontSize_);
    setTabOrder(cboFontSize_, cmdDefault);
    setTabOrder(cmdDefault, cmdClose);

    // Opening: fill the lists and show the current settings; this stores nothing.
    cboFontName_->addItems(fontNames());
    cboFontSize_->addItems(fontSizes());
    cboFontName_->setCurrentIndex(
        cboFontName_->findText(QString::fromStdString(settings_.fontName)));
    cboFontSize_->setCurrentIndex(cboFontSize_->findText(QString::number(settings_.fontSize)));
    chkGender_->setChecked(settings_.masculine);
    chkOrdinal_->setChecked(settings_.ordinal);

    connect(cboFontName_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        settings_.fontName = cboFontName_->currentText().toStdString();
        execute_();
    });
    connect(cboFontSize_, &QComboBox::currentIndexChanged, this, [this](int index) {
        bool ok = false;
        const short size = cboFontSize_->currentText().toShort(&ok);
        if (index >= 0 && ok) settings_.fontSize = size;
        execute_();
    });
    connect(chkGender_, &QCheckBox::toggled, this, [this](bool checked) {
        settings_.masculine = checked;
        execute_();
    });
    connect(chkOrdinal_, &QCheckBox::toggled, this, [this](bool checked) {
        settings_.ordinal = checked;
        execute_();
    });
    connect(cmdDefault, &QPushButton::clicked, this, &SettingsWindow::restoreDefaults);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

void SettingsWindow::restoreDefaults() {
    // Each change raises its own handler, which stores the default and recomputes.
    chkGender_->setChecked(true);
    chkOrdinal_->setChecked(false);
    cboFontName_->setCurrentIndex(4);
    cboFontSize_->setCurrentIndex(4);
}

} // namespace zefnaro
