// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "download/inettransfer.h"
#include "download/streamquality.h"
#include "download/videodetails.h"
#include "download/ytdlpstreams.h"

#include <QDialog>
#include <QHash>
#include <QUrl>

#include <optional>

class DetailsPanel;
class DownloadBar;
class DownloadTask;
class PageLoader;
class PreviewFrame;
class PreviewPlayer;
class QLabel;
class QLineEdit;
class QPushButton;
class StreamDownload;
class ThumbnailSaver;
class YtDlpDownload;
class YtDlpReader;
struct YtDlpVideo;

// Formyutobe: the downloader window. "Get Direct Link" reads a watch page for the
// video's details, thumbnail and streams (by the old markers, or through yt-dlp for a
// page without the old stream map); each quality button downloads its stream into the
// download folder or plays it in the preview panel frmPR. Every transfer and yt-dlp run
// asynchronously; closing the window stops them and the preview.
class Formyutobe : public QDialog
{
    Q_OBJECT

public:
    static inline const QString ExampleAddress =
        QStringLiteral("http://www.youtube.com/watch?v=XXXXX");
    // The window's outer size when it opens, in twips (15 to a pixel).
    static constexpr int WidthTwips = 7170;
    static constexpr int HeightTwips = 4845;
    static int pixels(int twips);

    // player: the program's one preview player, owned by the main window.
    explicit Formyutobe(PreviewPlayer *player, QWidget *parent = nullptr);
    ~Formyutobe() override;

    // Starts fetching the page; "Get Direct Link" goes on from there when it arrives.
    void LoadPage(const QString &address);
    // Stores the page's stream addresses and enables the buttons of those found.
    void GetURLs(const QString &page);
    static std::optional<QString> URLDecode(const QString &text);
    // Starts the player drawing the stream into the preview panel, sending the headers
    // the stream needs.
    void LoadFLVPlayer(const QUrl &link, const InetTransfer::Headers &headers = {});

    const VideoDetails &details() const { return m_details; }
    const StreamAddresses &addresses() const { return m_addresses; }
    PageLoader *pageLoader() const { return m_loader; }
    ThumbnailSaver *thumbnails() const { return m_thumbnails; }
    StreamDownload *streamDownload() const { return m_download; }
    YtDlpReader *ytDlpReader() const { return m_reader; }
    YtDlpDownload *ytDlpDownload() const { return m_ytdlpDownload; }
    // The formats the buttons stand for on a page yt-dlp read; empty otherwise.
    const YtDlpStreams &ytDlpStreams() const { return m_streams; }
    PreviewFrame *previewFrame() const { return frmPR; }

    void done(int result) override;

Q_SIGNALS:
    // "Get Direct Link" has done all its steps, the thumbnail's included.
    void directLinkDone();

protected:
    void showEvent(QShowEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow();
    QWidget *buildButtons();
    void getDirectLink();
    void pageLoaded(const QString &page, const QString &error, bool timedOut);
    void readOldPage(const QString &page);
    void described(const YtDlpVideo &video);
    void notDescribed(const QString &why);
    void saveThumbnail();
    void thumbnailSaved(bool ok, const QString &path);
    void qualityPressed(StreamQuality quality);
    void startDownload(const QUrl &url, const QString &fileName);
    bool downloadBusy();
    void follow(DownloadTask *task);
    void downloadFinished(bool ok, const QString &error);
    void previewPressed();
    void stopEverything();
    void moveFrame(int leftTwips, int topTwips);
    void bringFrameToFront();
    static bool DragWindow(QWidget *window);

    PreviewPlayer *m_player;
    InetTransfer *Inet1; // the page's transfer
    PageLoader *m_loader;
    ThumbnailSaver *m_thumbnails; // fetches through Inet2
    StreamDownload *m_download;
    YtDlpReader *m_reader;
    YtDlpDownload *m_ytdlpDownload;
    YtDlpStreams m_streams;
    QString m_page; // the page yt-dlp is reading, for the old markers should it fail
    VideoDetails m_details;
    StreamAddresses m_addresses;
    QString m_thumbnailName;
    bool m_previewing = false;

    QLineEdit *txtWatchUrl;
    QPushButton *cmdG; // "Get Direct Link"
    QHash<StreamQuality, QPushButton *> m_qualityButtons;
    QPushButton *cmdPR; // "Preview"
    QPushButton *cmdCLose;
    DetailsPanel *m_detailsPanel;
    QLabel *lblTitle; // the status line
    DownloadBar *m_bar;
    PreviewFrame *frmPR;
};
