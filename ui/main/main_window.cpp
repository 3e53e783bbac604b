#include "main_window.h"

#include "platform/colour.h"
#include "ui/date/date_window.h"
#include "ui/window_language.h"

#include "platform/arial.h"
#include "platform/geometry.h"
#include "platform/locale_separator.h"
#include "platform/number_box.h"
#include "platform/spinner.h"
#include "platform/window_shortcuts.h"
#include "practice/practice.h"
#include "engine/numbers.h"
#include "report/entry.h"
#include "report/report.h"
#include "ui/art/pictures.h"
#include "ui/date/date_window.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHelpEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace zefnaro {

namespace {

std::mt19937 seededEngine() {
    std::random_device device;
    const auto clock = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{device(), device(), static_cast<unsigned>(clock),
                       static_cast<unsigned>(clock >> 32)};
    return std::mt19937(seed);
}

QPalette coloured(QPalette palette, const QColor& text, const QColor& background = {}) {
    palette.setColor(QPalette::WindowText, text);
    if (background.isValid()) palette.setColor(QPalette::Window, background);
    return palette;
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), settings_(machineDefaults()), inner_(new QWidget(this)),
      numberBox_(new NumberBox(inner_)), spinner_(new Spinner(numberBox_)),
      randomButton_(new QPushButton(tr("&Random"), inner_)), rangeList_(new QComboBox(inner_)),
      reportEdit_(new QTextEdit(inner_)),
      statusLabel_(new QLabel(QStringLiteral(" status bar"), inner_)),
      fontNotice_(new QLabel(inner_)), statusMessageTimer_(new QTimer(this)),
      reportBox_(reportEdit_), random_(seededEngine()) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(tr("Zefnaro"));
    setWindowIcon(zefnaroIcon());
    setCentralWidget(inner_);
    describeControls();
    styleControls();
    layOutControls();
    connectControls();
    createMenus();

    // The settings start from their defaults; a random number's report exists
    // before the window is first shown.
    pickRandomNumber();
    resize(openingSize());
    centreOnScreen(*this); // and within the screen, shrunk where it must be
    numberBox_->setFocus();
}

void MainWindow::describeControls() {
    inner_->setObjectName(QStringLiteral("innerArea"));
    numberBox_->setObjectName(QStringLiteral("numberBox"));
    numberBox_->setAccessibleName(tr("Number"));
    numberBox_->setAccessibleDescription(
        tr("The number to translate, up to nine digits. Up and Down step it by 1, Page Up and "
           "Page Down by 1,000."));
    spinner_->setObjectName(QStringLiteral("spinner"));
    spinner_->setAccessibleName(tr("Step the number"));
    spinner_->upButton()->setAccessibleName(tr("Increase the number by 1"));
    spinner_->downButton()->setAccessibleName(tr("Decrease the number by 1"));
    spinner_->setRange(0, static_cast<int>(largestNumber));
    spinner_->setToolTip(
        tr("Use the up and down buttons to increase or decrease the number by 1."));
    randomButton_->setObjectName(QStringLiteral("randomButton"));
    rangeList_->setObjectName(QStringLiteral("rangeList"));
    rangeList_->setAccessibleName(tr("Random numbers up to"));
    rangeList_->setToolTip(tr("How large the numbers Random picks may be"));
    for (const std::uint32_t upTo : practiceRanges)
        rangeList_->addItem(tr("up to %1").arg(numberText(upTo)), upTo);
    rangeList_->setCurrentIndex(rangeList_->count() - 1);
    reportEdit_->setObjectName(QStringLiteral("reportView"));
    reportEdit_->setAccessibleName(tr("Report"));
    reportEdit_->setAccessibleDescription(
        tr("The number in digits, English words, Coptic words, their pronunciation and Coptic "
           "numerals."));
    statusLabel_->setObjectName(QStringLiteral("statusLine"));
    statusLabel_->setAccessibleDescription(tr("The Coptic font, the size, the gender and the kind "
                                              "of number of the report"));
    fontNotice_->setObjectName(QStringLiteral("fontNotice"));
    statusMessageTimer_->setObjectName(QStringLiteral("statusMessageTimer"));
}

void MainWindow::styleControls() {
    inner_->setAutoFillBackground(true);
    inner_->setPalette(coloured(inner_->palette(), Qt::black, Qt::white)); // its own background, its own text
    numberBox_->setFont(arialFont(14.25, true));
    statusLabel_->setFont(arialFont(9, true));
    statusLabel_->setAutoFillBackground(true);
    statusLabel_->setPalette(coloured(statusLabel_->palette(), QColor(0, 78, 152), // the classic desktop blue
                                      QColor(255, 255, 192)));
    fontNotice_->setWordWrap(true);
    fontNotice_->setFont(arialFont(8, false));
    fontNotice_->setPalette(coloured(fontNotice_->palette(), qColour(colours::error)));
    fontNotice_->hide();
}

