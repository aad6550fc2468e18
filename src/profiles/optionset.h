// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemModel>
#include <QList>
#include <QString>
#include <QStringList>

// The output options of the next conversion: rows under group headings, each a caption
// and a text value, identified by group caption and row caption. The options sheet of
// the main window is a view of this model; the conversion engine and the command-line
// mode read it without any widget.
class OptionSet : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum class Kind { Display, List };
    // The value column's data role holding a list row's choices.
    static constexpr int ChoicesRole = Qt::UserRole + 1;

    explicit OptionSet(QObject *parent = nullptr);

    void clear();
    void addGroup(const QString &group);
    // Adds a row at the end of its group (the group is added when missing).
    void addRow(const QString &group, const QString &caption, Kind kind, const QString &value,
                const QStringList &choices = {});

    bool contains(const QString &group, const QString &caption) const;
    // Empty for a row that does not exist.
    QString value(const QString &group, const QString &caption) const;
    // Values are not compared with the choices: what is written is read back.
    void setValue(const QString &group, const QString &caption, const QString &value);
    QStringList choices(const QString &group, const QString &caption) const;
    void setChoices(const QString &group, const QString &caption, const QStringList &choices);
    bool isReadOnly(const QString &group, const QString &caption) const;
    void setReadOnly(const QString &group, const QString &caption, bool readOnly);

    QStringList groups() const;
    QStringList rowCaptions(const QString &group) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    void valueChanged(const QString &group, const QString &caption, const QString &value);

private:
    struct Row
    {
        QString caption;
        Kind kind;
        QString value;
        QStringList choices;
        bool readOnly;
    };
    struct Group
    {
        QString caption;
        QList<Row> rows;
    };

    int groupIndex(const QString &group) const;
    Row *find(const QString &group, const QString &caption, QModelIndex *valueIndex = nullptr);
    const Row *find(const QString &group, const QString &caption) const;
    const Row *rowAt(const QModelIndex &index) const;

    QList<Group> m_groups;
};
