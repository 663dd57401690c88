#pragma once

// Receives the URLs that the desktop would hand to a browser or mail program,
// so that a test sees them and nothing is launched.

#include <QObject>
#include <QStringList>
#include <QUrl>

class UrlRecorder final : public QObject {
    Q_OBJECT
public:
    QStringList urls;

public slots:
    void Open(const QUrl& url) { urls.append(url.toString(QUrl::FullyEncoded)); }
};
