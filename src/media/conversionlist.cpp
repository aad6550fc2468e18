// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/conversionlist.h"

ConversionList::ConversionList(QObject *parent) : QAbstractTableModel(parent) {}

int ConversionList::addItem(const QString &path)
{
    const int row = count();
    beginInsertRows({}, row, row);
    Item item;
    item.tag = path;
    item.columns[FileName] = path;
    item.id = ++m_lastId;
    m_rows.append(item);
    endInsertRows();
    return row;
}

void ConversionList::removeItem(int row)
{
    if (!valid(row))
        return;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void ConversionList::moveItem(int from, int to)
{
    if (!valid(from) || !valid(to) || from == to)
        return;
    // Qt names the place before which the row goes, counted before it leaves.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    m_rows.move(from, to);
    endMoveRows();
}

void ConversionList::clearAll()
{
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

quint64 ConversionList::id(int row) const
{
    return valid(row) ? m_rows[row].id : 0;
}

int ConversionList::rowOf(quint64 id) const
{
    for (int row = 0; row < count(); ++row) {
        if (m_rows[row].id == id)
            return row;
    }
    return -1;
}

QString ConversionList::text(int row, Column column) const
{
    if (!valid(row) || column < 0 || column >= ColumnCount)
        return {};
    return m_rows[row].columns[column];
}

void ConversionList::setText(int row, Column column, const QString &text)
{
    if (!valid(row) || column < 0 || column >= ColumnCount)
        return;
    m_rows[row].columns[column] = text;
    const QModelIndex cell = index(row, column);
    Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
}

QString ConversionList::tag(int row) const
{
    return valid(row) ? m_rows[row].tag : QString();
}

QString ConversionList::toolTip(int row) const
{
    return valid(row) ? m_rows[row].toolTip : QString();
}

void ConversionList::setToolTip(int row, const QString &text)
{
    if (!valid(row))
        return;
    m_rows[row].toolTip = text;
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1), {Qt::ToolTipRole});
}

QString ConversionList::outputPath(int row) const
{
    return valid(row) ? m_rows[row].outputPath : QString();
}

void ConversionList::setOutputPath(int row, const QString &path)
{
    if (valid(row))
        m_rows[row].outputPath = path;
}

QString ConversionList::caption(Column column)
{
    switch (column) {
    case FileName:
        return QStringLiteral("File Name");
    case Start:
        return QStringLiteral("Start");
    case End:
        return QStringLiteral("End");
    case Size:
        return QStringLiteral("Size");
    case Format:
        return QStringLiteral("Format");
    case Status:
        return QStringLiteral("Status");
    case VideoTime:
        return QStringLiteral("Video Time");
    case Watermark:
        return QStringLiteral("Watermark");
    case ColumnCount:
        break;
    }
    return {};
}

int ConversionList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int ConversionList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

Qt::ItemFlags ConversionList::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.isValid() ? flags | Qt::ItemIsDragEnabled : flags;
}

// Files come by copy from a file manager, rows by a move within the view.
Qt::DropActions ConversionList::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

QVariant ConversionList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !valid(index.row()))
        return {};
    const Item &item = m_rows[index.row()];
    if (role == Qt::DisplayRole)
        return item.columns[index.column()];
    if (role == Qt::ToolTipRole) {
        // The whole path, which the column may show cut short, then why the row failed.
        if (index.column() == FileName)
            return item.toolTip.isEmpty()
                       ? item.columns[FileName]
                       : item.columns[FileName] + QStringLiteral("\n\n") + item.toolTip;
        if (!item.toolTip.isEmpty())
            return item.toolTip;
    }
    return {};
}

QVariant ConversionList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return caption(Column(section));
    if (role == Qt::TextAlignmentRole) {
        const bool centred = section == End || section == Size;
        return QVariant::fromValue(Qt::Alignment(centred ? Qt::AlignHCenter : Qt::AlignLeft) |
                                   Qt::AlignVCenter);
    }
    return {};
}
