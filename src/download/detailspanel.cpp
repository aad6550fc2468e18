// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/detailspanel.h"

#include "pictures/loadpicturefile.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
QLabel *valueLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    // A page's "<b>" is two letters and a bracket here, never bold.
    label->setTextFormat(Qt::PlainText);
    // A long value is cut at the window's edge instead of widening the window.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
} // namespace

DetailsPanel::DetailsPanel(QWidget *parent) : QWidget(parent)
{
    picTitle = new QLabel(this);
    picTitle->setObjectName(QStringLiteral("picTitle"));
    picTitle->setFixedSize(120, 90);
    picTitle->setAlignment(Qt::AlignCenter);
    picTitle->setFrameShape(QFrame::StyledPanel);
    txtDesc = new QPlainTextEdit(this);
    txtDesc->setObjectName(QStringLiteral("txtDesc"));
    txtDesc->setReadOnly(true);
    txtDesc->setMinimumHeight(30);

    auto *top = new QHBoxLayout;
    top->addWidget(picTitle, 0, Qt::AlignTop);
    top->addWidget(buildGrid(), 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(txtDesc, 1);
}

QWidget *DetailsPanel::buildGrid()
{
    auto *area = new QWidget(this);
    lblTitle1 = valueLabel("lblTitle1", area);
    QFont bold = lblTitle1->font();
    bold.setBold(true);
    lblTitle1->setFont(bold);
    lblAuthor = valueLabel("lblAuthor", area);
    lblPublished = valueLabel("lblPublished", area);
    lblCat = valueLabel("lblCat", area);
    lblDur = valueLabel("lblDur", area);
    lblRating = valueLabel("lblRating", area);

    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(0);
    grid->setHorizontalSpacing(6);
    grid->addWidget(lblTitle1, 0, 0, 1, 2);
    const QList<std::pair<const char *, QLabel *>> rows = {{"Author:", lblAuthor},
                                                           {"Added:", lblPublished},
                                                           {"Category:", lblCat},
                                                           {"Length:", lblDur},
                                                           {"Rating:", lblRating}};
    for (int row = 0; row < rows.size(); ++row) {
        grid->addWidget(new QLabel(QString::fromLatin1(rows[row].first), area), row + 1, 0);
        grid->addWidget(rows[row].second, row + 1, 1);
    }
    grid->setColumnStretch(1, 1);
    return area;
}

void DetailsPanel::showDetails(const VideoDetails &details)
{
    lblTitle1->setText(details.VideoTitle);
    lblTitle1->setToolTip(details.VideoTitle.toHtmlEscaped());
    txtDesc->setPlainText(details.VideoDescription);
    lblCat->setText(details.VideoCategory);
    lblAuthor->setText(details.VideoAuthor);
    lblDur->setText(details.VideoLength + QStringLiteral(" Sec."));
    lblPublished->setText(details.VideoPublished);
    lblRating->setText(details.VideoRating);
}

bool DetailsPanel::showPicture(const QString &path)
{
    const LoadedPicture loaded = LoadPictureFile(path, -1, -1, 0, false);
    if (!loaded.ok())
        return false;
    const QSize room = picTitle->contentsRect().size();
    picTitle->setPixmap(QPixmap::fromImage(
        loaded.picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    return true;
}
