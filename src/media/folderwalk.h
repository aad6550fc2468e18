// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDirIterator>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

// Finds the files below a folder, its sub-folders included, a slice at a time from the
// event loop, so a folder of thousands of files never holds the window up. Links to
// folders are not followed (a link back up the tree would never end), hidden entries
// are passed by, and pipes and devices are no files.
class FolderWalk : public QObject
{
    Q_OBJECT

public:
    // How many entries one slice reads at most before the event loop has its turn.
    static constexpr int SliceEntries = 200;

    // take tells which files are wanted.
    FolderWalk(const QString &folder, std::function<bool(const QString &)> take,
               QObject *parent = nullptr);
    ~FolderWalk() override;

    // Walks from the event loop; finished() follows, never from inside start().
    void start();

Q_SIGNALS:
    // The files taken, sorted by path, and how many others were passed over.
    void finished(const QStringList &taken, int passedOver);

private:
    void slice();

    std::unique_ptr<QDirIterator> m_entries;
    std::function<bool(const QString &)> m_take;
    QStringList m_taken;
    int m_passedOver = 0;
};
