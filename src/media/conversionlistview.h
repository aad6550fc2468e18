// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QStringList>
#include <QTreeView>

class QAction;
class QMenu;
class QueueController;

// The queue as the main window shows it (lvwAudioTracks): one row per file in eight
// columns that fit the list's width, one selected row, files dropped from a file
// manager, the Delete key, and the context menu popupmenu1 on the right button.
class ConversionListView : public QTreeView
{
    Q_OBJECT

public:
    explicit ConversionListView(QWidget *parent = nullptr);

    // Shows the controller's list and selection, and wires drops, clicks, the double
    // click and the list's own menu entries to it. The entries that start other work
    // (convert, play, capture, import) are for the main window to connect.
    void setQueue(QueueController *queue);

    QMenu *popupMenu() const { return m_menu; }
    QAction *convertNowAction() const { return m_convertNow; }
    // Converts the rows marked "Fail" again; enabled while a row is so marked.
    QAction *convertFailedAction() const { return m_convertFailed; }
    // Shows why the selected row failed; enabled on a failed row.
    QAction *whyFailedAction() const { return m_whyFailed; }
    QAction *playAction() const { return m_play; }
    QAction *clipAction() const { return m_clip; }
    QAction *addFilesAction() const { return m_addFiles; }
    QAction *removeAction() const { return m_remove; }
    QAction *clearAction() const { return m_clear; }
    QAction *removeConvertedAction() const { return m_removeConverted; }
    QAction *moveUpAction() const { return m_moveUp; }
    QAction *moveDownAction() const { return m_moveDown; }
    // Enabled on a row that reads "OK".
    QAction *openOutputFolderAction() const { return m_openOutputFolder; }
    QAction *captureAction() const { return m_capture; }
    QAction *importAction() const { return m_import; }

Q_SIGNALS:
    // Local files dropped on the list, in the order of the drop.
    void filesDropped(const QStringList &paths);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // A row dragged within the list moves; nothing is ever removed by a drag.
    void startDrag(Qt::DropActions supportedActions) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    void buildMenu();
    QAction *addListAction(const QString &name, const QString &caption,
                           const QKeySequence &shortcut = {});
    bool isOwnDrag(const QDropEvent *event) const;
    // Where a row dropped at this point goes.
    int dropRow(const QPoint &at) const;
    // Until the user drags a column's edge, the columns follow the list's width.
    void fitColumns();
    int columnNeed(int column) const;
    bool isElided(const QModelIndex &index) const;
    void showFailureReason();
    void updateMenu();
    void enableConvertFailed();

    QueueController *m_queue = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_convertNow = nullptr;
    QAction *m_convertFailed = nullptr;
    QAction *m_whyFailed = nullptr;
    QAction *m_play = nullptr;
    QAction *m_clip = nullptr;
    QAction *m_addFiles = nullptr;
    QAction *m_remove = nullptr;
    QAction *m_clear = nullptr;
    QAction *m_removeConverted = nullptr;
    QAction *m_moveUp = nullptr;
    QAction *m_moveDown = nullptr;
    QAction *m_openOutputFolder = nullptr;
    QAction *m_capture = nullptr;
    QAction *m_import = nullptr;
    bool m_fitting = false;
    bool m_userSized = false;
};
