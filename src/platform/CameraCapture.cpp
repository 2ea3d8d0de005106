#include "platform/CameraCapture.h"

#include <QAudioDevice>
#include <QAudioInput>
#include <QCamera>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QMediaFormat>
#include <QMediaRecorder>
#include <QTimer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoFrameFormat>
#include <QVideoSink>

#include <cmath>

namespace {
constexpr int ClipMs = 5000;

QString PixelFormatName(QVideoFrameFormat::PixelFormat format) {
    switch (format) {
    case QVideoFrameFormat::Format_YUYV:
        return QStringLiteral("YUYV");
    case QVideoFrameFormat::Format_UYVY:
        return QStringLiteral("UYVY");
    case QVideoFrameFormat::Format_NV12:
        return QStringLiteral("NV12");
    case QVideoFrameFormat::Format_YUV420P:
        return QStringLiteral("I420");
    case QVideoFrameFormat::Format_Jpeg:
        return QStringLiteral("MJPG");
    default:
        return QStringLiteral("RGB");
    }
}
} // namespace

CameraCapture::CameraCapture()
    : devices_(QMediaDevices::videoInputs()), session_(std::make_unique<QMediaCaptureSession>()),
      sink_(std::make_unique<QVideoSink>()), recorder_(std::make_unique<QMediaRecorder>()) {
    session_->setVideoSink(sink_.get());
    session_->setRecorder(recorder_.get());
    // Kept whether shown or not: SNAP saves the latest frame.
    connect(sink_.get(), &QVideoSink::videoFrameChanged, this,
            [this](const QVideoFrame& frame) { deliverFrame(frame.toImage()); });
    const QCameraDevice preferred = QMediaDevices::defaultVideoInput();
    const int first = devices_.indexOf(preferred);
    if (!devices_.isEmpty())
        setDriverIndex(first >= 0 ? first : 0);
}

CameraCapture::~CameraCapture() {
    recorder_->stop();
    if (camera_)
        camera_->stop();
}

int CameraCapture::driverCount() const {
    return static_cast<int>(devices_.size());
}

QString CameraCapture::driverName(int index) const {
    return index >= 0 && index < devices_.size() ? devices_[index].description() : QString();
}

bool CameraCapture::setDriverIndex(int index) {
    if (index < 0 || index >= devices_.size())
        return false;
    auto camera = std::make_unique<QCamera>(devices_[index]);
    if (camera->error() != QCamera::NoError)
        return false;
    if (camera_)
        camera_->stop();
    camera_ = std::move(camera);
    connect(camera_.get(), &QCamera::errorOccurred, this,
            [this](QCamera::Error error, const QString& text) { emit errorReport(static_cast<int>(error), text); });
    connect(camera_.get(), &QCamera::activeChanged, this, [this](bool active) {
        emit statusReport(active ? 1 : 2, active ? QStringLiteral("Camera running") : QStringLiteral("Camera stopped"));
    });
    session_->setCamera(camera_.get());
    driverIndex_ = index;
    formatIndex_ = -1;
    clearFrame();
    camera_->start();
    return true;
}

QString CameraCapture::driverDescription() const {
    if (driverIndex_ < 0)
        return QString();
    return devices_[driverIndex_].description() + QStringLiteral(" (") +
           QString::fromUtf8(devices_[driverIndex_].id()) + QStringLiteral(")");
}

void CameraCapture::stopPreview() {
    if (camera_)
        camera_->stop();
}

bool CameraCapture::hasOption(Option option) const {
    if (driverIndex_ < 0)
        return false;
    switch (option) {
    case Option::Audio:
        return canRecord() && !QMediaDevices::audioInputs().isEmpty();
    case Option::PreRoll:
    case Option::UserConfirm:
        return false;
    default:
        return true;
    }
}

void CameraCapture::setOption(Option option, bool on) {
    VideoCapture::setOption(option, on);
    if (option == Option::Audio) {
        audio_ = on ? std::make_unique<QAudioInput>() : nullptr;
        session_->setAudioInput(audio_.get());
    }
}

std::vector<VideoFormat> CameraCapture::formats() const {
    std::vector<VideoFormat> all;
    if (driverIndex_ < 0)
        return all;
    for (const QCameraFormat& f : devices_[driverIndex_].videoFormats())
        all.push_back({f.resolution(), PixelFormatName(f.pixelFormat()), f.maxFrameRate()});
    return all;
}

