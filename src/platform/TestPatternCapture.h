#pragma once

#include "platform/VideoCapture.h"

#include <QTimer>

// A synthetic camera: moving colour bars with the time drawn on them, so the
// camera window runs without a camera (demonstrations, tests).
class TestPatternCapture : public VideoCapture {
    Q_OBJECT
  public:
    explicit TestPatternCapture(const VideoCaptureDevices::TestPatternSettings& settings);

    int driverCount() const override;
    QString driverName(int index) const override;
    bool setDriverIndex(int index) override;
    QString driverDescription() const override;
    void stopPreview() override;
    bool hasOption(Option option) const override;
    std::vector<VideoFormat> formats() const override;
    bool setFormatIndex(int index) override;
    std::vector<VideoProperty> properties() const override;
    void setPropertyValue(int index, int value) override;
    bool stillBitmap(QByteArray& bytes, QString& error) const override;
    bool canRecord() const override { return driverIndex_ >= 0; }
    // A clip of one second, drawn at once.
    FileError saveCaptureFile(const std::string& path) override;

  private:
    void drawFrame();
    QImage nextFrame();

    VideoCaptureDevices::TestPatternSettings settings_;
    QTimer timer_;
    int step_ = 0;
    int brightness_ = 0;
    int speed_ = 4;
};
