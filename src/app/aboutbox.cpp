// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aboutbox.h"

#include "common/skin.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About"));
    setModal(true);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picAbout"));
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/about.png")));
    picture->setAlignment(Qt::AlignTop);

    auto *thanks = new QLabel(QStringLiteral("Thank you for using Klevar"), this);
    thanks->setObjectName(QStringLiteral("lblThanks"));
    auto *licences = new QLabel(
        QStringLiteral("MPlayer is licensed under the GUN General Public License Version 2.\n"
                       "FFmpeg is licensed under the GUN General Public License."),
        this);
    licences->setObjectName(QStringLiteral("lblLicence"));
    auto *credits = new QLabel(
        QStringLiteral("This product includes software developed by the MPlayer Project.\n\n"
                       "This product includes software developed by the FFMpeg Project."),
        this);
    credits->setObjectName(QStringLiteral("lblCredits"));

    auto *texts = new QVBoxLayout;
    texts->addWidget(thanks);
    texts->addSpacing(8);
    texts->addWidget(licences);
    texts->addSpacing(8);
    texts->addWidget(credits);
    texts->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(picture);
    layout->addSpacing(12);
    layout->addLayout(texts);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Skin::apply(this);
}
