#pragma once

#include <QWidget>

class VideoCapture;

// Shows the live picture of a capture device as its options ask: only with
// preview on, stretched to the control or at its own size (centred or at the
// top left), and the control sized to the picture with auto-size.
class VideoPreview : public QWidget {
    Q_OBJECT
  public:
    explicit VideoPreview(QWidget* parent = nullptr);
    void setCapture(VideoCapture* capture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void frameChanged();

    VideoCapture* capture_ = nullptr;
};
