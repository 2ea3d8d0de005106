#pragma once

class QWidget;
class VideoCapture;

// The capture device's own dialogs, built from what the device offers.
namespace CaptureDialogs {

// Lists the device's formats and resolutions; OK makes the chosen one the
// device's format (and the size of its stills). Returns whether one was chosen.
bool ChooseFormat(VideoCapture& capture, QWidget* parent);

// One box per property of the device; each change applies at once.
void EditSource(VideoCapture& capture, QWidget* parent);

} // namespace CaptureDialogs
