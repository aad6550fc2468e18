// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPlainTextEdit;

// Why a row of the queue failed, in words a user can select and copy: the encoder's
// telling last lines under the file's name. Opened from the list's menu; it does not
// block the window's event loop, and it closes itself away when closed.
class FailureReasonBox : public QDialog
{
    Q_OBJECT

public:
    FailureReasonBox(const QString &inputPath, const QString &reason, QWidget *parent = nullptr);

    // The list's menu entry that opens it.
    static QString menuCaption();
    // Opens a box over the parent and returns it.
    static FailureReasonBox *showFor(const QString &inputPath, const QString &reason,
                                     QWidget *parent);

    QString text() const;

private:
    void copyAll();

    QPlainTextEdit *m_text;
};
