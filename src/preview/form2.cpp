// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/form2.h"

#include "common/appfolder.h"
#include "common/desktop.h"
#include "common/skin.h"
#include "common/timetext.h"
#include "media/conversionlist.h"
#include "media/previewplayer.h"
#include "pictures/loadpicturefile.h"
#include "preview/picturebox.h"
#include "preview/previewpanel.h"
#include "preview/rangetool.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace {
const QString TimeError = QStringLiteral("Start time or End time is error.");

int toInt(qint64 seconds)
{
    return int(std::clamp<qint64>(seconds, 0, std::numeric_limits<int>::max()));
}

// The loader wants its background as 0x00BBGGRR.
quint32 colourCode(const QColor &colour)
{
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

QPixmap removePicture()
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0x30, 0x30));
    p.drawEllipse(QRectF(1, 1, 18, 18));
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6.5, 6.5), QPointF(13.5, 13.5));
    p.drawLine(QPointF(13.5, 6.5), QPointF(6.5, 13.5));
    return pixmap;
}
} // namespace

QStringList Form2::placeNames()
{
    return {QStringLiteral("Top left corner"), QStringLiteral("Top right corner"),
            QStringLiteral("Bottom left corner"), QStringLiteral("Bottom right corner"),
            QStringLiteral("Center")};
}

bool Form2::prepareFor(const ConversionList &list, int row, PreviewPlayer *player)
{
    if (list.count() == 0 || row < 0 || row >= list.count())
        return false;
    player->stop();
    return true;
}

int Form2::openFor(ConversionList &list, int row, PreviewPlayer *player, QWidget *parent)
{
    if (!prepareFor(list, row, player))
        return Rejected;
    Form2 editor(list, row, player, parent);
    return editor.exec();
}

Form2::Form2(ConversionList &list, int row, PreviewPlayer *player, QWidget *parent)
    : QDialog(parent), m_list(list), m_row(row), m_clip(ClipState::fromRow(list, row)),
      Text1(new QLineEdit(this)), Text2(new QLineEdit(this)), Text3(new QLineEdit(this)),
      RangeTool1(new RangeTool(this)),
      Check1(new QCheckBox(QStringLiteral("Enable WaterMark"), this)), Combo1(new QComboBox(this)),
      Image1(new PictureBox(this)), Image3(new PictureBox(this)), m_player(player),
      m_preview(new PreviewPanel(PreviewPanel::Role::Editor, player, this))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Clip Time & Video WaterMark"));
    setModal(true);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2->setObjectName(QStringLiteral("Text2"));
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setReadOnly(true);
    RangeTool1->setObjectName(QStringLiteral("RangeTool1"));
    Check1->setObjectName(QStringLiteral("Check1"));
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->addItems(placeNames());
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setFixedSize(160, 120);
    Image1->setFrameShape(QFrame::StyledPanel);
    Image1->setToolTip(QStringLiteral("Click to choose a PNG picture"));
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setPixmap(removePicture());
    Image3->setFixedSize(24, 24);
    Image3->setToolTip(QStringLiteral("Remove the picture"));

    connect(RangeTool1, &RangeTool::Scroll, this, &Form2::rangeMoved);
    connect(RangeTool1, &RangeTool::Change, this, &Form2::rangeMoved);
    connect(Image1, &PictureBox::clicked, this, &Form2::chooseImage);
    connect(Image3, &PictureBox::clicked, this, &Form2::removeImage);
    buildLayout();
    load();
}

void Form2::buildLayout()
{
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &Form2::accept);
    connect(cancel, &QPushButton::clicked, this, &Form2::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *right = new QVBoxLayout;
    right->addWidget(buildClipGroup());
    right->addWidget(buildWatermarkGroups());
    right->addStretch();
    right->addLayout(buttons);

    m_preview->surface()->setMinimumSize(480, 300);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_preview, 1);
    layout->addLayout(right);
}

QWidget *Form2::buildClipGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Select Start Time and End Time"), this);
    auto *grid = new QGridLayout(group);
    RangeTool1->setMinimumWidth(320);
    grid->addWidget(RangeTool1, 0, 0, 1, 6);
    const QList<std::pair<const char *, QLineEdit *>> fields = {
        {"Start Time", Text1}, {"End Time", Text2}, {"Clip Time", Text3}};
    int column = 0;
    for (const auto &[caption, field] : fields) {
        field->setMinimumWidth(84);
        field->setMaximumWidth(96);
        grid->addWidget(new QLabel(QString::fromLatin1(caption), group), 1, column++);
        grid->addWidget(field, 1, column++);
    }
    return group;
}

QWidget *Form2::buildWatermarkGroups()
{
    auto *box = new QWidget(this);
    auto *layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Check1, 0, 0);

    auto *place = new QGroupBox(QStringLiteral("WaterMark Place"), box);
    auto *placeLayout = new QVBoxLayout(place);
    placeLayout->addWidget(Combo1);
    layout->addWidget(place, 1, 0);
    layout->setRowStretch(2, 1);

    auto *image = new QGroupBox(QStringLiteral("Image"), box);
    auto *imageLayout = new QHBoxLayout(image);
    imageLayout->addWidget(Image1);
    imageLayout->addWidget(Image3, 0, Qt::AlignBottom);
    layout->addWidget(image, 0, 1, 3, 1);
    layout->setColumnStretch(0, 1);
    return box;
}

