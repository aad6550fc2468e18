// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/form3.h"

#include "capture/capturecontrol.h"
#include "capture/capturepreviewframe.h"
#include "capture/encodercapturecontrol.h"
#include "common/desktop.h"
#include "common/skin.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const char *const Caption = "Capture Video From DV";
const char *const PropertyCaptions[] = {"Pan:", "Tilt:", "Roll:", "Zoom:"};

template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}
} // namespace

int Form3::openCapture(QWidget *parent)
{
    EncoderCaptureControl control;
    Form3 window(&control, parent);
    return window.exec();
}

QString Form3::defaultCaptureFile()
{
    return QDir::homePath() + QStringLiteral("/dvcapture.avi");
}

Form3::Form3(CaptureControl *control, QWidget *parent) : QDialog(parent), vcx(control)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QLatin1String(Caption));
    setModal(true);
    buildControls();
    buildLayout();
    connectControls();
    load();
}

void Form3::buildControls()
{
    Frame3 = named(new QGroupBox(QStringLiteral("Capture File"), this), "Frame3");
    Label1 = named(new QLabel(QStringLiteral("Capture File:"), Frame3), "Label1");
    Text1 = named(new QLineEdit(defaultCaptureFile(), Frame3), "Text1");
    Command5 = named(new QPushButton(QStringLiteral("Browse..."), Frame3), "Command5");
    Frame2 = named(new QGroupBox(QStringLiteral("Camera Control"), this), "Frame2");
    SkinLabel1 = named(new QLabel(QStringLiteral("Camera"), Frame2), "SkinLabel1");
    Combo1 = named(new QComboBox(Frame2), "Combo1");
    for (int n = 0; n < PropertyCount; ++n) {
        SkinLabel[n] = new QLabel(QLatin1String(PropertyCaptions[n]), Frame2);
        SkinLabel[n]->setObjectName(QStringLiteral("SkinLabel%1").arg(n + 2));
        Slider[n] = new QSlider(Qt::Horizontal, Frame2);
        Slider[n]->setObjectName(QStringLiteral("Slider%1").arg(n));
        Slider[n]->setEnabled(false);
    }
    SkinLabel6 = named(new QLabel(QStringLiteral("Capture Time:"), Frame2), "SkinLabel6");
    Label2 = named(new QLabel(QStringLiteral("00:00:00"), Frame2), "Label2");
    // Room for long recordings, so the window does not grow under the user's mouse.
    Label2->setMinimumWidth(Label2->fontMetrics().horizontalAdvance(
        QStringLiteral("999999 frames (9999 dropped) - 99999.99 sec.")));
    Frame1 = named(new CapturePreviewFrame(this), "Frame1");
    Command3 = named(new QPushButton(QStringLiteral("Preview"), this), "Command3");
    Command1 = named(new QPushButton(QStringLiteral("Start capture"), this), "Command1");
    Command2 = named(new QPushButton(QStringLiteral("Stop capture"), this), "Command2");
    Command4 = named(new QPushButton(QStringLiteral("Exit"), this), "Command4");
    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(StatisticsIntervalMs);
    // Enter in the file name must not press a button and start a recording unasked.
    for (QPushButton *button : {Command5, Command3, Command1, Command2, Command4})
        button->setAutoDefault(false);
}

void Form3::buildLayout()
{
    auto *file = new QHBoxLayout(Frame3);
    file->addWidget(Label1);
    file->addWidget(Text1, 1);
    file->addWidget(Command5);

    auto *camera = new QGridLayout(Frame2);
    camera->addWidget(SkinLabel1, 0, 0);
    camera->addWidget(Combo1, 0, 1);
    for (int n = 0; n < PropertyCount; ++n) {
        camera->addWidget(SkinLabel[n], n + 1, 0);
        camera->addWidget(Slider[n], n + 1, 1);
    }
    camera->addWidget(SkinLabel6, PropertyCount + 1, 0);
    camera->addWidget(Label2, PropertyCount + 1, 1);
    camera->setColumnStretch(1, 1);
    camera->setRowStretch(PropertyCount + 2, 1);

    // The preview shows the device's pictures pixel for pixel.
    const int border = 2 * Frame1->frameWidth();
    if (auto *control = qobject_cast<EncoderCaptureControl *>(vcx))
        Frame1->setFixedSize(control->previewSize() + QSize(border, border));
    else
        Frame1->setFixedSize(320 + border, 240 + border);

    auto *middle = new QHBoxLayout;
    middle->addWidget(Frame2, 1);
    middle->addWidget(Frame1, 0, Qt::AlignTop);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton *button : {Command3, Command1, Command2, Command4})
        buttons->addWidget(button);

    auto *window = new QVBoxLayout(this);
    window->addWidget(Frame3);
    window->addLayout(middle, 1);
    window->addLayout(buttons);
}

void Form3::connectControls()
{
    connect(Command1, &QPushButton::clicked, this, &Form3::startCapture);
    connect(Command2, &QPushButton::clicked, this, &Form3::stopCapture);
    connect(Command3, &QPushButton::clicked, this, &Form3::preview);
    connect(Command4, &QPushButton::clicked, this, &QDialog::close);
    connect(Command5, &QPushButton::clicked, this, &Form3::browse);
    connect(Timer1, &QTimer::timeout, this, [this] {
        if (vcx->isCapturing())
            showStatistics();
    });
    for (int n = 0; n < PropertyCount; ++n) {
        // A click on the slider: its thumb let go, or a step by the groove or the keys.
        connect(Slider[n], &QSlider::sliderReleased, this, [this, n] { sliderClicked(n); });
        connect(Slider[n], &QSlider::valueChanged, this, [this, n] {
            if (!Slider[n]->isSliderDown())
                sliderClicked(n);
        });
    }
    connect(vcx, &CaptureControl::previewFrame, Frame1, &CapturePreviewFrame::showFrame);
    connect(vcx, &CaptureControl::previewProblem, Frame1, &CapturePreviewFrame::showProblem);
    connect(vcx, &CaptureControl::captureFailed, this, &Form3::recordingFailed);
    connect(vcx, &CaptureControl::captureInterrupted, this, &Form3::recordingInterrupted);
}

