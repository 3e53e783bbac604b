#include "main_window.h"

#include "platform/geometry.h"
#include "platform/number_box.h"
#include "platform/spinner.h"
#include "platform/window_shortcuts.h"
#include "report/report.h"
#include "ui/art/pictures.h"
#include "ui/fonts.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>

#include <chrono>
#include <cmath>
#include <limits>

namespace zefnaro {

namespace {

void place(QWidget* widget, const Box& b) {
    zefnaro::place(widget, b.left, b.top, b.width, b.height);
}

QColor qcolour(const Rgb& c) {
    return QColor(c.red, c.green, c.blue);
}

std::mt19937 seededEngine() {
    std::random_device device;
    const auto clock = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{device(), device(), static_cast<unsigned>(clock),
                       static_cast<unsigned>(clock >> 32)};
    return std::mt19937(seed);
}

} // namespace

std::string localeGroupSeparator() {
    const QString separator = QLocale().groupSeparator();
    return separator.isEmpty() ? std::string(",") : separator.toStdString();
}

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), settings_(machineDefaults()), inner_(new QWidget(this)),
      numberBox_(new NumberBox(inner_)), spinner_(new Spinner(inner_)),
      randomButton_(new QPushButton(tr("&Random"), inner_)), reportEdit_(new QTextEdit(inner_)),
      statusLabel_(new QLabel(QStringLiteral(" status bar"), inner_)), reportBox_(reportEdit_),
      layout_(designLayout()), random_(seededEngine()) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zefnaro"));
    setWindowIcon(zefnaroIcon());
    inner_->setObjectName(QStringLiteral("innerArea"));
    inner_->setAutoFillBackground(true);
    QPalette white = inner_->palette();
    white.setColor(QPalette::Window, Qt::white);
    inner_->setPalette(white);
    setCentralWidget(inner_);

    numberBox_->setObjectName(QStringLiteral("txtNumber"));
    numberBox_->setFont(arialFont(14.25, true));
    place(numberBox_, 120, 120, 2055, 435);

    spinner_->setObjectName(QStringLiteral("udToggle"));
    spinner_->setRange(0, static_cast<int>(largestNumber));
    spinner_->setToolTip(
        tr("Use the up and down buttons to increase or decrease the number by 1."));
    place(spinner_, 1905, 135, 255, 405);
    spinner_->raise();                                   // over the right end of the entry box
    numberBox_->setTextMargins(0, 0, px(2175 - 1905), 0); // digits never run under the arrows

    randomButton_->setObjectName(QStringLiteral("cmdRandom"));
    place(randomButton_, 2280, 155, 1335, 375);

    reportEdit_->setObjectName(QStringLiteral("rtDisplay"));
    WindowShortcutsFirst::install(reportEdit_); // Ctrl+C and Ctrl+A are the menu's
    place(reportEdit_, layout_.report);

    statusLabel_->setObjectName(QStringLiteral("lblStatus"));
    statusLabel_->setFont(arialFont(9, true));
    statusLabel_->setAutoFillBackground(true);
    QPalette status = statusLabel_->palette();
    status.setColor(QPalette::Window, QColor(255, 255, 192));
    status.setColor(QPalette::WindowText, QColor(0, 78, 152)); // the classic desktop blue
    statusLabel_->setPalette(status);
    place(statusLabel_, layout_.status);

    setTabOrder(numberBox_, randomButton_);
    setTabOrder(randomButton_, reportEdit_);

    connect(numberBox_, &QLineEdit::textChanged, this, &MainWindow::numberChanged);
    connect(numberBox_, &NumberBox::enterPressed, this, &MainWindow::recompute);
    connect(numberBox_, &NumberBox::focusGained, this, [this] { selectAllText(*numberBox_); });
    connect(spinner_, &Spinner::valueChanged, this, &MainWindow::spinnerChanged);
    connect(randomButton_, &QPushButton::clicked, this, &MainWindow::pickRandomNumber);
    connect(numberBox_, &NumberBox::pasteRequested, this,
            [this] { pasteText(QGuiApplication::clipboard()->text()); });
    connect(numberBox_, &NumberBox::textDropped, this, &MainWindow::pasteText);
    setAcceptDrops(true);
    inner_->installEventFilter(this);

    createMenus();

    // The settings start from their defaults; a random number's report exists
    // before the window is first shown.
    pickRandomNumber();

    // No minimum size: below the margins the report box keeps its last valid size.
    setMinimumSize(1, 1);
    resize(px(openingWidth), px(openingHeight) + menuBar()->sizeHint().height());
    centreOnScreen(*this);
    numberBox_->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::numberChanged() {
    // The spinner mirrors the box; a value it cannot hold leaves it as it was.
    const double value = std::nearbyint(entryNumber(numberBox_->text().toStdString()));
    if (value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max())
        spinner_->setValue(static_cast<int>(value));
    recompute();
}

void MainWindow::spinnerChanged(int value) {
    numberBox_->setNumberText(QString::number(value));
    if (numberBox_->selStart() == 0) selectAllText(*numberBox_);
}

void MainWindow::pickRandomNumber() {
    std::uniform_int_distribution<int> pick(1, static_cast<int>(largestNumber));
    numberBox_->setNumberText(QString::number(pick(random_)));
    selectAllText(*numberBox_);
}

void MainWindow::recompute() {
    apply(composeReport(numberBox_->text().toStdString(), settings_, localeGroupSeparator()));
    emit recomputed();
}

void MainWindow::applySettings(const DisplaySettings& settings) {
    settings_ = settings;
    recompute();
}

void MainWindow::apply(const Report& report) {
    const auto style = [this](const FormatStep& step, int length) {
        reportBox_.setSelStart(step.start);
        reportBox_.setSelLength(length);
        if (step.colour) reportBox_.setSelColour(qcolour(*step.colour));
        if (step.font) reportBox_.setSelFont(QString::fromStdString(*step.font));
        if (step.centred) reportBox_.setSelCentred();
        if (step.pointSize) reportBox_.setSelPointSize(*step.pointSize);
        if (step.emphasis) reportBox_.setSelEmphasis();
        if (step.regularWeight) reportBox_.setSelRegularWeight();
    };
    if (report.isMessage) {
        // A message stays selected, is not hidden first, and leaves the status line.
        reportBox_.setText(QString::fromStdString(report.text));
        style(report.steps.front(), reportBox_.length());
        return;
    }
    reportBox_.hide();
    reportBox_.setText(QString::fromStdString(report.text));
    bool first = true;
    for (const FormatStep& step : report.steps) {
        style(step, first ? reportBox_.length() : step.length);
        first = false;
    }
    reportBox_.setSelStart(0);
    reportBox_.show();
    updateStatus();
}

void MainWindow::updateStatus() {
    statusLabel_->setText(QString::fromStdString(statusText(settings_)));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == inner_ && event->type() == QEvent::Resize) applyLayout();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::applyLayout() {
    layout_ = relayout(layout_, static_cast<float>(inner_->width()) * twipsPerPixel,
                       static_cast<float>(inner_->height()) * twipsPerPixel);
    place(reportEdit_, layout_.report);
    place(statusLabel_, layout_.status);
}

} // namespace zefnaro
