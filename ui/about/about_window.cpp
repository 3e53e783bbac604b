#include "about_window.h"

#include "platform/geometry.h"
#include "platform/link_label.h"
#include "ui/art/pictures.h"
#include "ui/fixed_window.h"
#include "ui/launcher.h"
#include "zefnaro/addresses.h"
#include "zefnaro/version.h"

#include <QLabel>
#include <QPushButton>

namespace zefnaro {

namespace {

const QColor darkRed(128, 0, 0);

QLabel* text(QWidget* parent, int element, const QString& caption, double points, bool darkRedText,
             Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QStringLiteral("lblDisplay%1").arg(element));
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
    prepareFixedWindow(*this, "frmAbout", tr("About"), QSize(547, 471), // 8205 x 7065 twips
                       QColor(255, 255, 225)); // the classic tool-tip yellow, whatever the theme

    auto* strip = new QLabel(this);
    strip->setObjectName(QStringLiteral("imgChristTeacher"));
    strip->setPixmap(renderPicture(QStringLiteral(":/art/cross.svg"), QSize(250, 471)));
    strip->setToolTip(tr("A Coptic cross under an arch, drawn for Zefnaro"));
    strip->setAccessibleName(tr("A Coptic cross under an arch"));
    strip->setAccessibleDescription(strip->toolTip());
    place(strip, 0, 0, 3750, 7065);

    place(text(this, 0, QStringLiteral("Zefnaro"), 15.75, true), 3960, 120, 4095, 375);
    place(text(this, 3, QStringLiteral("Version %1").arg(QString::fromLatin1(shortVersionText)),
               9.75, false),
          4560, 480, 1215, 255);
    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(renderPicture(QStringLiteral(":/art/icon.svg"), QSize(32, 32)));
    logo->setAccessibleName(tr("Zefnaro icon: a gold Coptic cross on a red tile"));
    place(logo, 3960, 600, 480, 480);
    place(text(this, 1, tr("Written by the Zefnaro developers for learners of Coptic."), 9, false),
          4560, 720, 3495, 495);
    place(text(this, 5,
               tr("Zefnaro is a free tool that translates English numerals into Bohairic Coptic "
                  "equivalents; both full written and numeral; masculine and feminine; cardinal "
                  "and ordinal forms."),
               9.75, true),
          3960, 1320, 4095, 1215);

    const QString web = QString::fromUtf8(addresses::webPage);
    const QString email = QString::fromUtf8(addresses::contactEmail);
    const QString fonts = QString::fromUtf8(addresses::fontsPage);
    const struct {
        int element;
        QString caption, tip;
        int left, top, width;
        bool centred;
    } links[] = {
        {3, tr("Launch Zefnaro Help"), tr("Launch help"), 4320, 2760, 3375, false},
        {1, tr("Launch Zefnaro Tutorial"), tr("Launch tutorial"), 4320, 3000, 3615, false},
        {2, tr("Launch End User License Agreement"), tr("Launch EULA"), 4320, 3240, 3255, false},
        {4, web, QStringLiteral("Goto: ") + web, 3840, 6000, 4335, true},
        {0, email, QStringLiteral("E-mail: ") + email, 4320, 6240, 3375, true},
    };
    for (const auto& l : links) {
        auto* link = new LinkLabel(l.caption, this);
        link->setObjectName(QStringLiteral("lblLink%1").arg(l.element));
        link->setToolTip(l.tip);
        if (l.centred) link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        place(link, l.left, l.top, l.width, 255);
        const int element = l.element;
        connect(link, &LinkLabel::clicked, this, [this, element] { linkClicked(element); });
    }

    place(text(this, 4,
               tr("Zefnaro is absolutely free to use and distribute. If you discover any mistakes "
                  "or have any suggestions then please contact me on the address below."),
               9.75, true, Qt::AlignHCenter | Qt::AlignTop),
          3960, 3720, 4095, 975);

    auto* banner = new ClickableImage(this);
    banner->setObjectName(QStringLiteral("imgCSFonts"));
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

    place(text(this, 2, tr("© 2026 The Zefnaro developers"), 9, false), 3960, 6540, 2895, 255);
    // The font's own licence must travel with it, and be seen.
    place(text(this, 6, tr("Zefnaro Coptic font: SIL OFL 1.1"), 7.5, false), 3960,
          6780, 2895, 240);

    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);
    place(close, 6840, 6600, 1215, 375);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    keepReachable(*this);
}

void AboutWindow::linkClicked(int element) {
    switch (element) {
    case 0:
        openExternally(QStringLiteral("mailto:") + QString::fromUtf8(addresses::contactEmail),
                       this);
        break;
    case 1:
        launchTutorial(this);
        break;
    case 2:
        launchEULA(this);
        break;
    case 3:
        launchHelp(this);
        break;
    case 4:
        openExternally(QString::fromUtf8(addresses::webPage) + QStringLiteral("/"), this);
        break;
    default:
        break;
    }
}

void AboutWindow::bannerClicked() {
    openExternally(QString::fromUtf8(addresses::fontsPage), this);
}

} // namespace zefnaro
