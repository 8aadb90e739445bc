#include "scenario/texto_visible.h"

namespace hortelia {
namespace {

// Length of the valid UTF-8 sequence at the start of `s` (no overlong forms, no surrogates,
// nothing above U+10FFFF), 0 when there is none; `punto` gets its code point.
std::size_t SecuenciaUtf8(std::string_view s, char32_t& punto) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = b(0);
    std::size_t n;
    char32_t minimo;
    if (c < 0x80) {
        punto = c;
        return 1;
    }
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        punto = c & 0x1F;
        minimo = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        punto = c & 0x0F;
        minimo = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        punto = c & 0x07;
        minimo = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < n) return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80) return 0;
        punto = (punto << 6) | (b(i) & 0x3F);
    }
    if (punto < minimo || punto > 0x10FFFF || (punto >= 0xD800 && punto <= 0xDFFF)) return 0;
    return n;
}

// Characters shown as their bytes: controls, and the marks that reorder or break lines.
bool EsInvisible(char32_t p) {
    return p < 0x20 || (p >= 0x7F && p <= 0x9F) || p == 0x200E || p == 0x200F || (p >= 0x2028 && p <= 0x202E) ||
           (p >= 0x2066 && p <= 0x2069);
}

void Escapa(std::string& r, std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        r += "\\x";
        r += kHex[u >> 4];
        r += kHex[u & 0x0F];
    }
}

}  // namespace

std::string TextoVisible(std::string_view bytes, std::size_t maximo) {
    std::string r;
    std::size_t i = 0;
    while (i < bytes.size()) {
        char32_t punto = 0;
        const std::size_t n = SecuenciaUtf8(bytes.substr(i), punto);
        const std::size_t largo = n == 0 ? 1 : n;
        if (i + largo > maximo) break;
        if (n == 0 || EsInvisible(punto)) Escapa(r, bytes.substr(i, largo));
        else r.append(bytes.substr(i, n));
        i += largo;
    }
    if (i < bytes.size()) r += "…";
    return r;
}

std::string Entrecomillado(std::string_view texto) { return "\"" + TextoVisible(texto, 4096) + "\""; }

}  // namespace hortelia
