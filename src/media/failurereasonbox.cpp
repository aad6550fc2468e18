// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/failurereasonbox.h"

#include "common/appinfo.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FailureReasonBox::FailureReasonBox(const QString &inputPath, const QString &reason, QWidget *parent)
    : QDialog(parent), m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("failureReasonBox"));
    setWindowTitle(QString::fromLatin1(AppTitle));
    auto *caption =
        new QLabel(QStringLiteral("The encoder's last words on %1:").arg(inputPath), this);
    caption->setWordWrap(true);
    caption->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_text->setObjectName(QStringLiteral("reasonText"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setPlainText(reason.isEmpty() ? QStringLiteral("The encoder said nothing.") : reason);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *copy = buttons->addButton(QStringLiteral("Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyButton"));
    connect(copy, &QPushButton::clicked, this, &FailureReasonBox::copyAll);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_text, 1);
    layout->addWidget(buttons);
    resize(640, 260);
}

QString FailureReasonBox::menuCaption()
{
    return QStringLiteral("Show Why It Failed");
}

FailureReasonBox *FailureReasonBox::showFor(const QString &inputPath, const QString &reason,
                                            QWidget *parent)
{
    auto *box = new FailureReasonBox(inputPath, reason, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

QString FailureReasonBox::text() const
{
    return m_text->toPlainText();
}

void FailureReasonBox::copyAll()
{
    QApplication::clipboard()->setText(text());
}
