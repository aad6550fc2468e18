// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class ConversionList;
class MediaProbe;
class OptionSet;
class QItemSelectionModel;
class QWidget;

// The list operations of the queue: adding files by the open dialog or by a drop,
// removing the selected row, clearing, and showing the clicked row in the options
// sheet. It holds the selection, so it works the same with the list view or without.
class QueueController : public QObject
{
    Q_OBJECT

public:
    // options may be null where no options sheet exists.
    QueueController(ConversionList *list, OptionSet *options, QObject *parent = nullptr);

    ConversionList *list() const { return m_list; }
    MediaProbe *probe() const { return m_probe; }
    // The list view shares this selection.
    QItemSelectionModel *selectionModel() const { return m_selection; }
    // The selected row, or -1.
    int selectedRow() const;
    void selectRow(int row);

    // The open dialog's filters, "All supported media files" first.
    static QString openFilter();
    // Whether a dropped file may join the queue: only its last letters are looked at.
    static bool isVideoFile(const QString &path);
    // Whether the open dialog's "All supported media files" entry shows the file.
    static bool isSupportedMediaFile(const QString &path);

    void addByDialog(QWidget *parent = nullptr);
    void addByDrop(const QStringList &paths, QWidget *parent = nullptr);
    // Files handed to the program at start (a file manager's "Open with"): added as a
    // drop adds them, but every type the open dialog offers is welcome, since the
    // desktop entry offers the program for those. Missing files are named in one
    // message and left out.
    void addGivenFiles(const QStringList &paths, QWidget *parent = nullptr);
    void removeSelected();
    // Empties the queue; files still being probed or waiting for it are dropped.
    void clearAll();
    // The list's click: the selected row becomes the preview's file and shows its name
    // and times in the options sheet.
    void listClick();
    // Double-click and the clip entries of the menus and the toolbar.
    void openClipEditor();

Q_SIGNALS:
    // The clip editor is to open for the selected row (-1 when none is selected).
    void clipEditorRequested(int row);
    // A click chose this file: the one "Play" previews next.
    void currentFileChanged(const QString &path);

private:
    ConversionList *m_list;
    OptionSet *m_options;
    MediaProbe *m_probe;
    QItemSelectionModel *m_selection;
};
