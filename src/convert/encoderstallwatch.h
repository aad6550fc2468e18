// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

// Tells when an encoder has gone silent: no line on its output and no growth of the file
// it writes for the whole limit. An encoder stuck on a stalled network file or a device
// would otherwise hold the queue for ever.
class EncoderStallWatch : public QObject
{
    Q_OBJECT

public:
    static constexpr int StallLimitMs = 120000;

    explicit EncoderStallWatch(QObject *parent = nullptr);

    void setLimit(int ms) { m_limitMs = ms; }
    int limit() const { return m_limitMs; }
    // Watches from now on, with file as the encoder's output.
    void start(const QString &file);
    void stop();
    // The encoder spoke.
    void noteActivity();
    bool hasStalled() const { return m_stalled; }

Q_SIGNALS:
    void stalled();

private:
    void check();

    QTimer m_poll;
    QElapsedTimer m_quiet;
    QString m_file;
    qint64 m_size = -1;
    int m_limitMs = StallLimitMs;
    bool m_stalled = false;
};
