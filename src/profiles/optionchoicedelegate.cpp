// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/optionchoicedelegate.h"

#include "profiles/optionset.h"

#include <QComboBox>
#include <QTimer>

QWidget *OptionChoiceDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                            const QModelIndex &index) const
{
    if (!(index.flags() & Qt::ItemIsEditable))
        return nullptr;
    auto *editor = new QComboBox(parent);
    editor->setFrame(false);
    editor->addItems(index.data(OptionSet::ChoicesRole).toStringList());
    // A choice takes effect at once, as in a property grid; no Enter needed.
    connect(editor, &QComboBox::activated, this, [this, editor] {
        auto *self = const_cast<OptionChoiceDelegate *>(this);
        Q_EMIT self->commitData(editor);
        Q_EMIT self->closeEditor(editor);
    });
    // Open the list straight away: one click on a value shows its choices.
    QTimer::singleShot(0, editor, [editor] {
        if (editor->isVisible() && editor->count() > 0)
            editor->showPopup();
    });
    return editor;
}

void OptionChoiceDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo)
        return;
    // A value that is not among the choices ("N/A", or one written by other code) is
    // shown as it is, with no choice marked.
    combo->setCurrentIndex(combo->findText(index.data(Qt::EditRole).toString()));
}

void OptionChoiceDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                        const QModelIndex &index) const
{
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo || combo->currentIndex() < 0)
        return;
    model->setData(index, combo->currentText(), Qt::EditRole);
}

void OptionChoiceDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                                const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}

QSize OptionChoiceDelegate::sizeHint(const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    // Room for the drop-down's frame, so opening an editor does not jump the rows.
    size.setHeight(qMax(size.height(), option.fontMetrics.height() + 8));
    return size;
}

void OptionChoiceDelegate::initStyleOption(QStyleOptionViewItem *option,
                                           const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.parent().isValid()) {
        option->font.setBold(true);
        option->backgroundBrush = option->palette.button();
        option->palette.setColor(QPalette::Text, option->palette.color(QPalette::ButtonText));
        return;
    }
    if (index.column() == 1 && !(index.flags() & Qt::ItemIsEditable))
        option->palette.setColor(QPalette::Text,
                                 option->palette.color(QPalette::Disabled, QPalette::Text));
}
