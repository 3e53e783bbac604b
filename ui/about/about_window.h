// The About window: name, version, description and the links to the documents, the web
// page, the contact address and the Coptic fonts.
#pragma once

#include <QDialog>

namespace zefnaro {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* owner);

    // Opens the CS fonts' page, as a click on the banner does.
    void bannerClicked();
};

} // namespace zefnaro
