#pragma once

#include "core/FileError.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A picture size and pixel format a capture device offers.
struct VideoFormat {
    QSize resolution;
    QString pixelFormat;
    double maxFrameRate = 0;
    QString text() const; // "352 x 288  RGB24  30 fps"
};

// A setting of the device's own (brightness, zoom...), as a whole-number range.
struct VideoProperty {
    QString name;
    int minimum = 0;
    int maximum = 0;
    int value = 0;
};

// A video-capture device driver as the camera window uses it: a list of
// devices, one of them connected, its live picture, options, formats and
// properties, and a still frame as a Windows bitmap.
class VideoCapture : public QObject {
    Q_OBJECT
  public:
    enum class Option { Preview, Stretch, Center, AutoSize, Audio, PreRoll, UserConfirm, FrameCallback };
    enum class Dialog { Source, Format, Display, Compression, Audio };

    // A still of this size stays well within 100000 bytes as a 24-bit bitmap.
    static constexpr QSize DefaultStillSize{176, 144};

    ~VideoCapture() override;

    virtual int driverCount() const = 0;
    virtual QString driverName(int index) const = 0;
    int driverIndex() const { return driverIndex_; }
    // Connects device index; false when it could not (the previous one stays).
    virtual bool setDriverIndex(int index) = 0;
    virtual QString driverDescription() const = 0;
    // Stops the connected device's picture (a camera's light goes out).
    virtual void stopPreview() = 0;

    virtual bool hasOption(Option option) const = 0;
    bool option(Option option) const;
    virtual void setOption(Option option, bool on);

    // A dialog is offered only when it has something to show.
    virtual bool hasDialog(Dialog dialog) const;
    virtual std::vector<VideoFormat> formats() const = 0;
    int formatIndex() const { return formatIndex_; }
    virtual bool setFormatIndex(int index);
    virtual std::vector<VideoProperty> properties() const = 0;
    virtual void setPropertyValue(int index, int value) = 0;

    QImage latestFrame() const { return latest_; }
    // The chosen format's size, or DefaultStillSize until one is chosen.
    QSize stillSize() const;
    // The current frame at the still size as a 24-bit Windows bitmap; false
    // with a description when there is none.
    virtual bool stillBitmap(QByteArray& bytes, QString& error) const;

    virtual bool canRecord() const { return false; }
    // Records a short clip from the connected device into the file the path's
    // bytes name. A failure of the device itself has its words as the
    // error's description, in the locale's encoding as the system's are.
    virtual FileError saveCaptureFile(const std::string& path);

    // The capture prepared by a pre-roll.
    virtual void startCapture() {}
    virtual void stopCapture() {}

  signals:
    void frameChanged();
    void statusReport(int code, const QString& text);
    void errorReport(int code, const QString& text);
    void frameCallback(const QImage& frame);
    void preRollComplete();

  protected:
    void deliverFrame(const QImage& frame);
    void clearFrame();

    int driverIndex_ = -1;
    int formatIndex_ = -1;

  private:
    QImage latest_;
    bool options_[8] = {true, true, false, false, false, false, false, false};
};

// Where the camera window gets its capture driver from.
namespace VideoCaptureDevices {

struct TestPatternSettings {
    bool devicePresent = true;
    // A second device, "Broken camera", that never connects.
    bool brokenDevice = false;
    // When set, a still is padded to exactly this many bytes.
    qint64 stillBytes = 0;
};

using Maker = std::function<std::unique_ptr<VideoCapture>()>;

// The test pattern when KESTRANE_TEST_CAMERA=1, else the system's cameras;
// a maker set by a test comes first.
std::unique_ptr<VideoCapture> Open();
void SetMaker(Maker maker);

std::unique_ptr<VideoCapture> MakeTestPattern(const TestPatternSettings& settings = {});
std::unique_ptr<VideoCapture> MakeSystemCameras();

} // namespace VideoCaptureDevices
