#pragma once

#include "core/desk/CurrentRecord.h"

#include <string>

namespace PassLabel {

struct Look {
    std::string caption;
    long backColour; // blue-green-red
};

// What the pass label says of a booking on a given day ("dd-mm-yyyy").
Look For(const BookingFields& booking, const std::string& today);

} // namespace PassLabel
