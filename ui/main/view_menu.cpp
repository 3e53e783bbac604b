// The main window's View menu (the report's size) and the keyboard stepping of
// the number.
#include "main_window.h"
#include "menu_item.h"

#include "platform/spinner.h"
#include "ui/date/date_window.h"
#include "ui/settings/settings_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <vector>

namespace zefnaro {

void MainWindow::createViewMenu() {
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("viewMenu"));
    QAction* in = item(view, "zoomInAction", tr("Zoom &In"), QKeySequence(QKeySequence::ZoomIn));
    // Ctrl+= too: on most keyboards "+" needs Shift.
    in->setShortcuts({QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(in, &QAction::triggered, this, &MainWindow::zoomIn);
    connect(item(view, "zoomOutAction", tr("Zoom &Out"), QKeySequence(QKeySequence::ZoomOut)),
            &QAction::triggered, this, &MainWindow::zoomOut);
    connect(item(view, "actualSizeAction", tr("&Actual Size"), QKeySequence(Qt::CTRL | Qt::Key_0)),
            &QAction::triggered, this, &MainWindow::zoomReset);
    view->addSeparator()->setObjectName(QStringLiteral("viewSeparator"));
    connect(item(view, "copticDateAction", tr("Coptic &Date..."), QKeySequence(Qt::CTRL | Qt::Key_D)),
            &QAction::triggered, this, &MainWindow::showDates);
}

void MainWindow::showDates() {
    if (!dateWindow_) {
        dateWindow_ = new DateWindow([this] { return settings_; }, this);
        dateWindow_->show();
    }
    dateWindow_->raise();
    dateWindow_->activateWindow();
}

void MainWindow::stepNumber(int by) {
    const long wanted = static_cast<long>(spinner_->value()) + by;
    spinner_->setValue(
        static_cast<int>(std::clamp<long>(wanted, spinner_->minimum(), spinner_->maximum())));
}

void MainWindow::setReportSize(int points) {
    if (points == settings_.fontSize) return;
    DisplaySettings changed = settings_;
    changed.fontSize = static_cast<std::int16_t>(points);
    applySettings(changed);
    if (settingsWindow_) settingsWindow_->showSettings(changed);
}

void MainWindow::zoomIn() {
    const std::vector<int> sizes = reportSizes();
    const auto next = std::upper_bound(sizes.begin(), sizes.end(), settings_.fontSize);
    if (next != sizes.end()) setReportSize(*next);
}

void MainWindow::zoomOut() {
    const std::vector<int> sizes = reportSizes();
    const auto next = std::lower_bound(sizes.begin(), sizes.end(), settings_.fontSize);
    if (next != sizes.begin()) setReportSize(*(next - 1));
}

void MainWindow::zoomReset() {
    setReportSize(DisplaySettings{}.fontSize);
}

} // namespace zefnaro