void MainWindow::layOutControls() {
    // The entry box holds nine digits and their separators beside the spinner,
    // which stands over its right end; never narrower than the window was drawn.
    constexpr int spinnerWidth = 17;
    const QFontMetrics digits(numberBox_->font());
    numberBox_->setFixedWidth(std::max(137, digits.horizontalAdvance(QString::fromUtf8(largestNumberText.data(), static_cast<qsizetype>(largestNumberText.size()))) +
                                                spinnerWidth + 12));
    numberBox_->setFixedHeight(std::max(29, numberBox_->sizeHint().height()));
    numberBox_->setTextMargins(0, 0, spinnerWidth + 1, 0); // digits never run under the arrows
    spinner_->setFixedSize(spinnerWidth, numberBox_->height() - 2);
    spinner_->move(numberBox_->width() - spinnerWidth - 1, 1);
    randomButton_->setMinimumSize(89, 25);
    statusLabel_->setFixedHeight(std::max(17, statusLabel_->sizeHint().height()));
    fontNotice_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);

    auto* entryRow = new QHBoxLayout;
    entryRow->setSpacing(7);
    entryRow->addWidget(numberBox_);
    entryRow->addWidget(randomButton_);
    entryRow->addWidget(rangeList_);
    entryRow->addSpacing(1);
    entryRow->addWidget(fontNotice_, 1); // beside the button, as wide as the report below
    entryRow->addStretch(0);             // which keeps the button at its size while it hides
    auto* column = new QVBoxLayout(inner_);
    column->setContentsMargins(8, 8, 8, 4);
    column->setSpacing(0);
    column->addLayout(entryRow);
    column->addSpacing(11);
    column->addWidget(reportEdit_, 1);
    column->addSpacing(4);
    column->addWidget(statusLabel_);
    setTabOrder(numberBox_, randomButton_);
    setTabOrder(randomButton_, rangeList_);
    setTabOrder(rangeList_, reportEdit_);
}

void MainWindow::connectControls() {
    statusMessageTimer_->setSingleShot(true);
    statusMessageTimer_->setInterval(statusMessageMilliseconds);
    connect(statusMessageTimer_, &QTimer::timeout, this, &MainWindow::updateStatus);
    WindowShortcutsFirst::install(reportEdit_); // Ctrl+C and Ctrl+A are the menu's
    connect(numberBox_, &QLineEdit::textChanged, this, &MainWindow::numberChanged);
    connect(numberBox_, &NumberBox::enterPressed, this, &MainWindow::recompute);
    connect(numberBox_, &NumberBox::focusGained, this, [this] { selectAllText(*numberBox_); });
    connect(spinner_, &Spinner::valueChanged, this, &MainWindow::spinnerChanged);
    connect(randomButton_, &QPushButton::clicked, this, &MainWindow::pickRandomNumber);
    connect(numberBox_, &NumberBox::pasteRequested, this,
            [this] { pasteText(QGuiApplication::clipboard()->text()); });
    connect(numberBox_, &NumberBox::textDropped, this, &MainWindow::pasteText);
    connect(numberBox_, &NumberBox::stepRequested, this, &MainWindow::stepNumber);
    reportEdit_->viewport()->installEventFilter(this); // Ctrl+wheel zooms; tips on the numerals
    connect(reportEdit_, &QTextEdit::cursorPositionChanged, this, &MainWindow::tellNumeralAtCaret);
    setAcceptDrops(true);
}

MainWindow::~MainWindow() {
    // Focus moves while the child widgets go; this window must hear no more of it.
    disconnect(qApp, nullptr, this, nullptr);
}

void MainWindow::numberChanged() {
    // The spinner mirrors the box; a value it cannot hold leaves it as it was.
    const double value = std::nearbyint(readNumber(numberBox_->text().toStdString()));
    if (value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max())
        spinner_->setValue(static_cast<int>(value));
    recompute();
}

void MainWindow::spinnerChanged(int value) {
    numberBox_->setNumberText(QString::number(value));
    if (numberBox_->selStart() == 0) selectAllText(*numberBox_);
}

