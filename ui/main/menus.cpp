// The main window's Edit and Help menus and the commands behind them.
#include "main_window.h"
#include "menu_item.h"

#include "ui/about/about_window.h"
#include "ui/launcher.h"
#include "platform/number_box.h"
#include "ui/practice/practice_window.h"
#include "ui/settings/settings_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>

namespace zefnaro {

void MainWindow::createMenus() {
    createFileMenu();
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    copySelectedAction_ =
        item(edit, "copySelectedAction", tr("&Copy Selected"), QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(copySelectedAction_, &QAction::triggered, this, &MainWindow::copySelected);
    // Enabled only while there is something to copy: a selection in the report, or
    // in the entry box while it has the focus.
    connect(numberBox_, &QLineEdit::selectionChanged, this, &MainWindow::updateCopyAction);
    connect(reportEdit_, &QTextEdit::selectionChanged, this, &MainWindow::updateCopyAction);
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::updateCopyAction);
    updateCopyAction();
    connect(item(edit, "copyAllAction", tr("Copy &All"), QKeySequence(Qt::CTRL | Qt::Key_A)),
            &QAction::triggered, this, &MainWindow::copyAll);
    connect(item(edit, "pasteAction", tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V)),
            &QAction::triggered, this, [this] { pasteText(QGuiApplication::clipboard()->text()); });
    edit->addSeparator()->setObjectName(QStringLiteral("editSeparator"));
    connect(item(edit, "settingsAction", tr("&Settings"), QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &MainWindow::showSettings);

    createViewMenu();
    QMenu* learn = menuBar()->addMenu(tr("&Learn"));
    learn->setObjectName(QStringLiteral("learnMenu"));
    connect(item(learn, "practiceAction", tr("&Practice..."), QKeySequence(Qt::Key_F5)),
            &QAction::triggered, this, &MainWindow::showPractice);
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    connect(item(help, "helpAction", tr("Launch &Help..."), QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, [this] { launchHelp(this); });
    connect(item(help, "tutorialAction", tr("Launch &Tutorial..."), QKeySequence(Qt::Key_F2)),
            &QAction::triggered, this, [this] { launchTutorial(this); });
    connect(item(help, "licenceAction", tr("Launch &EULA..."), QKeySequence(Qt::Key_F3)),
            &QAction::triggered, this, [this] { launchEULA(this); });
    help->addSeparator()->setObjectName(QStringLiteral("helpSeparator"));
    connect(item(help, "aboutAction", tr("&About ZFN"), QKeySequence()), &QAction::triggered, this,
            &MainWindow::showAbout);
}

void MainWindow::updateCopyAction() {
    if (!copySelectedAction_) return;
    copySelectedAction_->setEnabled((numberBox_->hasFocus() && numberBox_->hasSelectedText()) ||
                                    reportEdit_->textCursor().hasSelection());
}

void MainWindow::copySelected() {
    if (numberBox_->hasFocus() && numberBox_->hasSelectedText()) {
        QGuiApplication::clipboard()->setText(numberBox_->selectedText());
        return;
    }
    reportBox_.copySelection();
    reportBox_.clearSelection();
}

// The whole report, whatever the entry box holds selected.
void MainWindow::copyAll() {
    reportBox_.selectAll();
    reportBox_.copySelection();
    reportBox_.clearSelection();
}

void MainWindow::showSettings() {
    if (!settingsWindow_) {
        settingsWindow_ = new SettingsWindow(settings_, this);
        connect(settingsWindow_, &SettingsWindow::settingsChanged, this,
                &MainWindow::applySettings);
        connect(settingsWindow_, &SettingsWindow::languageChosen, this, &MainWindow::changeLanguage);
        settingsWindow_->show();
    }
    settingsWindow_->raise();
    settingsWindow_->activateWindow();
}

void MainWindow::showPractice() {
    if (!practiceWindow_) {
        practiceWindow_ = new PracticeWindow([this] { return settings_; }, this);
        practiceWindow_->show();
    }
    practiceWindow_->raise();
    practiceWindow_->activateWindow();
}

void MainWindow::showAbout() {
    if (!aboutWindow_) {
        aboutWindow_ = new AboutWindow(this);
        aboutWindow_->show();
    }
    aboutWindow_->raise();
    aboutWindow_->activateWindow();
}

} // namespace zefnaro
