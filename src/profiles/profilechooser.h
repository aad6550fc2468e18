// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profiles/profileselection.h"

#include <QObject>
#include <QPointer>

class OptionSet;
class QComboBox;

// Drives the main window's profile chooser ImageCombo1: fills it from the catalogue with
// the class pictures, restores the profile of the previous run, and refills the options
// sheet whenever the user chooses an entry.
class ProfileChooser : public QObject
{
    Q_OBJECT

public:
    ProfileChooser(QComboBox *ImageCombo1, OptionSet *options, QObject *parent = nullptr);
    ~ProfileChooser() override;

    // The load steps of the main window that concern profiles: empty the chooser, fill it
    // from ct.s3db, select the stored "profile" position and load that entry's options.
    // A catalogue that cannot be read leaves the chooser empty and tells the user once.
    void start();
    // Releases the database (the main window's close); the entries stay.
    void close();

    // 1-based position of the selected entry, 0 when none: what the close writes back.
    int selectedPosition() const;
    // The text the chooser shows: the running number, ".  " and the type name.
    QString selectedCaption() const;
    // The selected entry's key ("p017"); empty for none.
    QString selectedKey() const;
    ProfileSelection &selection() { return m_selection; }

    static QString unreadableMessage(const QString &file);

Q_SIGNALS:
    // After the options were refilled for a choice (the user's or the start's).
    void profileLoaded(int position);

private:
    void fill();
    void choose(int index);
    void loadSelected();

    QPointer<QComboBox> ImageCombo1;
    ProfileSelection m_selection;
    bool m_told = false;
};
