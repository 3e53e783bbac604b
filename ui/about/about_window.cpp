#include "about_window.h"
#include "platform/arial.h"

#include "platform/geometry.h"
#include "platform/link_label.h"
#include "ui/art/pictures.h"
#include "ui/fixed_window.h"
#include "ui/launcher.h"
#include "zefnaro/addresses.h"
#include "zefnaro/version.h"

#include <QLabel>
#include <QPushButton>

#include <functional>

namespace zefnaro {

namespace {

const QColor darkRed(128, 0, 0);

QLabel* text(QWidget* parent, const char* name, const QString& caption, double points,
             bool darkRedText, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(arialFont(points, true));
    label->setWordWrap(true);
    label->setAlignment(alignment);
    if (darkRedText) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, darkRed);
        label->setPalette(p);
    }
    return label;
}

} // namespace

AboutWindow::AboutWindow(QWidget* owner) : QDialog(owner, fixedWindowFlags) {
    prepareFixedWindow(*this, "aboutWindow", tr("About"), QSize(547, 471), // 8205 x 7065 twips
                       QColor(255, 255, 225)); // the classic tool-tip yellow, whatever the theme

    auto* strip = new QLabel(this);
    strip->setObjectName(QStringLiteral("crossPicture"));
    strip->setPixmap(renderPicture(QStringLiteral(":/art/cross.svg"), QSize(250, 471)));
    strip->setToolTip(tr("A Coptic cross under an arch, drawn for Zefnaro"));
    strip->setAccessibleName(tr("A Coptic cross under an arch"));
    strip->setAccessibleDescription(strip->toolTip());
    place(strip, 0, 0, 3750, 7065);

    place(text(this, "titleText", QStringLiteral("Zefnaro"), 15.75, true), 3960, 120, 4095, 375);
    place(text(this, "versionText", QStringLiteral("Version %1").arg(QString::fromLatin1(shortVersionText)),
               9.75, false),
          4560, 480, 1215, 255);
    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(renderPicture(QStringLiteral(":/art/icon.svg"), QSize(32, 32)));
    logo->setAccessibleName(tr("Zefnaro icon: a gold Coptic cross on a red tile"));
    place(logo, 3960, 600, 480, 480);
    place(text(this, "authorText", tr("Written by the Zefnaro developers for learners of Coptic."), 9, false),
          4560, 720, 3495, 495);
    place(text(this, "descriptionText",
               tr("Zefnaro is a free tool that translates English numerals into Bohairic Coptic "
                  "equivalents; both full written and numeral; masculine and feminine; cardinal "
                  "and ordinal forms."),
               9.75, true),
          3960, 1320, 4095, 1215);

    const QString web = QString::fromUtf8(addresses::webPage);
    const QString email = QString::fromUtf8(addresses::contactEmail);
    const QString fonts = QString::fromUtf8(addresses::fontsPage);
    const struct {
        const char* name;
        QString caption, tip;
        int left, top, width;
        bool centred;
        std::function<void()> action;
    } links[] = {
        {"helpLink", tr("Launch Zefnaro Help"), tr("Launch help"), 4320, 2760, 3375, false,
         [this] { launchHelp(this); }},
        {"tutorialLink", tr("Launch Zefnaro Tutorial"), tr("Launch tutorial"), 4320, 3000, 3615,
         false, [this] { launchTutorial(this); }},
        {"licenceLink", tr("Launch End User License Agreement"), tr("Launch EULA"), 4320, 3240,
         3255, false, [this] { launchEULA(this); }},
        {"webLink", web, QStringLiteral("Goto: ") + web, 3840, 6000, 4335, true,
         [this, web] { openExternally(web + QStringLiteral("/"), this); }},
        {"emailLink", email, QStringLiteral("E-mail: ") + email, 4320, 6240, 3375, true,
         [this, email] { openExternally(QStringLiteral("mailto:") + email, this); }},
    };
    for (const auto& l : links) {
        auto* link = new LinkLabel(l.caption, this);
        link->setObjectName(QString::fromLatin1(l.name));
        link->setToolTip(l.tip);
        if (l.centred) link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        place(link, l.left, l.top, l.width, 255);
        connect(link, &LinkLabel::clicked, this, l.action);
    }

    place(text(this, "feedbackText",
               tr("Zefnaro is absolutely free to use and distribute. If you discover any mistakes "
                  "or have any suggestions then please contact me on the address below."),
               9.75, true, Qt::AlignHCenter | Qt::AlignTop),
          3960, 3720, 4095, 975);

    auto* banner = new ClickableImage(this);
    banner->setObjectName(QStringLiteral("fontsBanner"));
    banner->setFrameShape(QFrame::Box);
    banner->setLineWidth(1);
    banner->setAlignment(Qt::AlignCenter);
    banner->setPixmap(renderPicture(QStringLiteral(":/art/banner.svg"), QSize(275, 55)));
    banner->setCursor(Qt::PointingHandCursor);
    banner->setToolTip(QStringLiteral("Goto: ") + fonts);
    banner->setAccessibleName(tr("CS Coptic fonts"));
    banner->setAccessibleDescription(tr("Opens the page where the CS Coptic fonts can be had: ") +
                                     fonts);
    place(banner, 3960, 4920, 4155, 855);
    connect(banner, &ClickableImage::clicked, this, &AboutWindow::bannerClicked);

    place(text(this, "copyrightText", tr("© 2026 The Zefnaro developers"), 9, false), 3960, 6540, 2895, 255);
    // The font's own licence must travel with it, and be seen.
    place(text(this, "fontLicenceText", tr("Zefnaro Coptic font: SIL OFL 1.1"), 7.5, false), 3960,
          6780, 2895, 240);

    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    place(close, 6840, 6600, 1215, 375);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    keepReachable(*this);
}

void AboutWindow::bannerClicked() {
    openExternally(QString::fromUtf8(addresses::fontsPage), this);
}

} // namespace zefnaro
