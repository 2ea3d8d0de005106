#include "platform/TestPatternCapture.h"

#include "core/AtomicFile.h"
#include "core/passes/AviFile.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QTime>

#include <algorithm>

namespace {
const QSize FrameSizes[] = {{176, 144}, {320, 240}, {352, 288}, {640, 480}};
constexpr int FrameIntervalMs = 100;
// What precedes the pixels in a 24-bit bitmap file.
constexpr int BitmapHeaderBytes = 54;

void PutLittleEndian32(QByteArray& bytes, int at, quint32 value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}
} // namespace

TestPatternCapture::TestPatternCapture(const VideoCaptureDevices::TestPatternSettings& settings) : settings_(settings) {
    timer_.setInterval(FrameIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &TestPatternCapture::drawFrame);
    if (settings_.devicePresent)
        setDriverIndex(0);
}

int TestPatternCapture::driverCount() const {
    return settings_.devicePresent ? (settings_.brokenDevice ? 2 : 1) : 0;
}

QString TestPatternCapture::driverName(int index) const {
    if (index == 0 && settings_.devicePresent)
        return QStringLiteral("Test pattern");
    return index == 1 && driverCount() == 2 ? QStringLiteral("Broken camera") : QString();
}

bool TestPatternCapture::setDriverIndex(int index) {
    if (index != 0 || !settings_.devicePresent)
        return false;
    driverIndex_ = 0;
    drawFrame();
    timer_.start();
    emit statusReport(1, QStringLiteral("Test pattern connected"));
    return true;
}

QString TestPatternCapture::driverDescription() const {
    return settings_.devicePresent ? QStringLiteral("Test pattern: colour bars and the time") : QString();
}

void TestPatternCapture::stopPreview() {
    timer_.stop();
}

bool TestPatternCapture::hasOption(Option option) const {
    return driverIndex_ >= 0 && option != Option::Audio && option != Option::PreRoll && option != Option::UserConfirm;
}

std::vector<VideoFormat> TestPatternCapture::formats() const {
    std::vector<VideoFormat> all;
    if (settings_.devicePresent)
        for (const QSize& size : FrameSizes)
            all.push_back({size, QStringLiteral("RGB24"), 1000.0 / FrameIntervalMs});
    return all;
}

bool TestPatternCapture::setFormatIndex(int index) {
    if (!VideoCapture::setFormatIndex(index))
        return false;
    drawFrame();
    return true;
}

std::vector<VideoProperty> TestPatternCapture::properties() const {
    if (!settings_.devicePresent)
        return {};
    return {{QStringLiteral("Brightness"), -100, 100, brightness_}, {QStringLiteral("Bar speed"), 0, 10, speed_}};
}

void TestPatternCapture::setPropertyValue(int index, int value) {
    const auto all = properties();
    if (index < 0 || index >= static_cast<int>(all.size()))
        return;
    value = std::clamp(value, all[index].minimum, all[index].maximum);
    (index == 0 ? brightness_ : speed_) = value;
    drawFrame();
}

bool TestPatternCapture::stillBitmap(QByteArray& bytes, QString& error) const {
    if (!VideoCapture::stillBitmap(bytes, error))
        return false;
    if (settings_.stillBytes > bytes.size()) {
        const int size = static_cast<int>(settings_.stillBytes);
        bytes.append(QByteArray(size - bytes.size(), '\0'));
        PutLittleEndian32(bytes, 2, static_cast<quint32>(size));
    }
    return true;
}

FileError TestPatternCapture::saveCaptureFile(const std::string& path) {
    if (!canRecord())
        return VideoCapture::saveCaptureFile(path);
    constexpr int framesPerSecond = 1000 / FrameIntervalMs;
    std::vector<std::string> frames;
    QSize size;
    for (int i = 0; i < framesPerSecond; ++i) {
        const QImage frame = nextFrame().convertToFormat(QImage::Format_RGB888);
        size = frame.size();
        QByteArray bitmap;
        QBuffer buffer(&bitmap);
        buffer.open(QIODevice::WriteOnly);
        frame.save(&buffer, "BMP");
        frames.emplace_back(bitmap.constData() + BitmapHeaderBytes, bitmap.size() - BitmapHeaderBytes);
    }
    return WriteFileAtomically(path, AviFile::UncompressedVideo(size.width(), size.height(), framesPerSecond, frames));
}

void TestPatternCapture::drawFrame() {
    deliverFrame(nextFrame());
}

QImage TestPatternCapture::nextFrame() {
    const QSize size = formatIndex_ >= 0 ? FrameSizes[formatIndex_] : QSize(320, 240);
    QImage frame(size, QImage::Format_RGB32);
    QPainter p(&frame);
    static const QColor bars[] = {Qt::white,   Qt::yellow, Qt::cyan, Qt::green,
                                  Qt::magenta, Qt::red,    Qt::blue, Qt::black};
    const int barWidth = std::max(1, size.width() / 8);
    // The bars slide right, each colour handing on to the next.
    const int shift = step_ % barWidth;
    const int turn = step_ / barWidth;
    for (int i = -1; i < 9; ++i) {
        QColor c = bars[((i - turn) % 8 + 8) % 8];
        c = brightness_ >= 0 ? c.lighter(100 + brightness_) : c.darker(100 - brightness_);
        p.fillRect(i * barWidth + shift, 0, barWidth, size.height(), c);
    }
    QFont font = p.font();
    font.setPixelSize(std::max(10, size.height() / 8));
    font.setBold(true);
    p.setFont(font);
    const QRect band(0, size.height() * 2 / 3, size.width(), size.height() / 5);
    p.fillRect(band, QColor(0, 0, 0, 160));
    p.setPen(Qt::white);
    p.drawText(band, Qt::AlignCenter, QTime::currentTime().toString(QStringLiteral("HH:mm:ss.z")));
    p.end();
    step_ += speed_;
    return frame;
}

std::unique_ptr<VideoCapture> VideoCaptureDevices::MakeTestPattern(const TestPatternSettings& settings) {
    return std::make_unique<TestPatternCapture>(settings);
}
