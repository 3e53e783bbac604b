// The worksheet a teacher asks for, in one dialog: title, mode, range, forms,
// number of questions, type size and answer key, then Save as PDF or Print.
#pragma once

#include "practice/practice.h"
#include "ui/practice/worksheet_pages.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace zefnaro {

struct WorksheetRequest {
    QString title;
    PracticeOptions options;
    int count = 20;
    WorksheetLook look;
};

class WorksheetDialog : public QDialog {
    Q_OBJECT
public:
    enum Choice { cancelled, savePdf, print };
    // Starts from the Practice window's mode, range and forms; `settingsForm` is
    // the form "As in Settings" stands for.
    WorksheetDialog(const PracticeOptions& start, bool mixed, Form settingsForm, QWidget* owner);

    WorksheetRequest request() const;
    Choice choice() const { return choice_; }

private:
    void modeChanged();

    Form settingsForm_;
    Choice choice_ = cancelled;
    bool titleEdited_ = false;
    QLineEdit* titleBox_;
    QComboBox* modeList_;
    QComboBox* rangeList_;
    QComboBox* formList_;
    QSpinBox* countBox_;
    QComboBox* sizeList_;
    QCheckBox* keyCheck_;
};

} // namespace zefnaro
