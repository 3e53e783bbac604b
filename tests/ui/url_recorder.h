// Stands in for the desktop's URL handlers, so tests see what would be opened
// without launching anything.
#pragma once

#include <QApplication>
#include <QDesktopServices>
#include <QList>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder() {
        for (const char* scheme : {"file", "mailto", "https", "http"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~UrlRecorder() override {
        for (const char* scheme : {"file", "mailto", "https", "http"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

// Runs `action`, expecting it to show a modal message box; returns the box's text
// (empty when none appeared) and closes it.
template <typename Action>
QString messageShownBy(Action action, QMessageBox::Icon* icon = nullptr) {
    QString text;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            if (icon) *icon = box->icon();
            box->accept();
        }
    });
    action();
    QCoreApplication::processEvents();
    return text;
}
