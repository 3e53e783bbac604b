// The main window: the number entry row, the report box and the status line.
// recompute() rebuilds the report from the entry box and the display settings.
#pragma once

#include "platform/report_box.h"
#include "report/display_settings.h"
#include "report/report.h"

#include <QMainWindow>
#include <QPointer>
#include <random>

class QComboBox;
class QLabel;
class QTimer;
class QPrinter;
class QPushButton;
class QTextEdit;

namespace zefnaro {

class AboutWindow;
class PracticeWindow;
class NumberBox;
class SettingsWindow;
class DateWindow;
class Spinner;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The inner area when the window opens, at least.
    static constexpr QSize openingInner{647, 664};
    static constexpr int statusMessageMilliseconds = 6000;

    // What the application's loop ends with when a new language was chosen: the
    // window is made again in it (see app/main.cpp).
    static constexpr int languageChangedStatus = 7;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The number box's text, and a text put there as if typed: what a window made
    // again in another language starts from.
    QString number() const;
    void showNumber(const QString& text);

    void recompute();
    void pickRandomNumber();
    void updateStatus();
    void copySelected();
    void copyAll();
    void showSettings();
    void showAbout();
    void showPractice();
    void showDates();
    // Reads a pasted or dropped text as a written number: its digits go into the
    // entry box, and an ordinal or feminine form it shows into the settings. Text
    // that is no written number is pasted into the box as it is.
    void pasteText(const QString& text);

    // Steps the number as the spinner does, kept within its range.
    void stepNumber(int by);
    // The report size one step up or down the Settings list, or back to the default.
    void zoomIn();
    void zoomOut();
    void zoomReset();
    // Writes the report as HTML, OpenDocument text or PDF, chosen by the file's
    // suffix; false (and a message) when it cannot be written.
    bool saveReport(const QString& path);
    void printReport(QPrinter& printer);

    const DisplaySettings& settings() const { return settings_; }
    // Stores new settings and recomputes the report with them.
    void applySettings(const DisplaySettings& settings);
    // Ends the application's loop so the window is made again in the chosen language;
    // nothing when the windows speak it already.
    void changeLanguage(Language language);

    ReportBox& reportBox() { return reportBox_; }

signals:
    void recomputed(); // after every report or message

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void numberChanged();
    void spinnerChanged(int value);
    void describeControls();
    void styleControls();
    void layOutControls();
    void connectControls();
    void updateFontNotice();
    void tellNumeralAtCaret();
    void updateCopyAction();
    // A message in the status line for a few seconds, told to screen readers too.
    void showStatusMessage(const QString& message);
    void apply(const Report& report);
    void createMenus();
    QSize openingSize();
    void createFileMenu();
    void createViewMenu();
    void setReportSize(int points);
    void saveReportAs();
    void printReportWithDialog();

    DisplaySettings settings_;
    QWidget* inner_;
    NumberBox* numberBox_;
    Spinner* spinner_;
    QPushButton* randomButton_;
    QComboBox* rangeList_; // how large Random's numbers may be
    QTextEdit* reportEdit_;
    QLabel* statusLabel_;
    QLabel* fontNotice_; // why the Coptic lines show Latin letters, when they do
    QAction* copySelectedAction_ = nullptr;
    QTimer* statusMessageTimer_;
    ReportBox reportBox_;
    std::mt19937 random_;
    QPointer<SettingsWindow> settingsWindow_;
    QPointer<AboutWindow> aboutWindow_;
    QPointer<PracticeWindow> practiceWindow_;
    QPointer<DateWindow> dateWindow_;
};

} // namespace zefnaro
