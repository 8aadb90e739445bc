#pragma once

// Colours as the program's texts give them, and how well two colours read against each other.

#include <QColor>

namespace hortelia {

/// A colour given as 0x00BBGGRR.
inline QColor DesdeBGR(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

/// The WCAG contrast ratio of two colours, 1 (same) to 21 (black on white); text needs 4.5
/// (AA), lines and large text 3.
double ContrasteWcag(const QColor& a, const QColor& b);

}  // namespace hortelia
