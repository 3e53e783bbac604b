#include "date_window.h"

#include "platform/colour.h"
#include "ui/window_language.h"
#include "zefnaro/church.h"
#include "engine/calendar/days.h"
#include "export/church_year.h"

#include "platform/named.h"
#include "platform/geometry.h"
#include "platform/saved_file.h"
#include "engine/say.h"
#include "report/date_report.h"
#include "ui/fixed_window.h"
#include "ui/fonts.h"

#include <QComboBox>
#include <QDateEdit>
#include <QMessageBox>
#include <QFileDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QLocale>
#include <QGridLayout>
#include <QHelpEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTextEdit>
#include <QVBoxLayout>

namespace zefnaro {

namespace {

GregorianDate fromQDate(const QDate& d) {
    return {d.year(), d.month(), d.day()};
}

QDate toQDate(GregorianDate d) {
    return QDate(d.year, d.month, d.day);
}

// The days both fields can show: from 1 Thout 1 AM to the last day a date field
// writes, 31 December 9999 (the Coptic calendar runs on to 9999 AM).
const QDate firstDay = toQDate(firstGregorianDate);
const QDate lastDay(9999, 12, 31);


} // namespace

DateWindow::DateWindow(std::function<DisplaySettings()> settings, QWidget* owner)
    : QDialog(owner, Qt::Window), settings_(std::move(settings)), dateEdit_(new QDateEdit),
      todayButton_(new QPushButton(tr("&Today"))), daySpin_(new QSpinBox), monthList_(new QComboBox),
      yearSpin_(new QSpinBox), readBox_(new QLineEdit), readMessage_(new QLabel),
      reportEdit_(new QTextEdit), reportBox_(reportEdit_), copyButton_(new QPushButton(tr("Copy &All"))),
      yearList_(new QListWidget), calendarButton_(new QPushButton(tr("Add to Ca&lendar..."))),
      closeButton_(new QPushButton(tr("&Close"))) {
    prepareFixedWindow(*this, "dateWindow", tr("Coptic Date — Zefnaro"), Qt::white);
    loadProjectFont();
    buildControls();
    layOut();
    showGregorian(QDate::currentDate());
    // Tall enough for the whole report at the main window's size, where the screen
    // has the room; the report scrolls, the window does not.
    const int width = std::max(560, sizeHint().width());
    reportEdit_->document()->setTextWidth(width - 40);
    const int report = static_cast<int>(reportEdit_->document()->size().height()) +
                       2 * reportEdit_->frameWidth() + 8;
    const int room = screen()->availableGeometry().height() - 48; // the title bar and frame
    resize(width, std::min(room, sizeHint().height() - reportEdit_->sizeHint().height() + report));
    centreOnScreen(*this);
    dateEdit_->setFocus();
}

void DateWindow::buildControls() {
    named(dateEdit_, "gregorianDateEdit", tr("Gregorian date"));
    dateEdit_->setCalendarPopup(true);
    // The weekday, the month and the digits in the window's language, whatever the
    // system's.
    const LanguageFacts& language = facts(currentLanguage());
    setLocale(QLocale(qs(language.locale)));
    dateEdit_->setDisplayFormat(QStringLiteral("dddd") + qs(language.comma) + QStringLiteral("d MMMM yyyy"));
    dateEdit_->setDateRange(firstDay, lastDay);
    named(todayButton_, "todayButton", tr("Today"));
    named(daySpin_, "copticDaySpin", tr("Coptic day"));
    named(monthList_, "copticMonthList", tr("Coptic month"));
    for (int month = 1; month <= 13; ++month) {
        const MonthName m = copticMonthName(month);
        // The name people use in the window's language, beside the Coptic.
        const std::string_view name = dates::monthName(month, currentLanguage());
        monthList_->addItem(QStringLiteral("%1 %2 · %3").arg(numberText(static_cast<std::uint32_t>(month)), qs(name), qs(m.coptic)));
    }
    named(yearSpin_, "copticYearSpin", tr("Coptic year, Anno Martyrum"));
    yearSpin_->setRange(1, toCopticDate(fromQDate(lastDay)).date.year);
    yearSpin_->setSuffix(tr(" AM"));
    named(readBox_, "copticDateBox", tr("Read a Coptic date"));
    readBox_->setPlaceholderText(tr("29 Hathor 1743, ⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅ or 1743-03-29"));
    readBox_->setFont(projectCopticFont(10));
    readMessage_->setObjectName(QStringLiteral("readMessage"));
    readMessage_->setWordWrap(true);
    QPalette red = readMessage_->palette();
    red.setColor(QPalette::WindowText, qColour(colours::error));
    readMessage_->setPalette(red);
    named(reportEdit_, "dateReport", tr("Coptic date report"));
    reportEdit_->setReadOnly(true);
    reportEdit_->viewport()->installEventFilter(this); // the numerals' letters explained
    named(copyButton_, "copyAllButton", tr("Copy All"));
    named(closeButton_, "closeButton", tr("Close"));
    named(yearList_, "churchYearList", tr("The year's feasts and fasts"));
    named(calendarButton_, "addToCalendarButton", tr("Add to Calendar"));
    // Enter reads the typed date; it presses no button after it (Escape closes).
    for (QPushButton* button : {todayButton_, copyButton_, calendarButton_, closeButton_})
        button->setAutoDefault(false);
    connect(yearList_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        showCoptic({listedYear_, item->data(Qt::UserRole).toInt(), item->data(Qt::UserRole + 1).toInt()});
    });
    connect(yearList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        showCoptic({listedYear_, item->data(Qt::UserRole).toInt(), item->data(Qt::UserRole + 1).toInt()});
    });
    connect(calendarButton_, &QPushButton::clicked, this, &DateWindow::addToCalendar);

    connect(dateEdit_, &QDateEdit::dateChanged, this, &DateWindow::gregorianChanged);
    connect(todayButton_, &QPushButton::clicked, this, [this] { showGregorian(QDate::currentDate()); });
    for (QSpinBox* spin : {daySpin_, yearSpin_})
        connect(spin, &QSpinBox::valueChanged, this, &DateWindow::copticChanged);
    connect(monthList_, &QComboBox::currentIndexChanged, this, &DateWindow::copticChanged);
    connect(readBox_, &QLineEdit::returnPressed, this, [this] { readCoptic(readBox_->text()); });
    connect(copyButton_, &QPushButton::clicked, this, &DateWindow::copyAll);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
}

