#include "ui/colores.h"

#include <algorithm>
#include <cmath>

namespace hortelia {
namespace {

// Relative luminance of an sRGB colour.
double Luminancia(const QColor& c) {
    auto lineal = [](int canal) {
        const double v = canal / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineal(c.red()) + 0.7152 * lineal(c.green()) + 0.0722 * lineal(c.blue());
}

}  // namespace

double ContrasteWcag(const QColor& a, const QColor& b) {
    const double la = Luminancia(a), lb = Luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace hortelia
