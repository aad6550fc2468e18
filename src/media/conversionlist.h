// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

// The queue: one row per input file, every column a text. The list view of the main
// window, the probe, the conversion run, the preview and the clip editor all work on
// this model, so the engine runs the same with or without windows.
class ConversionList : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        FileName, // the full path as the dialog or the drop gave it
        Start,
        End,
        Size,
        Format,
        Status,
        VideoTime,
        Watermark,
        ColumnCount
    };

    explicit ConversionList(QObject *parent = nullptr);

    // Appends a row whose text and tag are the path; returns its index.
    int addItem(const QString &path);
    void removeItem(int row);
    // Moves the row so that it stands at position to afterwards; its number goes with it.
    void moveItem(int from, int to);
    void clearAll();
    int count() const { return int(m_rows.size()); }
    // A row's own number, never given to another row: it names the row wherever rows
    // before it come and go. 0 for no row.
    quint64 id(int row) const;
    // Where the row of that number stands now; -1 once it has left the list.
    int rowOf(quint64 id) const;

    QString text(int row, Column column) const;
    void setText(int row, Column column, const QString &text);
    QString tag(int row) const;
    // Shown when the mouse rests on the row (why a row failed, for one).
    QString toolTip(int row) const;
    void setToolTip(int row, const QString &text);
    // The file a row converted into; empty until it is "OK".
    QString outputPath(int row) const;
    void setOutputPath(int row, const QString &path);

    static QString caption(Column column);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    // Rows may be dragged within the list view.
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Item
    {
        QString columns[ColumnCount];
        QString tag;
        QString toolTip;
        QString outputPath;
        quint64 id = 0;
    };
    bool valid(int row) const { return row >= 0 && row < m_rows.size(); }

    QList<Item> m_rows;
    quint64 m_lastId = 0;
};
