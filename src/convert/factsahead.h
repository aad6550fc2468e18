// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/mediafacts.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

// The facts of the next input of a run, asked of the encoder while the run waits for
// something else (the list of encoders, the last output read back), so that asking costs
// no time of its own between rows. Asked that late, they are the facts of the file as it
// is when its row starts.
class FactsAhead : public QObject
{
    Q_OBJECT

public:
    explicit FactsAhead(QObject *parent = nullptr) : QObject(parent) {}

    // Asks about the file now; an earlier question is forgotten.
    void ask(const QString &encoder, const QString &path);
    // done gets the facts of the file: from the event loop when they are there or on their
    // way, else once asked. The answer is used once.
    void take(const QString &encoder, const QString &path,
              const std::function<void(const MediaFacts &)> &done);
    // Forgets the question and stops the encoder that answers it.
    void clear();

private:
    void answered(MediaFacts facts); // a copy: the stored facts are let go before done

    QString m_path;
    std::optional<MediaFacts> m_facts;
    std::function<void(const MediaFacts &)> m_done;
    quint64 m_question = 0; // tells the answer to a forgotten question apart
};
