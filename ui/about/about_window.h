// The About window: name, version, description and the links to the documents, the web
// page, the contact address and the Coptic fonts.
#pragma once

#include <QDialog>

namespace zefnaro {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* owner);

    // What a click on link label `element` (0-4) does.
    void linkClicked(int element);
    void bannerClicked();
};

} // namespace zefnaro
