#include "settings_window.h"

#include "platform/geometry.h"
#include "platform/no_typing.h"
#include "ui/fixed_window.h"
#include "ui/fonts.h"

#include <QAbstractItemView>
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
    QStringList names;
    for (std::string_view name : csFonts)
        names << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    for (std::string_view name : unicodeFonts)
        names << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    return names;
}

SettingsWindow::SettingsWindow(const DisplaySettings& current, QWidget* owner)
    : QDialog(owner, fixedWindowFlags), settings_(current) {
    prepareFixedWindow(*this, "settingsWindow", tr("Settings"), QSize(232, 127),
                       Qt::white); // 3480 x 1905 twips

    auto* panel = named(new QWidget(this), "settingsPanel");
    place(panel, 120, 120, 3495, 1815);
    genderBox_ =
        named(new QCheckBox(tr("Display &masculine form of Coptic number"), panel), "masculineBox");
    place(genderBox_, 0, 0, 3375, 255);
    ordinalBox_ = named(new QCheckBox(tr("Display Coptic &ordinal number"), panel), "ordinalBox");
    place(ordinalBox_, 0, 240, 3375, 255);
    // The labels carry the lists' access keys (Alt+N, Alt+Z).
    auto* fontLabel = named(new QLabel(tr("Coptic Fo&nt:"), panel), "fontLabel");
    place(fontLabel, 0, 600, 1095, 255);
    auto* sizeLabel = named(new QLabel(tr("Si&ze:"), panel), "sizeLabel");
    place(sizeLabel, 2280, 600, 615, 255);
    fontList_ = named(new QComboBox(panel), "fontList");
    fontList_->setAccessibleName(tr("Coptic font"));
    fontLabel->setBuddy(fontList_);
    place(fontList_, 0, 840, 2175, 330);
    sizeList_ = named(new QComboBox(panel), "sizeList");
    sizeList_->setAccessibleName(tr("Size"));
    sizeLabel->setBuddy(sizeList_);
    place(sizeList_, 2280, 840, 975, 330);
    auto* defaultButton = named(new QPushButton(tr("&Default"), panel), "defaultButton");
    place(defaultButton, 720, 1320, 1215, 375);
    auto* closeButton = named(new QPushButton(tr("&Close"), panel), "closeButton");
    place(closeButton, 2040, 1320, 1215, 375);
    closeButton->setDefault(true); // Enter closes, as Esc does
    NoTyping::install(fontList_);
    NoTyping::install(sizeList_);
    setTabOrder(genderBox_, ordinalBox_);
    setTabOrder(ordinalBox_, fontList_);
    setTabOrder(fontList_, sizeList_);
    setTabOrder(sizeList_, defaultButton);
    setTabOrder(defaultButton, closeButton);

    // Opening: fill the lists and show the current settings; this stores nothing.
    // Each entry holds its family; a missing font is marked but stays selectable.
    for (const QString& name : fontNames())
        fontList_->addItem(fontInstalled(name) ? name : tr("%1 (not installed)").arg(name), name);
    fontList_->view()->setMinimumWidth(fontList_->view()->sizeHintForColumn(0) + px(240));
    // The closed list shows every name whole ("CS Avva Shenouda (not installed)"):
    // where the longest does not fit, the list and what stands right of it move over.
    fontList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    if (const int extra = fontList_->sizeHint().width() - fontList_->width(); extra > 0) {
        fontList_->resize(fontList_->width() + extra, fontList_->height());
        for (QWidget* right : {static_cast<QWidget*>(sizeLabel), static_cast<QWidget*>(sizeList_),
                               static_cast<QWidget*>(defaultButton),
                               static_cast<QWidget*>(closeButton)})
            right->move(right->x() + extra, right->y());
        panel->resize(panel->width() + extra, panel->height());
        setFixedSize(width() + extra, height());
    }
    for (const int size : reportSizes())
        sizeList_->addItem(QString::number(size));
    fontList_->setCurrentIndex(fontList_->findData(QString::fromStdString(settings_.fontName)));
    sizeList_->setCurrentIndex(sizeList_->findText(QString::number(settings_.fontSize)));
    genderBox_->setChecked(settings_.masculine);
    ordinalBox_->setChecked(settings_.ordinal);

    connect(fontList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        settings_.fontName = fontList_->itemData(index).toString().toStdString();
        announce();
    });
    connect(sizeList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        bool ok = false;
        const short size = sizeList_->currentText().toShort(&ok);
        if (index >= 0 && ok) settings_.fontSize = size;
        announce();
    });
    connect(genderBox_, &QCheckBox::toggled, this, [this](bool checked) {
        settings_.masculine = checked;
        announce();
    });
    connect(ordinalBox_, &QCheckBox::toggled, this, [this](bool checked) {
        settings_.ordinal = checked;
        announce();
    });
    connect(defaultButton, &QPushButton::clicked, this, &SettingsWindow::restoreDefaults);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    keepReachable(*this);
}

void SettingsWindow::showSettings(const DisplaySettings& settings) {
    settings_ = settings;
    const QSignalBlocker quietGender(genderBox_), quietOrdinal(ordinalBox_), quietFont(fontList_),
        quietSize(sizeList_);
    genderBox_->setChecked(settings.masculine);
    ordinalBox_->setChecked(settings.ordinal);
    fontList_->setCurrentIndex(fontList_->findData(QString::fromStdString(settings.fontName)));
    sizeList_->setCurrentIndex(sizeList_->findText(QString::number(settings.fontSize)));
}

void SettingsWindow::announce() {
    emit settingsChanged(settings_);
}

void SettingsWindow::restoreDefaults() {
    // Each change raises its own handler, which stores the default and announces it.
    const DisplaySettings defaults = machineDefaults();
    genderBox_->setChecked(defaults.masculine);
    ordinalBox_->setChecked(defaults.ordinal);
    fontList_->setCurrentIndex(fontList_->findData(QString::fromStdString(defaults.fontName)));
    sizeList_->setCurrentIndex(sizeList_->findText(QString::number(defaults.fontSize)));
}

} // namespace zefnaro
