#pragma once

// Bytes from a file shown in a message: what a terminal or a label would act on instead of
// showing (control characters, DEL, bytes that are not UTF-8) is written as \xNN, so that a
// crafted file cannot move the cursor, clear the screen or hide text.

#include <cstddef>
#include <string>
#include <string_view>

namespace hortelia {

/// The first `maximo` bytes of `bytes` (never half a letter), each control character
/// (C0, DEL, C1), each direction or line-separator mark and each byte that is not part of
/// valid UTF-8 as \xNN; valid letters, Spanish ones included, as they are. "…" marks a cut.
std::string TextoVisible(std::string_view bytes, std::size_t maximo);

/// A path or a name as a message quotes it: between double quotes, as TextoVisible shows its
/// first 4096 bytes.
std::string Entrecomillado(std::string_view texto);

}  // namespace hortelia
