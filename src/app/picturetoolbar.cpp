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
    layout->addWidget(addButton(QStringLiteral("Image1"), QStringLiteral("Add Files"),
                                QStringLiteral("addfiles")));
    layout->addWidget(addButton(QStringLiteral("Image2"), QStringLiteral("Remove File"),
                                QStringLiteral("removefile")));
    layout->addWidget(addButton(QStringLiteral("Image9"), QStringLiteral("Clear All"),
                                QStringLiteral("clearall")));
    layout->addWidget(addButton(QStringLiteral("Image11"), QStringLiteral("CONVERT NOW"),
                                QStringLiteral("convertnow")));
    layout->addWidget(addButton(QStringLiteral("Image10"), QStringLiteral("Clip"),
                                QStringLiteral("clip")));
    layout->addWidget(addButton(QStringLiteral("Image8"), QStringLiteral("WaterMark"),
                                QStringLiteral("watermark")));
    layout->addWidget(addButton(QStringLiteral("Image7"), QStringLiteral("Options"),
                                QStringLiteral("options")));
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

QToolButton *PictureToolbar::button(const QString &name) const
{
    return findChild<QToolButton *>(name, Qt::FindDirectChildrenOnly);
}

QToolButton *PictureToolbar::addButton(const QString &name, const QString &caption,
                                       const QString &picture)
{
    auto *b = new QToolButton(this);
    b->setObjectName(name);
    b->setText(caption);
    b->setToolTip(caption);
    b->setIcon(QIcon(QStringLiteral(":/pictures/%1.png").arg(picture)));
    b->setIconSize(QSize(32, 32));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setMinimumWidth(76);
    return b;
}
