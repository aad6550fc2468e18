// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeView>

class OptionSet;

// PS1: the options sheet, a property grid over the option set. Group headings are
// parent rows spanning both columns and always expanded; captions on the left, values
// on the right; list rows open a drop-down of their choices, display rows cannot be
// edited.
class OptionSheetView : public QTreeView
{
    Q_OBJECT

public:
    explicit OptionSheetView(QWidget *parent = nullptr);

    void setOptionSet(OptionSet *options);
    OptionSet *optionSet() const;

protected:
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option,
                 const QModelIndex &index) const override;

private:
    void showGroups();
};