void Form3::load()
{
    Skin::apply(this);
    vcx->setCaptureFile(QDir::homePath() + QStringLiteral("/capture.avi"));
    vcx->setPreview(true);
    for (int i = 0; i < vcx->deviceCount(); ++i)
        Combo1->addItem(vcx->deviceName(i));
    connect(Combo1, &QComboBox::currentIndexChanged, this, &Form3::chooseDevice);
    if (Combo1->count() > 0) {
        Combo1->setCurrentIndex(0);
        chooseDevice(0);
    } else {
        Command1->setEnabled(false);
        Command2->setEnabled(false);
        Command3->setEnabled(false);
        Frame1->showProblem(QStringLiteral("No capture device was found."));
    }
    Timer1->start();
}

bool Form3::hasDevice() const
{
    return Combo1->count() > 0;
}

void Form3::chooseDevice(int index)
{
    if (index < 0)
        return;
    // Another device ends the recording of this one, finished, first.
    if (vcx->isCapturing())
        stopCapture();
    Frame1->clear();
    vcx->setConnected(false);
    vcx->setSelectedDevice(index);
    vcx->setConnected(true);
    refreshSliders();
}

void Form3::refreshSliders()
{
    m_refreshing = true;
    for (int n = 0; n < PropertyCount; ++n) {
        const std::optional<CameraPropertyRange> range = vcx->cameraPropertyRange(n);
        Slider[n]->setEnabled(range.has_value());
        if (!range)
            continue;
        Slider[n]->setRange(range->minimum, range->maximum);
        Slider[n]->setSingleStep(range->step);
        Slider[n]->setPageStep(qMax(range->step, (range->maximum - range->minimum) / 10));
        Slider[n]->setValue(vcx->cameraPropertyValue(n));
    }
    m_refreshing = false;
}

void Form3::sliderClicked(int property)
{
    if (!m_refreshing && Slider[property]->isEnabled())
        vcx->setCameraProperty(property, Slider[property]->value());
}

QString Form3::targetFile() const
{
    QString text = Text1->text().trimmed();
    if (text.isEmpty())
        return QString();
    if (text == QLatin1String("~") || text.startsWith(QLatin1String("~/")))
        text = QDir::homePath() + text.mid(1);
    // A name without a folder goes where the default file goes, not wherever Klevar started.
    return QFileInfo(QDir::home(), text).absoluteFilePath();
}

void Form3::startCapture()
{
    if (!hasDevice())
        return;
    if (vcx->isCapturing()) {
        stopCapture();
        return;
    }
    Desktop &desktop = Desktop::instance();
    const QString target = targetFile();
    if (target.isEmpty()) {
        desktop.showMessage(this, QStringLiteral("Type the name of the file to record into."),
                            Desktop::Icon::Warning);
        return;
    }
    if (QFileInfo::exists(target) && target != m_confirmedFile &&
        !desktop.askYesNo(this, QLatin1String(Caption),
                          QStringLiteral("%1 already exists.\nDo you want to replace it?")
                              .arg(QDir::toNativeSeparators(target)))) {
        return;
    }
    vcx->setCaptureFile(target);
    vcx->setPreview(true);
    if (!vcx->startCapture()) {
        desktop.showMessage(this, vcx->lastError(), Desktop::Icon::Critical);
        return;
    }
    Command1->setEnabled(false);
    Command3->setEnabled(false);
}

void Form3::stopCapture()
{
    const bool wasCapturing = vcx->isCapturing();
    vcx->stopCapture();
    // The final figures replace those of the last tick.
    if (wasCapturing)
        showStatistics();
    recordingEnded();
}

void Form3::recordingEnded()
{
    Command1->setEnabled(hasDevice());
    Command3->setEnabled(hasDevice());
}

void Form3::recordingFailed(const QString &reason)
{
    recordingEnded();
    Desktop::instance().showMessage(this, reason, Desktop::Icon::Critical);
}

void Form3::recordingInterrupted(const QString &reason)
{
    showStatistics();
    recordingEnded();
    Desktop::instance().showMessage(this, reason, Desktop::Icon::Warning);
}

void Form3::preview()
{
    if (!hasDevice())
        return;
    if (vcx->isCapturing())
        stopCapture();
    else
        vcx->setPreview(true);
}

void Form3::browse()
{
    const QString chosen = Desktop::instance().chooseSaveFile(
        this, QStringLiteral("Save Video File"), QStringLiteral("Avi Video file|*.avi"));
    if (chosen.isEmpty())
        return;
    Text1->setText(chosen);
    // The dialog has asked about replacing an existing file.
    m_confirmedFile = QFileInfo(chosen).absoluteFilePath();
}

void Form3::showStatistics()
{
    Label2->setText(vcx->captureStatistics().text());
}

void Form3::done(int result)
{
    Timer1->stop();
    vcx->stopCapture();
    vcx->setConnected(false);
    QDialog::done(result);
}
