#pragma once

#include "core/ProgramState.h"

class QWidget;

namespace SampleDataRun {

// Fills the data folder with sample bookings for 2010-2012 after asking
// before it replaces month files already there; nothing in read-only mode,
// and nothing while a run is going. The desk's "Test Data" button (found by
// its name under window) stays disabled during the run. Returns whether any
// month file was written while window still exists.
bool Run(ProgramState& state, QWidget* window);

} // namespace SampleDataRun
