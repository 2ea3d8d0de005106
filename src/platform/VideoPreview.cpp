#include "platform/VideoPreview.h"

#include "platform/VideoCapture.h"

#include <QPainter>

VideoPreview::VideoPreview(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VideoPreview::setCapture(VideoCapture* capture) {
    if (capture_)
        disconnect(capture_, nullptr, this, nullptr);
    capture_ = capture;
    if (capture_)
        connect(capture_, &VideoCapture::frameChanged, this, &VideoPreview::frameChanged);
    update();
}

void VideoPreview::frameChanged() {
    using Option = VideoCapture::Option;
    if (capture_ && capture_->option(Option::AutoSize) && capture_->option(Option::Preview)) {
        const QSize frame = capture_->latestFrame().size();
        if (!frame.isEmpty() && frame != size())
            resize(frame);
    }
    update();
}

void VideoPreview::paintEvent(QPaintEvent*) {
    using Option = VideoCapture::Option;
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!capture_ || !capture_->option(Option::Preview))
        return;
    const QImage frame = capture_->latestFrame();
    if (frame.isNull())
        return;
    if (capture_->option(Option::Stretch)) {
        p.drawImage(rect(), frame);
        return;
    }
    QPoint at(0, 0);
    if (capture_->option(Option::Center))
        at = QPoint((width() - frame.width()) / 2, (height() - frame.height()) / 2);
    p.drawImage(at, frame);
}
