// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/downloadbar.h"

#include "common/desktop.h"
#include "download/downloadtask.h"

#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

DownloadBar::DownloadBar(QWidget *parent)
    : QWidget(parent), pbDownload(new QProgressBar(this)), Label2(new QLabel(this)),
      lblSpeed(new QLabel(this)), m_timer(new QTimer(this))
{
    pbDownload->setObjectName(QStringLiteral("pbDownload"));
    pbDownload->setRange(0, 100);
    pbDownload->setValue(0);
    pbDownload->setTextVisible(false);
    pbDownload->setFixedHeight(16);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setMinimumWidth(64);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblSpeed->setObjectName(QStringLiteral("lblSpeed"));
    lblSpeed->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblSpeed->setTextFormat(Qt::PlainText);
    lblSpeed->installEventFilter(this);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    layout->addWidget(pbDownload, 0, 0);
    layout->addWidget(Label2, 0, 1);
    layout->addWidget(lblSpeed, 1, 0, 1, 2);

    m_timer->setInterval(TickMs);
    connect(m_timer, &QTimer::timeout, this, &DownloadBar::tick);
}

void DownloadBar::begin(DownloadTask *download)
{
    if (m_download)
        disconnect(m_download, nullptr, this, nullptr);
    m_download = download;
    connect(download, &DownloadTask::started, this, &DownloadBar::started);
    connect(download, &DownloadTask::percentChanged, this, &DownloadBar::showPercent);
    m_saved.clear();
    lblSpeed->setCursor(Qt::ArrowCursor);
    lblSpeed->setToolTip(QString());
    pbDownload->setRange(0, 100);
    pbDownload->setValue(0);
    Label2->clear();
    lblSpeed->clear();
    m_rate.reset();
    m_clock.start();
    m_started = false;
    m_timer->start();
}

void DownloadBar::started(qint64 total)
{
    // Without a length there is no percentage: the bar runs busy.
    if (total < 0)
        pbDownload->setRange(0, 0);
    else
        pbDownload->setRange(0, 100);
    m_started = true;
    m_rate.reset();
    m_rate.sample(m_clock.elapsed(), m_download->progress().received());
}

void DownloadBar::showPercent(int percent)
{
    pbDownload->setValue(percent);
    Label2->setText(DownloadProgress::percentText(percent));
}

void DownloadBar::tick()
{
    if (!m_started || !m_download)
        return;
    const DownloadProgress &progress = m_download->progress();
    m_rate.sample(m_clock.elapsed(), progress.received());
    if (!progress.totalKnown() && m_download->isRunning())
        Label2->setText(DownloadProgress::amountText(progress.received()));
    lblSpeed->setText(m_rate.text(progress.totalKnown() ? progress.total() : -1));
}

void DownloadBar::end(bool ok)
{
    m_timer->stop();
    if (!m_download)
        return;
    const DownloadProgress &progress = m_download->progress();
    if (pbDownload->maximum() == 0) {
        pbDownload->setRange(0, 100);
        pbDownload->setValue(ok ? 100 : 0);
        Label2->setText(DownloadProgress::amountText(progress.received()));
    }
    m_saved = ok ? m_download->filePath() : QString();
    lblSpeed->setText(ok ? QStringLiteral("Saved as ") + m_saved
                         : QStringLiteral("Stopped after ") +
                               DownloadProgress::amountText(progress.received()));
    lblSpeed->setToolTip(ok ? QStringLiteral("Click to open its folder") : QString());
    lblSpeed->setCursor(ok ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

bool DownloadBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblSpeed && event->type() == QEvent::MouseButtonRelease && !m_saved.isEmpty())
        Desktop::instance().openFolder(QFileInfo(m_saved).absolutePath());
    return QWidget::eventFilter(watched, event);
}
