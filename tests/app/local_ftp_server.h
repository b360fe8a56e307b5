#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QThread>

// A pyftpdlib server on 127.0.0.1 at a free port, serving one folder to one
// user (or a misbehaving server), for as long as the object lives. Its log goes to a file so that a full
// pipe can never stall it.
struct LocalFtpServer {
    QProcess process;
    int port = 0;

    bool Start(const QString& root, const QString& user, const QString& password, const QString& logPath)
    {
        process.setStandardErrorFile(logPath);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral("-m"), QStringLiteral("pyftpdlib"), QStringLiteral("-i"),
                       QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QStringLiteral("0"), QStringLiteral("-d"),
                       root, QStringLiteral("-u"), user, QStringLiteral("-P"), password});
        if (!process.waitForStarted(10000))
            return false;
        static const QRegularExpression started(QStringLiteral("starting FTP server on 127\\.0\\.0\\.1:(\\d+)"));
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 15000 && process.state() == QProcess::Running) {
            QFile log(logPath);
            if (log.open(QIODevice::ReadOnly)) {
                const QRegularExpressionMatch match = started.match(QString::fromUtf8(log.readAll()));
                if (match.hasMatch()) {
                    port = match.captured(1).toInt();
                    return true;
                }
            }
            QThread::msleep(20);
        }
        return false;
    }

    // tests/support/hostile_ftp_server.py in one of its modes; LOG records what
    // it received and sent.
    bool StartHostile(const QString& mode, const QString& logPath)
    {
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral(VQ_SOURCE_DIR "/tests/support/hostile_ftp_server.py"), mode, logPath});
        QElapsedTimer waited;
        waited.start();
        while (!process.canReadLine() && waited.elapsed() < 15000 && process.state() != QProcess::NotRunning)
            process.waitForReadyRead(100);
        const QByteArray line = process.readLine().trimmed();
        port = line.startsWith("PORT ") ? line.mid(5).toInt() : 0;
        return port > 0;
    }

    QString Host() const { return QStringLiteral("127.0.0.1:") + QString::number(port); }

    ~LocalFtpServer()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
};
