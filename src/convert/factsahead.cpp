// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/factsahead.h"

#include "common/childprogram.h"

#include <QTimer>

void FactsAhead::ask(const QString &encoder, const QString &path)
{
    clear();
    m_path = path;
    const quint64 question = m_question;
    MediaFacts::query(encoder, path, this, [this, question](const MediaFacts &facts) {
        if (question == m_question)
            answered(facts);
    });
}

void FactsAhead::take(const QString &encoder, const QString &path,
                      const std::function<void(const MediaFacts &)> &done)
{
    if (path != m_path)
        ask(encoder, path);
    m_done = done;
    if (m_facts)
        QTimer::singleShot(0, this, [this, question = m_question] {
            if (question == m_question && m_facts)
                answered(*m_facts);
        });
}

void FactsAhead::answered(MediaFacts facts)
{
    if (!m_done) {
        m_facts = std::move(facts);
        return;
    }
    const auto done = std::move(m_done);
    m_done = nullptr;
    m_path.clear();
    m_facts.reset();
    done(facts);
}

void FactsAhead::clear()
{
    ++m_question;
    m_path.clear();
    m_facts.reset();
    m_done = nullptr;
    // Later: this may run inside the end of the very program that answers.
    const auto asking = findChildren<ChildProgram *>(Qt::FindDirectChildrenOnly);
    for (ChildProgram *child : asking) {
        child->disconnect();
        child->deleteLater();
    }
}