bool CameraCapture::setFormatIndex(int index) {
    if (!VideoCapture::setFormatIndex(index))
        return false;
    camera_->setCameraFormat(devices_[driverIndex_].videoFormats()[index]);
    return true;
}

std::vector<CameraCapture::Property> CameraCapture::offeredProperties() const {
    std::vector<Property> offered;
    if (!camera_)
        return offered;
    if (camera_->maximumZoomFactor() > 1.0f)
        offered.push_back(Property::Zoom);
    if (camera_->supportedFeatures() & QCamera::Feature::ExposureCompensation)
        offered.push_back(Property::Exposure);
    if (camera_->supportedFeatures() & QCamera::Feature::ColorTemperature)
        offered.push_back(Property::ColourTemperature);
    return offered;
}

std::vector<VideoProperty> CameraCapture::properties() const {
    std::vector<VideoProperty> all;
    for (Property p : offeredProperties()) {
        switch (p) {
        case Property::Zoom:
            all.push_back({QStringLiteral("Zoom (x10)"),
                           static_cast<int>(std::lround(camera_->minimumZoomFactor() * 10)),
                           static_cast<int>(std::lround(camera_->maximumZoomFactor() * 10)),
                           static_cast<int>(std::lround(camera_->zoomFactor() * 10))});
            break;
        case Property::Exposure:
            all.push_back({QStringLiteral("Exposure (EV x10)"), -20, 20,
                           static_cast<int>(std::lround(camera_->exposureCompensation() * 10))});
            break;
        case Property::ColourTemperature:
            all.push_back({QStringLiteral("Colour temperature (K)"), 2000, 10000, camera_->colorTemperature()});
            break;
        }
    }
    return all;
}

void CameraCapture::setPropertyValue(int index, int value) {
    const auto offered = offeredProperties();
    if (index < 0 || index >= static_cast<int>(offered.size()))
        return;
    switch (offered[index]) {
    case Property::Zoom:
        camera_->setZoomFactor(value / 10.0f);
        break;
    case Property::Exposure:
        camera_->setExposureCompensation(value / 10.0f);
        break;
    case Property::ColourTemperature:
        camera_->setColorTemperature(value);
        break;
    }
}

bool CameraCapture::canRecord() const {
    return driverIndex_ >= 0 && recorder_->isAvailable();
}

FileError CameraCapture::saveCaptureFile(const std::string& path) {
    if (!canRecord())
        return VideoCapture::saveCaptureFile(path);
    // The recorder takes its file by a URL, which is text.
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
    QMediaFormat format(QFileInfo(file).suffix().compare(QStringLiteral("avi"), Qt::CaseInsensitive) == 0
                            ? QMediaFormat::AVI
                            : QMediaFormat::UnspecifiedFormat);
    recorder_->setMediaFormat(format);
    recorder_->setOutputLocation(QUrl::fromLocalFile(file));
    QString failure;
    QEventLoop loop;
    const auto onError = connect(recorder_.get(), &QMediaRecorder::errorOccurred, &loop,
                                 [&](QMediaRecorder::Error, const QString& text) {
                                     failure = text;
                                     loop.quit();
                                 });
    const auto onState = connect(recorder_.get(), &QMediaRecorder::recorderStateChanged, &loop,
                                 [&](QMediaRecorder::RecorderState state) {
                                     if (state == QMediaRecorder::StoppedState)
                                         loop.quit();
                                 });
    QTimer::singleShot(ClipMs, recorder_.get(), &QMediaRecorder::stop);
    QTimer::singleShot(2 * ClipMs, &loop, &QEventLoop::quit); // a recorder that never reports
    recorder_->record();
    if (recorder_->recorderState() != QMediaRecorder::StoppedState || failure.isEmpty())
        loop.exec();
    disconnect(onError);
    disconnect(onState);
    if (failure.isEmpty() && recorder_->recorderState() != QMediaRecorder::StoppedState) {
        recorder_->stop();
        failure = QStringLiteral("The camera did not finish the recording");
    }
    // A recorder that stopped without a word may still have written nothing.
    if (failure.isEmpty() && QFileInfo(file).size() <= 0)
        failure = QStringLiteral("The camera wrote no recording");
    if (!failure.isEmpty())
        return {ErrorNumber::PathFileAccess, failure.toLocal8Bit().toStdString()};
    return FileError::None();
}

std::unique_ptr<VideoCapture> VideoCaptureDevices::MakeSystemCameras() {
    return std::make_unique<CameraCapture>();
}
