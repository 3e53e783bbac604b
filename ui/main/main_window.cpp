#include "main_window.h"

#include "engine/numbers.h"
#include "platform/geometry.h"
#include "platform/number_box.h"
#include "platform/spinner.h"
#include "platform/window_shortcuts.h"
#include "report/report.h"
#include "ui/art/pictures.h"

#include <QEvent>
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

// The locale's thousands separator, a comma where it has none.
std::string groupSeparator() {
    const QString separator = QLocale().groupSeparator();
    return separator.isEmpty() ? std::string(",") : separator.toStdString();
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

MainWindow::MainWindow(DisplaySettings& settings, QWidget* parent)
    : QMainWindow(parent), settings_(settings), inner_(new QWidget(this)),
      txtNumber_(new NumberBox(inner_)), udToggle_(new Spinner(inner_)),
      cmdRandom_(new QPushButton(tr("&Random"), inner_)), rtDisplay_(new QTextEdit(inner_)),
      lblStatus_(new QLabel(QStringLiteral(" status bar"), inner_)), report_(rtDisplay_),
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

    txtNumber_->setObjectName(QStringLiteral("txtNumber"));
    txtNumber_->setFont(arialFont(14.25, true));
    place(txtNumber_, 120, 120, 2055, 435);

    udToggle_->setObjectName(QStringLiteral("udToggle"));
    udToggle_->setRange(0, 999'999'999);
    udToggle_->setToolTip(
        tr("Use the up and down buttons to increase or decrease the number by 1."));
    place(udToggle_, 1905, 135, 255, 405);
    udToggle_->raise();                                   // over the right end of the entry box
    txtNumber_->setTextMargins(0, 0, px(2175 - 1905), 0); // digits never run under the arrows

    cmdRandom_->setObjectName(QStringLiteral("cmdRandom"));
    place(cmdRandom_, 2280, 155, 1335, 375);

    rtDisplay_->setObjectName(QStringLiteral("rtDisplay"));
    WindowShortcutsFirst::install(rtDisplay_); // Ctrl+C and Ctrl+A are the menu's
    place(rtDisplay_, layout_.report);

    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    lblStatus_->setFont(arialFont(9, true));
    lblStatus_->setAutoFillBackground(true);
    QPalette status = lblStatus_->palette();
    status.setColor(QPalette::Window, QColor(255, 255, 192));
    status.setColor(QPalette::WindowText, QColor(0, 78, 152)); // the classic desktop blue
    lblStatus_->setPalette(status);
    place(lblStatus_, layout_.status);

    setTabOrder(txtNumber_, cmdRandom_);
    setTabOrder(cmdRandom_, rtDisplay_);

    connect(txtNumber_, &QLineEdit::textChanged, this, &MainWindow::numberChanged);
    connect(txtNumber_, &NumberBox::enterPressed, this, &MainWindow::Execute);
    connect(txtNumber_, &NumberBox::focusGained, this, [this] { selectAllText(*txtNumber_); });
    connect(udToggle_, &Spinner::valueChanged, this, &MainWindow::spinnerChanged);
    connect(cmdRandom_, &QPushButton::clicked, this, &MainWindow::getRandomNumber);
    inner_->installEventFilter(this);

    createMenus();

    // Load: the defaults, then a random number whose report exists before the
    // window is first shown.
    settings_.masculine = true;
    settings_.ordinal = false;
    settings_.fontName = "CS Copto Manuscript";
    settings_.fontSize = 16;
    getRandomNumber();

    // No minimum size: below the margins the report box keeps its last valid size.
    setMinimumSize(1, 1);
    resize(px(openingWidth), px(openingHeight) + menuBar()->sizeHint().height());
    centreOnScreen(*this);
    txtNumber_->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::numberChanged() {
    // The spinner mirrors the box; a value it cannot hold leaves it as it was.
    const double value = std::nearbyint(readNumber(txtNumber_->text().toStdString()));
    if (value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max())
        udToggle_->setValue(static_cast<int>(value));
    Execute();
}

void MainWindow::spinnerChanged(int value) {
    txtNumber_->setNumberText(QString::number(value));
    if (txtNumber_->selStart() == 0) selectAllText(*txtNumber_);
}

void MainWindow::getRandomNumber() {
    std::uniform_int_distribution<int> pick(1, 999'999'999);
    txtNumber_->setNumberText(QString::number(pick(random_)));
    selectAllText(*txtNumber_);
}

void MainWindow::Execute() {
    apply(composeReport(txtNumber_->text().toStdString(), settings_, groupSeparator()));
    emit executed();
}

void MainWindow::apply(const Report& report) {
    const auto style = [this](const FormatStep& step, int length) {
        report_.setSelStart(step.start);
        report_.setSelLength(length);
        if (step.colour) report_.setSelColour(qcolour(*step.colour));
        if (step.font) report_.setSelFont(QString::fromStdString(*step.font));
        if (step.centred) report_.setSelCentred();
        if (step.pointSize) report_.setSelPointSize(*step.pointSize);
        if (step.emphasis) report_.setSelEmphasis();
    };
    if (report.isMessage) {
        // A message stays selected, is not hidden first, and leaves the status line.
        report_.setText(QString::fromStdString(report.text));
        style(report.steps.front(), report_.length());
        return;
    }
    report_.hide();
    report_.setText(QString::fromStdString(report.text));
    bool first = true;
    for (const FormatStep& step : report.steps) {
        style(step, first ? report_.length() : step.length);
        first = false;
    }
    report_.setSelStart(0);
    report_.show();
    updateStatus();
}

void MainWindow::updateStatus() {
    lblStatus_->setText(QString::fromStdString(statusText(settings_)));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == inner_ && event->type() == QEvent::Resize) applyLayout();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::applyLayout() {
    layout_ = relayout(layout_, static_cast<float>(inner_->width()) * twipsPerPixel,
                       static_cast<float>(inner_->height()) * twipsPerPixel);
    place(rtDisplay_, layout_.report);
    place(lblStatus_, layout_.status);
}

} // namespace zefnaro
