#pragma once

namespace StartUp {
// Waits the given number of seconds (fractions allowed) while window events
// keep being handled. Measured on a monotonic clock, so a wait that spans
// midnight or a change of the system time still ends on time.
void Pause(double seconds);

// How many pauses are waiting now, one inside another: an event handled
// while it is above 0 arrived during a pause.
int PausesWaiting();

// Tests shorten every pause by this factor (1 = real time).
void SetPauseScale(double factor);
// How many milliseconds a pause of the given seconds lasts.
int PauseMilliseconds(double seconds);
} // namespace StartUp
