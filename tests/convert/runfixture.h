// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/fakedesktop.h"
#include "common/programfolder.h"
#include "convert/conversionrun.h"
#include "media/conversionlist.h"
#include "profiles/optionset.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

// A conversion run over clips made for the test, in a program folder of its own, with
// every signal of the run recorded.
class RunFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes a clip with sound in the media folder; its path.
    QString clip(const QString &name, int seconds = 2);
    // Queues the file as the probe would: the whole file as the clip.
    int addRow(const QString &path, int seconds = 2);
    // Starts a run and waits for its end; false when it did not end in time.
    bool convert(int timeoutMs = 60000);
    // Starts a run of one row slow enough to be caught in the middle (60 s of x264),
    // whose output is name; true once the encoder has written into its part.
    bool startSlowRow(const QString &name);
    // Puts a script in place of the encoder that acts on the input's name: "tiny" writes
    // a 50-byte file, "empty" writes nothing and exits 0, "halfway" writes 5000 bytes and
    // fails, "silent" writes nothing and fails, "stubborn" ignores Q, "slow" waits before
    // converting, "realtime" converts no faster than the clip plays, "cut" converts the first
    // second only; anything else goes to the real encoder.
    void useFakeEncoder();
    QStringList statuses() const;
    QString output(const QString &name) const { return m_out.filePath(name); }
    static bool processRuns(qint64 pid);

    ProgramFolder m_program;
    QTemporaryDir m_media;
    QTemporaryDir m_out;
    ConversionList m_list;
    OptionSet m_options;
    QString m_caption = QStringLiteral("001.  MP4 Video (*.mp4)");
    std::unique_ptr<ConversionRun> m_run;

    QList<int> m_totals;
    QList<int> m_tracks;
    QList<int> m_tracksAtRowEnd;
    QList<QPair<int, QString>> m_rowEnds;
    QList<ConversionRun::Outcome> m_outcomes;
    QList<bool> m_busy;
};
