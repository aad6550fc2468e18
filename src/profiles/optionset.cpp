// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/optionset.h"

// Internal ids: 0 for a group heading, group index + 1 for the rows of that group.

OptionSet::OptionSet(QObject *parent) : QAbstractItemModel(parent) {}

void OptionSet::clear()
{
    beginResetModel();
    m_groups.clear();
    endResetModel();
}

void OptionSet::addGroup(const QString &group)
{
    if (groupIndex(group) >= 0)
        return;
    const int at = int(m_groups.size());
    beginInsertRows({}, at, at);
    m_groups.append({group, {}});
    endInsertRows();
}

void OptionSet::addRow(const QString &group, const QString &caption, Kind kind,
                       const QString &value, const QStringList &choices)
{
    addGroup(group);
    const int g = groupIndex(group);
    const int at = int(m_groups[g].rows.size());
    beginInsertRows(index(g, 0), at, at);
    m_groups[g].rows.append({caption, kind, value, choices, kind == Kind::Display});
    endInsertRows();
}

bool OptionSet::contains(const QString &group, const QString &caption) const
{
    return find(group, caption) != nullptr;
}

QString OptionSet::value(const QString &group, const QString &caption) const
{
    const Row *row = find(group, caption);
    return row ? row->value : QString();
}

void OptionSet::setValue(const QString &group, const QString &caption, const QString &value)
{
    QModelIndex cell;
    Row *row = find(group, caption, &cell);
    if (!row)
        return;
    row->value = value;
    Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
    Q_EMIT valueChanged(group, caption, value);
}

QStringList OptionSet::choices(const QString &group, const QString &caption) const
{
    const Row *row = find(group, caption);
    return row ? row->choices : QStringList();
}

void OptionSet::setChoices(const QString &group, const QString &caption,
                           const QStringList &choices)
{
    QModelIndex cell;
    Row *row = find(group, caption, &cell);
    if (!row)
        return;
    row->choices = choices;
    Q_EMIT dataChanged(cell, cell, {ChoicesRole});
}

bool OptionSet::isReadOnly(const QString &group, const QString &caption) const
{
    const Row *row = find(group, caption);
    return row ? row->readOnly : true;
}

void OptionSet::setReadOnly(const QString &group, const QString &caption, bool readOnly)
{
    QModelIndex cell;
    Row *row = find(group, caption, &cell);
    if (!row)
        return;
    row->readOnly = readOnly;
    Q_EMIT dataChanged(cell, cell);
}

QStringList OptionSet::groups() const
{
    QStringList captions;
    for (const Group &g : m_groups)
        captions << g.caption;
    return captions;
}

QStringList OptionSet::rowCaptions(const QString &group) const
{
    QStringList captions;
    const int g = groupIndex(group);
    if (g >= 0) {
        for (const Row &r : m_groups[g].rows)
            captions << r.caption;
    }
    return captions;
}

int OptionSet::groupIndex(const QString &group) const
{
    for (int i = 0; i < m_groups.size(); ++i) {
        if (m_groups[i].caption == group)
            return i;
    }
    return -1;
}

OptionSet::Row *OptionSet::find(const QString &group, const QString &caption,
                                QModelIndex *valueIndex)
{
    const int g = groupIndex(group);
    if (g < 0)
        return nullptr;
    QList<Row> &rows = m_groups[g].rows;
    for (int r = 0; r < rows.size(); ++r) {
        if (rows[r].caption == caption) {
            if (valueIndex)
                *valueIndex = createIndex(r, 1, quintptr(g + 1));
            return &rows[r];
        }
    }
    return nullptr;
}

const OptionSet::Row *OptionSet::find(const QString &group, const QString &caption) const
{
    return const_cast<OptionSet *>(this)->find(group, caption, nullptr);
}

const OptionSet::Row *OptionSet::rowAt(const QModelIndex &index) const
{
    if (!index.isValid() || index.internalId() == 0)
        return nullptr;
    const int g = int(index.internalId()) - 1;
    if (g >= m_groups.size() || index.row() >= m_groups[g].rows.size())
        return nullptr;
    return &m_groups[g].rows[index.row()];
}

QModelIndex OptionSet::index(int row, int column, const QModelIndex &parent) const
{
    if (column < 0 || column > 1 || row < 0)
        return {};
    if (!parent.isValid())
        return row < m_groups.size() ? createIndex(row, column, quintptr(0)) : QModelIndex();
    if (parent.internalId() != 0 || parent.row() >= m_groups.size())
        return {};
    if (row >= m_groups[parent.row()].rows.size())
        return {};
    return createIndex(row, column, quintptr(parent.row() + 1));
}

QModelIndex OptionSet::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return createIndex(int(child.internalId()) - 1, 0, quintptr(0));
}

int OptionSet::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return int(m_groups.size());
    if (parent.internalId() != 0 || parent.column() != 0 || parent.row() >= m_groups.size())
        return 0;
    return int(m_groups[parent.row()].rows.size());
}

int OptionSet::columnCount(const QModelIndex &) const
{
    return 2;
}

QVariant OptionSet::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (index.internalId() == 0) {
        if (role == Qt::DisplayRole && index.column() == 0 && index.row() < m_groups.size())
            return m_groups[index.row()].caption;
        return {};
    }
    const Row *row = rowAt(index);
    if (!row)
        return {};
    if (index.column() == 0)
        return role == Qt::DisplayRole ? QVariant(row->caption) : QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return row->value;
    if (role == ChoicesRole)
        return row->choices;
    return {};
}

bool OptionSet::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const Row *row = rowAt(index);
    if (!row || index.column() != 1 || role != Qt::EditRole || row->readOnly)
        return false;
    const QString group = m_groups[int(index.internalId()) - 1].caption;
    setValue(group, row->caption, value.toString());
    return true;
}

Qt::ItemFlags OptionSet::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled;
    const Row *row = rowAt(index);
    if (!row)
        return f;
    f |= Qt::ItemIsSelectable;
    if (index.column() == 1 && !row->readOnly && row->kind == Kind::List)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant OptionSet::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? QStringLiteral("Option") : QStringLiteral("Value");
}
