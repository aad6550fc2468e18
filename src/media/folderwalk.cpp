// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/folderwalk.h"

#include <QTimer>

FolderWalk::FolderWalk(const QString &folder, std::function<bool(const QString &)> take,
                       QObject *parent)
    : QObject(parent),
      m_entries(std::make_unique<QDirIterator>(folder, QDir::Files | QDir::NoDotAndDotDot,
                                               QDirIterator::Subdirectories)),
      m_take(std::move(take))
{
}

FolderWalk::~FolderWalk() = default;

void FolderWalk::start()
{
    QTimer::singleShot(0, this, &FolderWalk::slice);
}

void FolderWalk::slice()
{
    for (int read = 0; read < SliceEntries; ++read) {
        if (!m_entries->hasNext()) {
            m_taken.sort();
            Q_EMIT finished(m_taken, m_passedOver);
            return;
        }
        const QString path = m_entries->next();
        if (m_take(path))
            m_taken << path;
        else
            ++m_passedOver;
    }
    QTimer::singleShot(0, this, &FolderWalk::slice);
}
