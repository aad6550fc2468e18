// SPDX-License-Identifier: GPL-3.0-or-later
#include "runfixture.h"

#include <QFileInfo>

// Rows moved before a run set its order; rows moved while it runs do not change it.
TEST_F(RunFixture, ARunConvertsInTheListsOrderAsItStarts)
{
    for (const char *name : {"first.avi", "second.avi", "third.avi"})
        addRow(clip(name, 1), 1);
    m_list.moveItem(2, 0);
    QStringList started;
    QObject::connect(m_run.get(), &ConversionRun::rowStarted, m_run.get(),
                     [&](int, const QString &input) {
                         started << QFileInfo(input).fileName();
                         if (started.size() == 1)
                             m_list.moveItem(2, 0);
                     });
    ASSERT_TRUE(convert());
    EXPECT_EQ(started, QStringList({"third.avi", "first.avi", "second.avi"}));
    EXPECT_EQ(statuses(), QStringList({"OK", "OK", "OK"}));
    for (int row = 0; row < m_list.count(); ++row) {
        EXPECT_EQ(QFileInfo(m_list.outputPath(row)).completeBaseName(),
                  QFileInfo(m_list.text(row, ConversionList::FileName)).completeBaseName());
    }
}
