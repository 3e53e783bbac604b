#include "settings_window.h"

#include "platform/named.h"
#include "platform/no_typing.h"
#include "ui/fixed_window.h"
#include "ui/fonts.h"
#include "ui/window_language.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zefnaro {

namespace {


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
    prepareFixedWindow(*this, "settingsWindow", tr("Settings"), Qt::white);

    auto* panel = named(new QWidget(this), "settingsPanel");
    genderBox_ =
        named(new QCheckBox(tr("Display &masculine form of Coptic number"), panel), "masculineBox");
    ordinalBox_ = named(new QCheckBox(tr("Display Coptic &ordinal number"), panel), "ordinalBox");
    // The labels carry the lists' access keys (Alt+N, Alt+Z).
    auto* fontLabel = named(new QLabel(tr("Coptic Fo&nt:"), panel), "fontLabel");
    auto* sizeLabel = named(new QLabel(tr("Si&ze:"), panel), "sizeLabel");
    fontList_ = named(new QComboBox(panel), "fontList");
    fontList_->setAccessibleName(tr("Coptic font"));
    fontLabel->setBuddy(fontList_);
    sizeList_ = named(new QComboBox(panel), "sizeList");
    sizeList_->setAccessibleName(tr("Size"));
    sizeLabel->setBuddy(sizeList_);
    // Each language by its own name, as a user who cannot read the other finds it.
    auto* languageLabel = named(new QLabel(tr("&Language:"), panel), "languageLabel");
    languageList_ = named(new QComboBox(panel), "languageList");
    languageList_->setAccessibleName(tr("Language"));
    languageList_->addItem(tr("System"), QString());
    for (const Language language : offeredLanguages)
        languageList_->addItem(qs(facts(language).ownName), qs(languageCode(language)));
    const LanguageChoice saved = savedLanguageChoice();
    languageList_->setCurrentIndex(languageList_->findData(saved ? qs(languageCode(*saved)) : QString()));
    languageLabel->setBuddy(languageList_);
    NoTyping::install(languageList_);
    auto* defaultButton = named(new QPushButton(tr("&Default"), panel), "defaultButton");
    auto* closeButton = named(new QPushButton(tr("&Close"), panel), "closeButton");
    closeButton->setDefault(true); // Enter closes, as Esc does
    NoTyping::install(fontList_);
    NoTyping::install(sizeList_);
    setTabOrder(genderBox_, ordinalBox_);
    setTabOrder(ordinalBox_, fontList_);
    setTabOrder(fontList_, sizeList_);
    setTabOrder(sizeList_, languageList_);
    setTabOrder(languageList_, defaultButton);
    setTabOrder(defaultButton, closeButton);

    // Opening: fill the lists and show the current settings; this stores nothing.
    // Each entry holds its family; a missing font is marked but stays selectable.
    for (const QString& name : fontNames())
        fontList_->addItem(fontInstalled(name) ? name : tr("%1 (not installed)").arg(name), name);
    fontList_->view()->setMinimumWidth(fontList_->view()->sizeHintForColumn(0) + 16);
    // The closed list shows every name whole ("CS Avva Shenouda (not installed)"),
    // and what stands right of it moves over.
    fontList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    fontList_->setMinimumWidth(145);
    sizeList_->setFixedWidth(65);
    for (QPushButton* button : {defaultButton, closeButton})
        button->setMinimumSize(81, 25);

    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(7);
    lists->setVerticalSpacing(0);
    for (QLabel* label : {fontLabel, sizeLabel})
        label->setMinimumHeight(16);
    lists->addWidget(fontLabel, 0, 0);
    lists->addWidget(sizeLabel, 0, 1);
    lists->addWidget(fontList_, 1, 0);
    lists->addWidget(sizeList_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(7);
    buttons->addStretch(1);
    buttons->addWidget(defaultButton);
    buttons->addWidget(closeButton);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(8, 8, 7, 6);
    column->setSpacing(0);
    column->addWidget(genderBox_);
    column->addWidget(ordinalBox_);
    column->addSpacing(3);
    column->addLayout(lists);
    column->addSpacing(6);
    auto* language = new QHBoxLayout;
    language->setSpacing(7);
    language->addWidget(languageLabel);
    language->addWidget(languageList_);
    language->addStretch(1);
    column->addLayout(language);
    column->addSpacing(10);
    column->addLayout(buttons);

    for (const int size : reportSizes())
        sizeList_->addItem(numberText(static_cast<std::uint32_t>(size)), size); // in the window's digits
    fontList_->setCurrentIndex(fontList_->findData(QString::fromStdString(settings_.fontName)));
    sizeList_->setCurrentIndex(sizeList_->findData(settings_.fontSize));
    genderBox_->setChecked(settings_.form.masculine());
    ordinalBox_->setChecked(settings_.form.ordinal());

    connect(fontList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        settings_.fontName = fontList_->itemData(index).toString().toStdString();
        announce();
    });
    connect(sizeList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        bool ok = false;
        const int size = sizeList_->currentData().toInt(&ok);
        if (index >= 0 && ok) settings_.fontSize = static_cast<short>(size);
        announce();
    });
    connect(genderBox_, &QCheckBox::toggled, this, [this](bool checked) {
        settings_.form.gender = checked ? Gender::masculine : Gender::feminine;
        announce();
    });
    connect(ordinalBox_, &QCheckBox::toggled, this, [this](bool checked) {
        settings_.form.kind = checked ? Kind::ordinal : Kind::cardinal;
        announce();
    });
    connect(languageList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        const LanguageChoice choice = languageNamed(languageList_->itemData(index).toString().toStdString());
        saveLanguageChoice(choice);
        emit languageChosen(languageOf(choice));
    });
    connect(defaultButton, &QPushButton::clicked, this, &SettingsWindow::restoreDefaults);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    fitFixedWindow(*this, panel);
}

void SettingsWindow::showSettings(const DisplaySettings& settings) {
    settings_ = settings;
    const QSignalBlocker quietGender(genderBox_), quietOrdinal(ordinalBox_), quietFont(fontList_),
        quietSize(sizeList_);
    genderBox_->setChecked(settings.form.masculine());
    ordinalBox_->setChecked(settings.form.ordinal());
    fontList_->setCurrentIndex(fontList_->findData(QString::fromStdString(settings.fontName)));
    sizeList_->setCurrentIndex(sizeList_->findData(settings.fontSize));
}

void SettingsWindow::announce() {
    emit settingsChanged(settings_);
}

void SettingsWindow::restoreDefaults() {
    // Each change raises its own handler, which stores the default and announces it.
    const DisplaySettings defaults = machineDefaults();
    genderBox_->setChecked(defaults.form.masculine());
    ordinalBox_->setChecked(defaults.form.ordinal());
    fontList_->setCurrentIndex(fontList_->findData(QString::fromStdString(defaults.fontName)));
    sizeList_->setCurrentIndex(sizeList_->findData(defaults.fontSize));
}

} // namespace zefnaro
