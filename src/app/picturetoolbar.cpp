// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/picturetoolbar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

PictureToolbar::PictureToolbar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picToolbar"));
    setAttribute(Qt::WA_StyledBackground);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    Image1 = addButton("Image1", "Add Files", "addfiles");
    Image2 = addButton("Image2", "Remove File", "removefile");
    Image9 = addButton("Image9", "Clear All", "clearall");
    Image11 = addButton("Image11", "CONVERT NOW", "convertnow");
    Image10 = addButton("Image10", "Clip", "clip");
    Image8 = addButton("Image8", "WaterMark", "watermark");
    Image7 = addButton("Image7", "Options", "options");
    for (QToolButton *button : {Image1, Image2, Image9, Image11, Image10, Image8, Image7})
        layout->addWidget(button);
    layout->addSpacing(16);

    auto *to = new QLabel(QStringLiteral("To:"), this);
    to->setObjectName(QStringLiteral("Label3"));
    layout->addWidget(to);
    ImageCombo1 = new QComboBox(this);
    ImageCombo1->setObjectName(QStringLiteral("ImageCombo1"));
    ImageCombo1->setMinimumWidth(340);
    ImageCombo1->setMaxVisibleItems(24);
    ImageCombo1->setIconSize(QSize(16, 16));
    layout->addWidget(ImageCombo1, 1);
}

QToolButton *PictureToolbar::addButton(const char *name, const char *caption, const char *picture)
{
    auto *b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(QString::fromLatin1(caption));
    b->setToolTip(QString::fromLatin1(caption));
    b->setIcon(QIcon(QStringLiteral(":/pictures/%1.png").arg(QLatin1String(picture))));
    b->setIconSize(QSize(32, 32));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setMinimumWidth(76);
    return b;
}
