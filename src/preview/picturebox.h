// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A picture the user can click, as the editor's watermark thumbnail and its remove
// button are.
class PictureBox : public QLabel
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
