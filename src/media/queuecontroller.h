// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QString>
#include <QStringList>

class ConversionList;
class FolderWalk;
class MediaProbe;
class OptionSet;
class QItemSelectionModel;
class QWidget;

// The list operations of the queue: adding files by the open dialog or by a drop,
// removing the selected row, clearing, and showing the current row in the options
// sheet. It holds the selection, so it works the same with the list view or without.
// Whenever the list has rows, one of them is current: the first row added to an empty
// list, the neighbour of a current row removed, the row clicked.
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
    // The row Play, the clip editor and the options sheet are about; -1 when the list
    // is empty.
    int currentRow() const;
    void selectRow(int row);

    // The open dialog's filters, "All supported media files" first.
    static QString openFilter();
    // Whether a dropped file may join the queue: only its last letters are looked at.
    static bool isVideoFile(const QString &path);
    // Whether the open dialog's "All supported media files" entry shows the file.
    static bool isSupportedMediaFile(const QString &path);

    void addByDialog(QWidget *parent = nullptr);
    // A dropped folder adds the files below it that a drop takes, sorted by path, in
    // its place among the dropped files; the others are passed over and counted in one
    // status line.
    void addByDrop(const QStringList &paths, QWidget *parent = nullptr);
    // Files handed to the program at start (a file manager's "Open with"): added as a
    // drop adds them, but every type the open dialog offers is welcome, since the
    // desktop entry offers the program for those. Missing files are named in one
    // message and left out. A folder is added as a dropped one is.
    void addGivenFiles(const QStringList &paths, QWidget *parent = nullptr);
    // True while dropped or given folders are still being walked.
    bool isAdding() const { return !m_additions.isEmpty(); }
    void removeSelected();
    // Every row that reads "OK".
    void removeConverted();
    // Moves the selected row one place up (-1) or down (+1); it stays selected.
    void moveSelected(int by);
    // The folder the selected row converted into, when the row reads "OK"; else empty.
    QString selectedOutputFolder() const;
    void openOutputFolder();
    // Empties the queue; files still being probed or waiting for it are dropped.
    void clearAll();
    // The list's click: the selected row becomes the preview's file and shows its name
    // and times in the options sheet.
    void listClick();
    // Double-click and the clip entries of the menus and the toolbar: the current row.
    void openClipEditor();

Q_SIGNALS:
    // The clip editor is to open for the current row (-1 when the list is empty).
    void clipEditorRequested(int row);
    // A click chose this file: the one "Play" previews next.
    void currentFileChanged(const QString &path);
    // A line for the window's status bar.
    void statusMessage(const QString &text);

private:
    enum class Rule { Drop, Given };
    // Files of one drop or one start, added in their order; a folder among them is
    // walked before the files after it are added.
    struct Addition
    {
        QStringList paths;
        Rule rule = Rule::Drop;
        QPointer<QWidget> parent;
        QStringList missing;
        int passedOver = 0;
    };
    void addPaths(const QStringList &paths, Rule rule, QWidget *parent);
    void continueAdding();
    // A file of the first addition; false when the rest of it is to be dropped.
    bool addOne(const QString &path);
    void walkFinished(const QStringList &taken, int passedOver);
    void finishAddition(const Addition &addition);
    void rowsAdded(int first);
    void showCurrentRow();

    ConversionList *m_list;
    OptionSet *m_options;
    MediaProbe *m_probe;
    QItemSelectionModel *m_selection;
    QQueue<Addition> m_additions;
    FolderWalk *m_walk = nullptr; // of the first addition, while one runs
    bool m_adding = false;        // the additions are being worked through
};