void MainWindow::pickRandomNumber() {
    const auto upTo = rangeList_->currentData().toUInt();
    std::uniform_int_distribution<std::uint32_t> pick(1, upTo >= 1 ? upTo : largestNumber);
    numberBox_->setNumberText(QString::number(pick(random_)));
    selectAllText(*numberBox_);
}

void MainWindow::recompute() {
    apply(composeReport(numberBox_->text().toStdString(), settings_, localeGroupSeparator()));
    emit recomputed();
}

QString MainWindow::number() const {
    return numberBox_->text();
}

void MainWindow::showNumber(const QString& text) {
    numberBox_->setText(text);
}

void MainWindow::changeLanguage(Language language) {
    if (language == settings_.language) return;
    // Deferred: the Settings window that asked is still in the middle of its signal.
    QTimer::singleShot(0, qApp, [] { QApplication::exit(languageChangedStatus); });
}

void MainWindow::applySettings(const DisplaySettings& settings) {
    settings_ = settings;
    recompute();
    if (dateWindow_) dateWindow_->refresh();
}

void MainWindow::apply(const Report& report) {
    reportBox_.setReport(report);
    if (report.isMessage) {
        // A message stays selected and leaves the status line as it was.
        reportBox_.selectAll();
        return;
    }
    updateStatus();
    updateFontNotice();
}

void MainWindow::updateFontNotice() {
    const QString font = QString::fromStdString(settings_.fontName);
    const bool missing = writingFor(settings_.fontName) == Writing::fontText && !fontInstalled(font);
    if (missing) {
        fontNotice_->setText(tr("%1 is not installed, so its Coptic text is shown as plain "
                                "letters. Install the font, or choose a Unicode font such as %2 "
                                "in Settings (Ctrl+S).")
                                 .arg(font, QString::fromUtf8(projectFont)));
        fontNotice_->setAccessibleName(fontNotice_->text());
    }
    fontNotice_->setVisible(missing);
}

QSize MainWindow::openingSize() {
    // As designed, and tall enough for the whole report of a long nine-digit number
    // in the settings the window starts with; where the screen is too low for that,
    // wider (shorter lines, fewer of them), as far as the screen allows.
    inner_->resize(openingInner);
    inner_->layout()->activate();
    const int sides = openingInner.width() - reportEdit_->width() + 2 * reportEdit_->frameWidth();
    const int around = openingInner.height() - reportEdit_->height() + 2 * reportEdit_->frameWidth() +
                       2 + menuBar()->sizeHint().height();
    std::vector<std::unique_ptr<QTextEdit>> reports;
    for (const std::uint32_t n : {777'777'777U, 999'999'999U, 373'737'373U}) {
        reports.push_back(std::make_unique<QTextEdit>());
        ReportBox(reports.back().get()).setReport(composeReport(n, settings_, localeGroupSeparator()));
    }
    const auto heightAt = [&](int width) {
        qreal tallest = 0;
        for (const auto& report : reports) {
            report->document()->setTextWidth(width - sides);
            tallest = std::max(tallest, report->document()->size().height());
        }
        return std::max(openingInner.height() + menuBar()->sizeHint().height(),
                        static_cast<int>(std::ceil(tallest)) + around);
    };
    int width = openingInner.width();
    int height = heightAt(width);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {width, height};
    const QSize room = screen->availableGeometry().size() - QSize(8, 36); // frame and title bar
    if (height <= room.height() || room.width() <= width) return {width, height};
    // The report's height only falls as the window widens: the narrowest width
    // that fits, found by halving.
    int narrow = width, wide = room.width();
    if (const int widest = heightAt(wide); widest > room.height()) return {wide, widest};
    while (wide - narrow > 8) {
        const int middle = (narrow + wide) / 2;
        (heightAt(middle) <= room.height() ? wide : narrow) = middle;
    }
    return {wide, heightAt(wide)};
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Once the window manager has put its frame on, keep that inside the screen too.
    QTimer::singleShot(0, this, [this] { fitOnScreen(*this); });
}

void MainWindow::updateStatus() {
    statusMessageTimer_->stop();
    statusLabel_->setToolTip(QString());
    statusLabel_->setText(QString::fromStdString(statusText(settings_)));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == reportEdit_->viewport() && event->type() == QEvent::ToolTip)
        return reportBox_.showNumeralTip(static_cast<QHelpEvent*>(event));
    if (watched == reportEdit_->viewport() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers().testFlag(Qt::ControlModifier)) {
            if (wheel->angleDelta().y() > 0) zoomIn();
            if (wheel->angleDelta().y() < 0) zoomOut();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace zefnaro
