#pragma once

#include <string>
#include <vector>

namespace Passes {

// One dark bar, in modules from the symbol's left edge.
struct Bar {
    double x = 0;
    double width = 0;
};

// A Code 39 symbol with its start and stop characters, as bars to draw at
// any size: widthModules is the symbol's whole width. Empty bars when the
// text cannot be encoded (Code 39 takes digits, capitals, blank and - . $ / + %).
struct Code39Symbol {
    std::vector<Bar> bars;
    double widthModules = 0;
};

Code39Symbol EncodeCode39(const std::string& text);

} // namespace Passes
