#include "core/passes/Code39.h"

#include <zint.h>

#include <algorithm>
#include <limits>
#include <memory>

Passes::Code39Symbol Passes::EncodeCode39(const std::string& text) {
    Code39Symbol out;
    if (text.empty())
        return out;
    const std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> symbol(ZBarcode_Create(), ZBarcode_Delete);
    if (!symbol)
        return out;
    symbol->symbology = BARCODE_CODE39;
    symbol->show_hrt = 0;
    if (ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(text.data()),
                        static_cast<int>(text.size())) >= ZINT_ERROR ||
        ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR || !symbol->vector)
        return out;
    double left = std::numeric_limits<double>::max(), right = 0;
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next) {
        left = std::min(left, static_cast<double>(r->x));
        right = std::max(right, static_cast<double>(r->x + r->width));
    }
    if (right <= left)
        return out;
    // zint draws at its own scale; the bars are given in modules of the narrowest bar.
    double narrowest = std::numeric_limits<double>::max();
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next)
        narrowest = std::min(narrowest, static_cast<double>(r->width));
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next)
        out.bars.push_back({(r->x - left) / narrowest, r->width / narrowest});
    std::sort(out.bars.begin(), out.bars.end(), [](const Bar& a, const Bar& b) { return a.x < b.x; });
    out.widthModules = (right - left) / narrowest;
    return out;
}
