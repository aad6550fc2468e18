// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QImage>
#include <QString>

// The capture window's preview area: the newest picture of the connected device on
// black, or, when the device gives none, why.
class CapturePreviewFrame : public QFrame
{
    Q_OBJECT

public:
    explicit CapturePreviewFrame(QWidget *parent = nullptr);

    void showFrame(const QImage &frame);
    // Empty text: nothing to tell (the picture, when one comes, is shown).
    void showProblem(const QString &reason);
    void clear();

    QImage currentFrame() const { return m_frame; }
    QString problem() const { return m_problem; }
    // Pictures painted so far: the preview keeps up, or not.
    qint64 framesShown() const { return m_shown; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_frame;
    QString m_problem;
    qint64 m_shown = 0;
};
