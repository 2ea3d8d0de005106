#include "platform/VideoCapture.h"

#include <QBuffer>

#include <cstdlib>
#include <string_view>

namespace {
VideoCaptureDevices::Maker& maker() {
    static VideoCaptureDevices::Maker m;
    return m;
}

// Fills size from the middle of frame, as a device cropping to its format.
QImage Framed(const QImage& frame, QSize size) {
    if (frame.size() == size)
        return frame;
    const QImage scaled = frame.scaled(size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return scaled.copy((scaled.width() - size.width()) / 2, (scaled.height() - size.height()) / 2, size.width(),
                       size.height());
}
} // namespace

QString VideoFormat::text() const {
    QString t = QStringLiteral("%1 x %2").arg(resolution.width()).arg(resolution.height());
    if (!pixelFormat.isEmpty())
        t += QStringLiteral("  ") + pixelFormat;
    if (maxFrameRate > 0)
        t += QStringLiteral("  %1 fps").arg(maxFrameRate, 0, 'g', 3);
    return t;
}

VideoCapture::~VideoCapture() = default;

bool VideoCapture::option(Option o) const {
    return options_[static_cast<int>(o)];
}

void VideoCapture::setOption(Option o, bool on) {
    options_[static_cast<int>(o)] = on;
    emit frameChanged();
}

bool VideoCapture::hasDialog(Dialog dialog) const {
    if (driverIndex_ < 0)
        return false;
    switch (dialog) {
    case Dialog::Format:
        return !formats().empty();
    case Dialog::Source:
        return !properties().empty();
    default:
        return false;
    }
}

bool VideoCapture::setFormatIndex(int index) {
    if (index < 0 || index >= static_cast<int>(formats().size()))
        return false;
    formatIndex_ = index;
    return true;
}

QSize VideoCapture::stillSize() const {
    const auto all = formats();
    if (formatIndex_ >= 0 && formatIndex_ < static_cast<int>(all.size()) && !all[formatIndex_].resolution.isEmpty())
        return all[formatIndex_].resolution;
    return DefaultStillSize;
}

bool VideoCapture::stillBitmap(QByteArray& bytes, QString& error) const {
    bytes.clear();
    if (driverIndex_ < 0) {
        error = QStringLiteral("No camera is connected");
        return false;
    }
    if (latest_.isNull()) {
        error = QStringLiteral("The camera has not delivered a picture yet");
        return false;
    }
    const QImage still = Framed(latest_, stillSize()).convertToFormat(QImage::Format_RGB888);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!still.save(&buffer, "BMP")) {
        error = QStringLiteral("The picture could not be made into a bitmap");
        return false;
    }
    return true;
}

FileError VideoCapture::saveCaptureFile(const std::string&) {
    return {ErrorNumber::PathFileAccess, "This camera cannot record video"};
}

void VideoCapture::deliverFrame(const QImage& frame) {
    latest_ = frame;
    emit frameChanged();
    if (option(Option::FrameCallback))
        emit frameCallback(frame);
}

void VideoCapture::clearFrame() {
    latest_ = QImage();
    emit frameChanged();
}

std::unique_ptr<VideoCapture> VideoCaptureDevices::Open() {
    if (maker())
        return maker()();
    const char* test = std::getenv("KESTRANE_TEST_CAMERA");
    if (test && std::string_view(test) == "1")
        return MakeTestPattern();
    return MakeSystemCameras();
}

void VideoCaptureDevices::SetMaker(Maker m) {
    maker() = std::move(m);
}
