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
    void clearAll();
    int count() const { return int(m_rows.size()); }

    QString text(int row, Column column) const;
    void setText(int row, Column column, const QString &text);
    QString tag(int row) const;
    // Shown when the mouse rests on the row (why a row failed, for one).
    QString toolTip(int row) const;
    void setToolTip(int row, const QString &text);

    static QString caption(Column column);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Item
    {
        QString columns[ColumnCount];
        QString tag;
        QString toolTip;
    };
    bool valid(int row) const { return row >= 0 && row < m_rows.size(); }

    QList<Item> m_rows;
};