void Form2::load()
{
    Skin::apply(this);
    // A light window would swallow the thumbs' highlights: give them a face of their own.
    // Set after the skin, which polishes the palettes of the window's controls.
    ensurePolished();
    RangeTool1->ensurePolished();
    QPalette thumbs = RangeTool1->palette();
    thumbs.setColor(QPalette::Button, QColor(0xd6, 0xe4, 0xfb));
    thumbs.setColor(QPalette::Light, Qt::white);
    thumbs.setColor(QPalette::Midlight, QColor(0xe9, 0xee, 0xf6));
    thumbs.setColor(QPalette::Dark, QColor(0x7f, 0x8e, 0xa6));
    thumbs.setColor(QPalette::Shadow, QColor(0x3d, 0x4a, 0x5e));
    RangeTool1->setPalette(thumbs);
    m_preview->setFile(m_clip.ClipFile, m_clip.ClipVideoTime);
    Text1->setText(m_clip.ClipStart);
    Text2->setText(m_clip.ClipEnd);
    updateClipTime();

    const int total = toInt(TimeText::secondsOrZero(m_clip.ClipVideoTime));
    RangeTool1->setMax(total);
    RangeTool1->setMin(0);
    if (const auto end = TimeText::seconds(m_clip.ClipEnd))
        RangeTool1->setUpperValue(toInt(*end));
    if (const auto start = TimeText::seconds(m_clip.ClipStart))
        RangeTool1->setLowerValue(toInt(*start));

    setWindowTitle(QStringLiteral("Clip Time") + QStringLiteral("  -  ") + m_clip.ClipFile);
    showPlaceholder();
    if (!m_clip.WatermarkImage.isEmpty()) {
        showPicture(m_clip.WatermarkImage);
        Combo1->setCurrentText(m_clip.WatermarkPlace);
        Check1->setChecked(true);
    }
}

void Form2::updateClipTime()
{
    const auto start = TimeText::seconds(Text1->text());
    const auto end = TimeText::seconds(Text2->text());
    if (start && end)
        Text3->setText(TimeText::clock(*end - *start));
}

void Form2::rangeMoved()
{
    Text1->setText(TimeText::clock(RangeTool1->LowerValue()));
    Text2->setText(TimeText::clock(RangeTool1->UpperValue()));
    updateClipTime();
}

void Form2::showPlaceholder()
{
    Image1->setPixmap(QPixmap(AppFolder() + QStringLiteral("plus.jpg")));
}

bool Form2::showPicture(const QString &fileName)
{
    const LoadedPicture loaded =
        LoadPictureFile(fileName, -1, -1, colourCode(palette().color(QPalette::Window)), false);
    if (!loaded.ok())
        return false;
    Image1->setPixmap(QPixmap::fromImage(loaded.picture));
    return true;
}

void Form2::chooseImage()
{
    const QString fileName = Desktop::instance().chooseOpenFile(
        this, QStringLiteral("Open Image File"), QStringLiteral("Png Image file|*.png"));
    if (fileName.isEmpty())
        return;
    // The Watermark column separates its pieces with ";", so such a path would come back
    // cut short.
    if (fileName.contains(QLatin1Char(';'))) {
        Desktop::instance().showMessage(
            this,
            QStringLiteral("The picture cannot be used as a watermark because its path holds "
                           "a \";\":\n%1\n\nPlease rename the file or its folder and choose it "
                           "again.")
                .arg(fileName),
            Desktop::Icon::Critical);
        return;
    }
    if (!showPicture(fileName))
        return;
    m_clip.WatermarkImage = fileName;
}

void Form2::removeImage()
{
    showPlaceholder();
    m_clip.WatermarkImage.clear();
}

void Form2::accept()
{
    // Compared as times, and a time that cannot be read is refused too: the encoder
    // would fail on either.
    const auto start = TimeText::seconds(Text1->text());
    const auto end = TimeText::seconds(Text2->text());
    if (!start || !end || *end <= *start) {
        Desktop::instance().showMessage(this, TimeError, Desktop::Icon::Critical);
        return;
    }
    m_list.setText(m_row, ConversionList::Start, Text1->text());
    m_list.setText(m_row, ConversionList::End, Text2->text());
    const QString &image = m_clip.WatermarkImage;
    m_list.setText(m_row, ConversionList::Watermark,
                   Check1->isChecked() && !image.isEmpty()
                       ? ClipState::watermarkText(image, Combo1->currentText())
                       : QString());
    QDialog::accept();
}

void Form2::done(int result)
{
    // No preview started here goes on behind the closed editor.
    m_preview->stopPreview();
    m_clip.ClipFile.clear();
    QDialog::done(result);
}
