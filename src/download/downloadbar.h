// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "download/transferrate.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;
class QTimer;
class DownloadTask;

// The downloader's progress: the bar pbDownload with its percentage Label2 (the amount
// received when the stream has no length, the bar then running busy) and a line under
// them with the speed and the time left, updated four times a second. When a file is
// saved, the line names its whole path, and a click on it opens its folder.
class DownloadBar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int TickMs = 250;

    explicit DownloadBar(QWidget *parent = nullptr);

    // Clears the bar and follows the download that has just started.
    void begin(DownloadTask *download);
    // Shows how the download ended.
    void end(bool ok);

private:
    void started(qint64 total);
    void showPercent(int percent);
    void tick();
    bool eventFilter(QObject *watched, QEvent *event) override;

    DownloadTask *m_download = nullptr;
    QProgressBar *pbDownload;
    QLabel *Label2; // the percentage, or the amount received
    QLabel *lblSpeed;
    QTimer *m_timer;
    QElapsedTimer m_clock;
    TransferRate m_rate;
    bool m_started = false; // the answer of the current download has arrived
    QString m_saved;        // the file the last download saved
};