void DateWindow::layOut() {
    auto* grid = new QGridLayout;
    const auto label = [](const QString& caption, QWidget* buddy) {
        auto* l = new QLabel(caption);
        l->setBuddy(buddy);
        return l;
    };
    grid->addWidget(label(tr("&Gregorian:"), dateEdit_), 0, 0);
    auto* gregorianRow = new QHBoxLayout;
    gregorianRow->addWidget(dateEdit_, 1);
    gregorianRow->addWidget(todayButton_);
    grid->addLayout(gregorianRow, 0, 1);
    grid->addWidget(label(tr("Copt&ic:"), daySpin_), 1, 0);
    auto* copticRow = new QHBoxLayout;
    copticRow->addWidget(daySpin_);
    copticRow->addWidget(monthList_, 1);
    copticRow->addWidget(yearSpin_);
    grid->addLayout(copticRow, 1, 1);
    grid->addWidget(label(tr("&Read:"), readBox_), 2, 0);
    grid->addWidget(readBox_, 2, 1);
    grid->addWidget(readMessage_, 3, 1);
    readMessage_->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(calendarButton_);
    buttons->addWidget(copyButton_);
    buttons->addWidget(closeButton_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    auto* middle = new QHBoxLayout;
    middle->addWidget(reportEdit_, 3);
    middle->addWidget(yearList_, 2);
    column->addLayout(middle, 1);
    column->addLayout(buttons);
    setTabOrder(dateEdit_, todayButton_);
    setTabOrder(todayButton_, daySpin_);
    setTabOrder(daySpin_, monthList_);
    setTabOrder(monthList_, yearSpin_);
    setTabOrder(yearSpin_, readBox_);
    setTabOrder(readBox_, reportEdit_);
    setTabOrder(reportEdit_, yearList_);
    setTabOrder(yearList_, calendarButton_);
    setTabOrder(calendarButton_, copyButton_);
    setTabOrder(copyButton_, closeButton_);
}

QDate DateWindow::gregorian() const {
    return dateEdit_->date();
}

CopticDate DateWindow::coptic() const {
    return {yearSpin_->value(), monthList_->currentIndex() + 1, daySpin_->value()};
}

void DateWindow::showGregorian(const QDate& date) {
    dateEdit_->setDate(std::clamp(date, firstDay, lastDay));
    gregorianChanged(); // also when the date was already shown: the report follows the settings
}

void DateWindow::showCoptic(CopticDate date) {
    const GregorianDateResult g = toGregorianDate(date);
    if (g.ok()) showGregorian(toQDate(g.date));
}

bool DateWindow::readCoptic(const QString& text) {
    const dates::ExplainedCopticDate explained = dates::readCopticDateExplained(text.toStdString());
    const CopticDateResult& read = explained.result;
    const QString why = qs(dates::sentence(explained.why, currentLanguage()));
    readMessage_->setVisible(!read.ok());
    readMessage_->setText(why);
    readBox_->setAccessibleDescription(why);
    if (read.ok()) showCoptic(read.date);
    return read.ok();
}

void DateWindow::gregorianChanged() {
    if (updating_) return;
    const QDate g = dateEdit_->date();
    display(toCopticDate(fromQDate(g)).date, g);
}

// A Coptic day the fields cannot hold (a day past the month's end, a year past
// the date field's last day) is brought back to the nearest one they can.
void DateWindow::copticChanged() {
    if (updating_) return;
    CopticDate c = coptic();
    c.day = std::min(c.day, copticMonthDays(c.year, c.month));
    const GregorianDateResult g = toGregorianDate(c);
    const QDate day = g.ok() ? std::min(toQDate(g.date), lastDay) : lastDay;
    display(toCopticDate(fromQDate(day)).date, day);
}

void DateWindow::display(CopticDate c, const QDate& g) {
    updating_ = true;
    dateEdit_->setDate(g);
    yearSpin_->setValue(c.year);
    monthList_->setCurrentIndex(c.month - 1);
    daySpin_->setRange(1, copticMonthDays(c.year, c.month));
    daySpin_->setValue(c.day);
    updating_ = false;
    refresh();
}

void DateWindow::refresh() {
    const Report r = composeDateReport(coptic(), settings_());
    reportBox_.setReport(r);
    const Language language = settings_().language;
    const QString said = qs(gregorianText(fromQDate(gregorian()), language)) + tr(" is ") +
                         qs(copticText(coptic(), language));
    reportEdit_->setAccessibleDescription(said);
    setAccessibleDescription(said);
    if (coptic().year != listedYear_) listYear(coptic().year);
}

// The year's feasts and fasts, each with its days, a click away from its first day.
void DateWindow::listYear(int year) {
    listedYear_ = year;
    yearList_->clear();
    const Language language = currentLanguage();
    for (const Observance& o : churchYear(year)) {
        QString days = qs(copticText(o.first, language));
        if (!(o.first == o.last)) days += QStringLiteral(" – ") + qs(copticText(o.last, language));
        auto* item = new QListWidgetItem(qs(dates::observanceName(o.id, language)) +
                                         QStringLiteral("\n") + days);
        item->setData(Qt::UserRole, o.first.month);
        item->setData(Qt::UserRole + 1, o.first.day);
        item->setToolTip(qs(gregorianText(toGregorianDate(o.first).date, language)));
        yearList_->addItem(item);
    }
}

bool DateWindow::saveCalendar(const QString& path) {
    const std::vector<Observance> year = churchYear(listedYear_);
    QString why;
    if (!calendarCanHold(year)) // its days reach 10000 AD, which calendar files cannot write
        why = qs(say(Text::cli_ics_too_late, currentLanguage(),
                     {groupedText(static_cast<std::uint32_t>(listedYear_), currentLanguage(), "")}));
    const bool saved = why.isEmpty() &&
                       saveWhole(path, QByteArray::fromStdString(churchYearCalendar(listedYear_, year, currentLanguage())),
                                 why);
    if (!saved)
        QMessageBox::warning(this, windowTitle(),
                             tr("The calendar could not be saved as %1.").arg(QDir::toNativeSeparators(path)) +
                                 (why.isEmpty() ? QString() : QStringLiteral("\n\n") + why));
    return saved;
}

void DateWindow::addToCalendar() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Add to Calendar"), tr("Coptic church year %1.ics").arg(listedYear_), tr("iCalendar (*.ics)"));
    if (!path.isEmpty()) saveCalendar(path);
}

bool DateWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == reportEdit_->viewport() && event->type() == QEvent::ToolTip)
        return reportBox_.showNumeralTip(static_cast<QHelpEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

void DateWindow::copyAll() {
    reportBox_.selectAll();
    reportBox_.copySelection();
    reportBox_.clearSelection();
}

} // namespace zefnaro
