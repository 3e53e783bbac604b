// frmMain: the number entry row, the report box and the status line. Execute
// rebuilds the report from the entry box and the shared display settings.
#pragma once

#include "platform/report_box.h"
#include "ui/main/layout.h"
#include "ui/settings/display_settings.h"

#include <QMainWindow>
#include <QPointer>
#include <random>

class QLabel;
class QPushButton;
class QTextEdit;

namespace zefnaro {

class AboutWindow;
class NumberBox;
class SettingsWindow;
class Spinner;
struct Report;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Inner area when the window opens, in twips.
    static constexpr float openingWidth = 9705;
    static constexpr float openingHeight = 9960;

    explicit MainWindow(DisplaySettings& settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    void Execute();
    void getRandomNumber();
    void updateStatus();
    void copySelected();
    void copyAll();
    void showSettings();
    void showAbout();

    DisplaySettings& settings() const { return settings_; }
    ReportBox& reportBox() { return report_; }
    const MainLayout& currentLayout() const { return layout_; }

signals:
    void executed(); // after every report or message

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void numberChanged();
    void spinnerChanged(int value);
    void applyLayout();
    void apply(const Report& report);
    void createMenus();

    DisplaySettings& settings_;
    QWidget* inner_;
    NumberBox* txtNumber_;
    Spinner* udToggle_;
    QPushButton* cmdRandom_;
    QTextEdit* rtDisplay_;
    QLabel* lblStatus_;
    ReportBox report_;
    MainLayout layout_;
    std::mt19937 random_;
    QPointer<SettingsWindow> settingsWindow_;
    QPointer<AboutWindow> aboutWindow_;
};

} // namespace zefnaro
