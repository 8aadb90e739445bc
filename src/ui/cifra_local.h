#pragma once

// Figures a person reads, on screen or on paper, in the user's language: "1.234,5" in Spanish,
// "1,234.5" in English. Files that programs read keep the exact value with a point.

#include <QString>

namespace hortelia {

/// `x` with `decimales` decimals (0 to 15), rounded half away from zero on its exact binary
/// value (0.125 -> "0,13"; 2.675, held as 2.67499999..., -> "2,67"), with the default locale's
/// decimal and group separators, and never a negative zero ("-0,001" -> "0,00").
QString CifraLocal(double x, int decimales);

}  // namespace hortelia
