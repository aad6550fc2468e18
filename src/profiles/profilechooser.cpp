// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/profilechooser.h"

#include "common/desktop.h"
#include "profiles/classicons.h"
#include "settings/settings.h"

#include <QComboBox>
#include <QSignalBlocker>

ProfileChooser::ProfileChooser(QComboBox *combo, OptionSet *options, QObject *parent)
    : QObject(parent), ImageCombo1(combo), m_selection(options)
{
    ImageCombo1->setIconSize(QSize(ClassIcons::Size, ClassIcons::Size));
    connect(ImageCombo1, &QComboBox::activated, this, &ProfileChooser::choose);
}

ProfileChooser::~ProfileChooser() = default;

QString ProfileChooser::unreadableMessage(const QString &file)
{
    return QStringLiteral("The profile catalogue could not be read. It was looked for at:\n%1")
        .arg(file);
}

void ProfileChooser::start()
{
    const bool readable = m_selection.open();
    fill();
    if (!readable && !m_told) {
        m_told = true;
        Desktop::instance().showMessage(ImageCombo1 ? ImageCombo1->window() : nullptr,
                                        unreadableMessage(m_selection.databaseFile()),
                                        Desktop::Icon::Critical);
    }
    m_selection.select(m_selection.storedPosition());
    loadSelected();
}

void ProfileChooser::close()
{
    m_selection.close();
}

void ProfileChooser::fill()
{
    if (!ImageCombo1)
        return;
    const QSignalBlocker blocker(ImageCombo1);
    ImageCombo1->clear();
    for (const ProfileEntry &entry : m_selection.entries())
        ImageCombo1->addItem(ClassIcons::icon(entry.picture), entry.text, entry.key);
    // Adding the first item selects it; the chooser starts with nothing selected.
    ImageCombo1->setCurrentIndex(-1);
}

void ProfileChooser::choose(int index)
{
    m_selection.select(index + 1);
    loadSelected();
}

void ProfileChooser::loadSelected()
{
    m_selection.LoadProfileOptions();
    if (ImageCombo1) {
        const QSignalBlocker blocker(ImageCombo1);
        ImageCombo1->setCurrentIndex(m_selection.selectedPosition() - 1);
    }
    Q_EMIT profileLoaded(m_selection.selectedPosition());
}

int ProfileChooser::selectedPosition() const
{
    return ImageCombo1 ? ImageCombo1->currentIndex() + 1 : m_selection.selectedPosition();
}

QString ProfileChooser::selectedKey() const
{
    return ImageCombo1 ? ImageCombo1->currentData().toString() : m_selection.selectedKey();
}

QString ProfileChooser::selectedCaption() const
{
    return ImageCombo1 ? ImageCombo1->currentText() : m_selection.selectedCaption();
}
