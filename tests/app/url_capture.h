#pragma once

#include <QDesktopServices>
#include <QStringList>
#include <QTextBrowser>
#include <QUrl>

// Receives the web addresses and local files the program hands to the default
// browser or mail program, in place of opening them.
struct UrlCapture {
    QTextBrowser receiver;
    QStringList opened;
    UrlCapture()
    {
        QObject::connect(&receiver, &QTextBrowser::sourceChanged, &receiver,
                         [this](const QUrl& url) { opened << url.toString(); });
        for (const char* scheme : {"https", "http", "mailto", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &receiver, "setSource");
    }
    ~UrlCapture()
    {
        for (const char* scheme : {"https", "http", "mailto", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
};
