#pragma once

#include "platform/VideoCapture.h"

#include <QCameraDevice>
#include <QList>

class QAudioInput;
class QCamera;
class QMediaCaptureSession;
class QMediaRecorder;
class QVideoSink;

// The system's cameras through QtMultimedia.
class CameraCapture : public VideoCapture {
    Q_OBJECT
  public:
    CameraCapture();
    ~CameraCapture() override;

    int driverCount() const override;
    QString driverName(int index) const override;
    bool setDriverIndex(int index) override;
    QString driverDescription() const override;
    void stopPreview() override;
    bool hasOption(Option option) const override;
    void setOption(Option option, bool on) override;
    std::vector<VideoFormat> formats() const override;
    bool setFormatIndex(int index) override;
    std::vector<VideoProperty> properties() const override;
    void setPropertyValue(int index, int value) override;
    bool canRecord() const override;
    FileError saveCaptureFile(const std::string& path) override;

  private:
    enum class Property { Zoom, Exposure, ColourTemperature };
    std::vector<Property> offeredProperties() const;

    QList<QCameraDevice> devices_;
    std::unique_ptr<QMediaCaptureSession> session_;
    std::unique_ptr<QVideoSink> sink_;
    std::unique_ptr<QCamera> camera_;
    std::unique_ptr<QMediaRecorder> recorder_;
    std::unique_ptr<QAudioInput> audio_;
};
