#include "worksheet_dialog.h"

#include "ui/window_language.h"
#include "engine/numbers.h"
#include "platform/named.h"
#include "practice/worksheet.h"

#include "ui/fonts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLocale>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zefnaro {

namespace {


} // namespace

WorksheetDialog::WorksheetDialog(const PracticeOptions& start, bool mixed, Form settingsForm,
                                 QWidget* owner)
    : QDialog(owner), settingsForm_(settingsForm), titleBox_(new QLineEdit),
      modeList_(new QComboBox), rangeList_(new QComboBox), formList_(new QComboBox),
      countBox_(new QSpinBox), sizeList_(new QComboBox), keyCheck_(new QCheckBox) {
    setObjectName(QStringLiteral("worksheetDialog"));
    setWindowTitle(tr("Worksheet"));
    named(titleBox_, "worksheetTitle");
    named(modeList_, "worksheetMode");
    named(rangeList_, "worksheetRange");
    named(formList_, "worksheetForms");
    named(countBox_, "worksheetCount");
    named(sizeList_, "worksheetSize");
    named(keyCheck_, "worksheetKey");
    for (const Ask ask : allAsks)
        modeList_->addItem(qs(modeTitle(ask, currentLanguage())), static_cast<int>(ask));
    modeList_->setCurrentIndex(modeList_->findData(static_cast<int>(start.ask)));
    for (const std::uint32_t upTo : practiceRanges)
        rangeList_->addItem(tr("up to %1").arg(numberText(upTo)), upTo);
    rangeList_->setCurrentIndex(std::max(0, rangeList_->findData(start.upTo)));
    formList_->addItem(tr("As in Settings"));
    formList_->addItem(tr("Mixed"));
    formList_->setCurrentIndex(mixed ? 1 : 0);
    countBox_->setLocale(QLocale(qs(facts(currentLanguage()).locale))); // its digits the window's
    countBox_->setRange(1, largestWorksheet);
    countBox_->setValue(worksheetCount);
    for (const int points : worksheetSizes)
        sizeList_->addItem(tr("%1 pt").arg(numberText(static_cast<std::uint32_t>(points))), points);
    sizeList_->setCurrentIndex(sizeList_->findData(worksheetSize));
    keyCheck_->setText(tr("&Answer key on pages of its own"));
    keyCheck_->setChecked(true);
    titleBox_->setMinimumWidth(360);

    auto* form = new QFormLayout;
    form->addRow(tr("&Title:"), titleBox_);
    form->addRow(tr("&Practise:"), modeList_);
    form->addRow(tr("N&umbers:"), rangeList_);
    form->addRow(tr("&Forms:"), formList_);
    form->addRow(tr("&Questions:"), countBox_);
    form->addRow(tr("Type si&ze:"), sizeList_);
    form->addRow(QString(), keyCheck_);
    // Cancel in the catalogue's words, sized by them (Qt's own, with its icon, was cut short in Arabic).
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("worksheetCancel"));
    QPushButton* save = buttons->addButton(tr("&Save as PDF..."), QDialogButtonBox::AcceptRole);
    QPushButton* printButton = buttons->addButton(tr("P&rint..."), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("worksheetSave"));
    printButton->setObjectName(QStringLiteral("worksheetPrint"));
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, [this] { choice_ = savePdf; accept(); });
    connect(printButton, &QPushButton::clicked, this, [this] { choice_ = print; accept(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(buttons);

    // The title follows the mode and range until the teacher writes one.
    connect(titleBox_, &QLineEdit::textEdited, this, [this] { titleEdited_ = true; });
    connect(modeList_, &QComboBox::currentIndexChanged, this, &WorksheetDialog::modeChanged);
    connect(rangeList_, &QComboBox::currentIndexChanged, this, &WorksheetDialog::modeChanged);
    modeChanged();
}

void WorksheetDialog::modeChanged() {
    if (!titleEdited_) titleBox_->setText(qs(worksheetTitle(request().options)));
}

WorksheetRequest WorksheetDialog::request() const {
    WorksheetRequest r;
    r.title = titleBox_->text().trimmed();
    r.options.ask = static_cast<Ask>(modeList_->currentData().toInt());
    r.options.upTo = rangeList_->currentData().toUInt();
    if (formList_->currentIndex() == 0) r.options.form = settingsForm_;
    r.options.language = currentLanguage();
    r.count = countBox_->value();
    r.look.points = sizeList_->currentData().toDouble();
    r.look.answerKey = keyCheck_->isChecked();
    return r;
}

} // namespace zefnaro
