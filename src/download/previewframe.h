// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QLabel;

// frmPR, "YouTube Preview": the panel the player draws a stream into, with its hint and
// the "X" that hides it.
class PreviewFrame : public QGroupBox
{
    Q_OBJECT

public:
    explicit PreviewFrame(QWidget *parent = nullptr);

    // SWF: the native window the player draws into.
    QWidget *surface() const { return SWF; }

Q_SIGNALS:
    // "X" was clicked.
    void hideRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *SWF;
    QLabel *Label6; // "X"
};
