// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "download/streamquality.h"
#include "download/videodetails.h"

#include <QDialog>
#include <QHash>
#include <QUrl>

#include <optional>

class DownloadBar;
class InetTransfer;
class PageLoader;
class PreviewFrame;
class PreviewPlayer;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class StreamDownload;
class ThumbnailSaver;

// Formyutobe: the downloader window. "Get Direct Link" reads a watch page for the
// video's details, thumbnail and streams; each quality button downloads its stream into
// the download folder or plays it in the preview panel frmPR. Every transfer runs
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
    // Starts the player drawing the stream into the preview panel.
    void LoadFLVPlayer(const QUrl &link);

    const VideoDetails &details() const { return m_details; }
    const StreamAddresses &addresses() const { return m_addresses; }
    PageLoader *pageLoader() const { return m_loader; }
    ThumbnailSaver *thumbnails() const { return m_thumbnails; }
    StreamDownload *streamDownload() const { return m_download; }
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
    QWidget *buildDetails();
    QWidget *buildButtons();
    void getDirectLink();
    void pageLoaded(const QString &page, const QString &error, bool timedOut);
    void thumbnailSaved(bool ok, const QString &path);
    void showDetails();
    bool showPicture(const QString &path);
    void qualityPressed(StreamQuality quality);
    void startDownload(const QUrl &url, const QString &fileName);
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
    VideoDetails m_details;
    StreamAddresses m_addresses;
    QString m_thumbnailName;
    bool m_previewing = false;

    QLineEdit *txtWatchUrl;
    QPushButton *cmdG; // "Get Direct Link"
    QHash<StreamQuality, QPushButton *> m_qualityButtons;
    QPushButton *cmdPR; // "Preview"
    QPushButton *cmdCLose;
    QLabel *picTitle;  // the thumbnail
    QLabel *lblTitle1; // the video's title
    QLabel *lblAuthor;
    QLabel *lblPublished;
    QLabel *lblCat;
    QLabel *lblDur;
    QLabel *lblRating;
    QPlainTextEdit *txtDesc;
    QLabel *lblTitle; // the status line
    DownloadBar *m_bar;
    PreviewFrame *frmPR;
};
