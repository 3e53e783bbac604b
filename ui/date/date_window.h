// The Coptic Date window: a Gregorian day and its Coptic date side by side, either
// one editable, and the day's report in the main report's styles.
#pragma once

#include "platform/report_box.h"
#include "report/display_settings.h"
#include "zefnaro/date.h"

#include <QDate>
#include <QDialog>

#include <functional>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTextEdit;

namespace zefnaro {

class DateWindow : public QDialog {
    Q_OBJECT
public:
    // `settings` gives the main window's font and size, as they are at each change.
    DateWindow(std::function<DisplaySettings()> settings, QWidget* owner);

    QDate gregorian() const;
    CopticDate coptic() const;
    void showGregorian(const QDate& date);
    void showCoptic(CopticDate date);
    // Reads a Coptic date in any writing; false (and the reader's message shown) when
    // the text is none.
    bool readCoptic(const QString& text);
    // Composes the report again, in the settings as they are now.
    void refresh();
    const Report& report() const { return reportBox_.report(); }
    void copyAll();
    // The shown year's feasts and fasts as an iCalendar file; false (and a message)
    // when it cannot be written.
    bool saveCalendar(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void layOut();
    void gregorianChanged();
    void copticChanged();
    void display(CopticDate coptic, const QDate& gregorian);
    void listYear(int year);
    void addToCalendar();

    std::function<DisplaySettings()> settings_;
    QDateEdit* dateEdit_;
    QPushButton* todayButton_;
    QSpinBox* daySpin_;
    QComboBox* monthList_;
    QSpinBox* yearSpin_;
    QLineEdit* readBox_;
    QLabel* readMessage_;
    QTextEdit* reportEdit_;
    ReportBox reportBox_;
    QPushButton* copyButton_;
    QListWidget* yearList_; // the shown year's observances, each a way to its first day
    QPushButton* calendarButton_;
    int listedYear_ = 0;
    QPushButton* closeButton_;
    bool updating_ = false; // while one side is set from the other
};

} // namespace zefnaro
