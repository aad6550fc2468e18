// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/optionsheetview.h"

#include "profiles/optionchoicedelegate.h"
#include "profiles/optionset.h"

#include <QHeaderView>
#include <QPainter>

OptionSheetView::OptionSheetView(QWidget *parent) : QTreeView(parent)
{
    setObjectName(QStringLiteral("PS1"));
    setItemDelegate(new OptionChoiceDelegate(this));
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    // One click on a row opens its drop-down, as in a property grid.
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        const QModelIndex value = index.siblingAtColumn(1);
        if (value.flags() & Qt::ItemIsEditable)
            edit(value);
    });
    setIndentation(12);
    header()->setStretchLastSection(true);
    header()->setSectionsMovable(false);
    header()->setDefaultSectionSize(130);
}

void OptionSheetView::setOptionSet(OptionSet *options)
{
    if (OptionSet *old = optionSet())
        disconnect(old, nullptr, this, nullptr);
    setModel(options);
    if (!options)
        return;
    connect(options, &QAbstractItemModel::modelReset, this, &OptionSheetView::showGroups);
    connect(options, &QAbstractItemModel::rowsInserted, this, &OptionSheetView::showGroups);
    showGroups();
}

OptionSet *OptionSheetView::optionSet() const
{
    return qobject_cast<OptionSet *>(model());
}

void OptionSheetView::showGroups()
{
    const QAbstractItemModel *options = model();
    for (int group = 0; group < options->rowCount(); ++group)
        setFirstColumnSpanned(group, QModelIndex(), true);
    expandAll();
    resizeColumnToContents(0);
    // A little air between the longest caption and the values.
    setColumnWidth(0, columnWidth(0) + 16);
}

void OptionSheetView::drawRow(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    QTreeView::drawRow(painter, option, index);
    // The thin lines between rows and between the two columns of a property grid.
    const QColor line = option.palette.color(QPalette::Mid);
    painter->save();
    painter->setPen(QPen(line, 0));
    painter->drawLine(option.rect.left(), option.rect.bottom(), option.rect.right(),
                      option.rect.bottom());
    if (index.parent().isValid()) {
        const int split = columnViewportPosition(1);
        painter->drawLine(split - 1, option.rect.top(), split - 1, option.rect.bottom());
    }
    painter->restore();
}
