#include "about_window.h"

#include "platform/named.h"
#include "platform/arial.h"
#include "platform/link_label.h"
#include "ui/art/pictures.h"
#include "ui/fixed_window.h"
#include "ui/launcher.h"
#include "zefnaro/addresses.h"
#include "zefnaro/version.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>
#include <vector>

namespace zefnaro {

namespace {

const QColor darkRed(128, 0, 0);

QLabel* text(QWidget* parent, const char* name, const QString& caption, double points,
             bool darkRedText, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = named(new QLabel(caption, parent), name);
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

// Each text keeps at least the room the window was drawn with, and takes more
// where a larger font or a longer translation needs it.
template <typename T> T* roomy(T* widget, int height) {
    widget->setMinimumHeight(height);
    return widget;
}

} // namespace

AboutWindow::AboutWindow(QWidget* owner) : QDialog(owner, fixedWindowFlags) {
    prepareFixedWindow(*this, "aboutWindow", tr("About"),
                       QColor(255, 255, 225)); // the classic tool-tip yellow, whatever the theme
    auto* content = new QWidget(this);
    content->setObjectName(QStringLiteral("aboutPanel"));

    auto* strip = new QLabel(content);
    strip->setObjectName(QStringLiteral("crossPicture"));
    strip->setPixmap(renderPicture(QStringLiteral(":/art/cross.svg"), QSize(250, 471)));
    strip->setToolTip(tr("A Coptic cross under an arch, drawn for Zefnaro"));
    strip->setAccessibleName(tr("A Coptic cross under an arch"));
    strip->setAccessibleDescription(strip->toolTip());
    strip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    strip->setFixedWidth(250);

    auto* logo = new QLabel(content);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(renderPicture(QStringLiteral(":/art/icon.svg"), QSize(32, 32)));
    logo->setAccessibleName(tr("Zefnaro icon: a gold Coptic cross on a red tile"));
    logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    logo->setContentsMargins(0, 8, 0, 0); // level with the author's line
    auto* heading = new QVBoxLayout;
    heading->setSpacing(0);
    heading->addWidget(roomy(
        text(content, "versionText",
             tr("Version %1").arg(QString::fromLatin1(shortVersionText)), 9.75, false),
        16));
    heading->addWidget(roomy(text(content, "authorText",
                                  tr("Written by the Zefnaro developers for learners of Coptic."),
                                  9, false),
                             33));
    auto* byline = new QHBoxLayout;
    byline->setSpacing(8);
    byline->addWidget(logo, 0, Qt::AlignTop);
    byline->addLayout(heading, 1);

    const QString web = QString::fromUtf8(addresses::webPage);
    const QString email = QString::fromUtf8(addresses::contactEmail);
    const QString fonts = QString::fromUtf8(addresses::fontsPage);
    const struct {
        const char* name;
        QString caption, tip;
        std::function<void()> action;
    } links[] = {
        {"helpLink", tr("Launch Zefnaro Help"), tr("Launch help"), [this] { launchHelp(this); }},
        {"tutorialLink", tr("Launch Zefnaro Tutorial"), tr("Launch tutorial"),
         [this] { launchTutorial(this); }},
        {"licenceLink", tr("Launch End User License Agreement"), tr("Launch EULA"),
         [this] { launchEULA(this); }},
        {"webLink", web, tr("Goto: %1").arg(web),
         [this, web] { openExternally(web + QStringLiteral("/"), this); }},
        {"emailLink", email, tr("E-mail: %1").arg(email),
         [this, email] { openExternally(QStringLiteral("mailto:") + email, this); }},
    };
    std::vector<LinkLabel*> made;
    for (const auto& l : links) {
        auto* link = roomy(new LinkLabel(l.caption, content), 16);
        link->setObjectName(QString::fromLatin1(l.name));
        link->setToolTip(l.tip);
        connect(link, &LinkLabel::clicked, this, l.action);
        made.push_back(link);
    }
    auto* documents = new QVBoxLayout;
    documents->setContentsMargins(24, 0, 0, 0); // set in under the description
    documents->setSpacing(0);
    for (int i = 0; i < 3; ++i)
        documents->addWidget(made[static_cast<std::size_t>(i)], 0, Qt::AlignLeft);

    auto* banner = new ClickableImage(content);
    banner->setObjectName(QStringLiteral("fontsBanner"));
    banner->setFrameShape(QFrame::Box);
    banner->setLineWidth(1);
    banner->setAlignment(Qt::AlignCenter);
    banner->setPixmap(renderPicture(QStringLiteral(":/art/banner.svg"), QSize(275, 55)));
    banner->setFixedHeight(57);
    banner->setCursor(Qt::PointingHandCursor);
    banner->setToolTip(tr("Goto: %1").arg(fonts));
    banner->setAccessibleName(tr("CS Coptic fonts"));
    banner->setAccessibleDescription(tr("Opens the page where the CS Coptic fonts can be had: ") +
                                     fonts);
    connect(banner, &ClickableImage::clicked, this, &AboutWindow::bannerClicked);

    auto* notices = new QVBoxLayout;
    notices->setSpacing(0);
    notices->addWidget(text(content, "copyrightText", tr("© 2026 The Zefnaro developers"), 9, false));
    // The font's own licence must travel with it, and be seen.
    notices->addWidget(
        text(content, "fontLicenceText", tr("Zefnaro Coptic font: SIL OFL 1.1"), 7.5, false));
    auto* close = new QPushButton(tr("&Close"), content);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    close->setMinimumSize(81, 25);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* foot = new QHBoxLayout;
    foot->addLayout(notices, 1);
    foot->addWidget(close, 0, Qt::AlignBottom);

    // The texts beside the picture, in a column as wide as the window was drawn.
    auto* column = new QVBoxLayout;
    column->setContentsMargins(14, 8, 10, 6);
    column->setSpacing(0);
    column->addWidget(roomy(text(content, "titleText", tr("Zefnaro"), 15.75, true), 24));
    column->addLayout(byline);
    column->addSpacing(7);
    column->addWidget(roomy(text(content, "descriptionText",
                                 tr("Zefnaro is a free tool that translates English numerals into "
                                    "Bohairic Coptic equivalents; both full written and numeral; "
                                    "masculine and feminine; cardinal and ordinal forms."),
                                 9.75, true),
                            81));
    column->addSpacing(15);
    column->addLayout(documents);
    column->addSpacing(15);
    column->addWidget(roomy(text(content, "feedbackText",
                                 tr("Zefnaro is absolutely free to use and distribute. If you "
                                    "discover any mistakes or have any suggestions then please "
                                    "contact me on the address below."),
                                 9.75, true, Qt::AlignHCenter | Qt::AlignTop),
                            65));
    column->addSpacing(15);
    column->addWidget(banner);
    column->addSpacing(15);
    for (int i = 3; i < 5; ++i)
        column->addWidget(made[static_cast<std::size_t>(i)], 0, Qt::AlignHCenter);
    column->addStretch(1);
    column->addLayout(foot);
    auto* columnBox = new QWidget(content);
    columnBox->setLayout(column);
    // As wide as drawn, or as the widest link where a language's words are longer.
    int widest = 297;
    for (std::size_t i = 0; i < made.size(); ++i)
        widest = std::max(widest, made[i]->sizeHint().width() + (i < 3 ? 24 : 0) + 24);
    columnBox->setFixedWidth(widest);

    auto* whole = new QHBoxLayout(content);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->setSpacing(0);
    whole->addWidget(strip);
    whole->addWidget(columnBox);
    fitFixedWindow(*this, content);
}

void AboutWindow::bannerClicked() {
    openExternally(QString::fromUtf8(addresses::fontsPage), this);
}

} // namespace zefnaro
