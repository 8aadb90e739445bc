#include "weather/csv.h"

#include "numeros/conversiones.h"

#include <algorithm>
#include <array>

namespace hortelia {
namespace {

constexpr char32_t kReemplazo = 0xFFFD;

void AgregaUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-8 as Unicode defines it well formed: no overlong forms, no surrogates, nothing past U+10FFFF.
bool EsUtf8(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char b = byte(i);
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t n = 0;
        unsigned char bajo = 0x80, alto = 0xBF;  // the range of the byte after the first
        if (b >= 0xC2 && b <= 0xDF) {
            n = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            n = 2;
            if (b == 0xE0) bajo = 0xA0;
            if (b == 0xED) alto = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            n = 3;
            if (b == 0xF0) bajo = 0x90;
            if (b == 0xF4) alto = 0x8F;
        } else {
            return false;
        }
        if (i + n >= s.size()) return false;
        for (std::size_t k = 1; k <= n; ++k) {
            const unsigned char c = byte(i + k);
            if (k == 1 ? (c < bajo || c > alto) : (c < 0x80 || c > 0xBF)) return false;
        }
        i += n + 1;
    }
    return true;
}

// Windows-1252 from 0x80 to 0x9F; 0 where it defines no character. From 0xA0 up it is Latin-1.
constexpr std::array<char16_t, 32> kWindows1252{0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::string DeWindows1252(std::string_view s) {
    std::string r;
    r.reserve(s.size() + s.size() / 8);
    for (const char ch : s) {
        const auto b = static_cast<unsigned char>(ch);
        char32_t c = b;
        if (b >= 0x80 && b < 0xA0) c = kWindows1252[b - 0x80] ? kWindows1252[b - 0x80] : kReemplazo;
        AgregaUtf8(r, c);
    }
    return r;
}

std::string DeUtf16(std::string_view s, bool bigEndian) {
    std::string r;
    r.reserve(s.size() / 2 + s.size() / 8);
    const auto unidad = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(s[i]), b = static_cast<unsigned char>(s[i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    std::size_t i = 0;
    for (; i + 1 < s.size(); i += 2) {
        const char32_t u = unidad(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < s.size()) {
            const char32_t v = unidad(i + 2);
            if (v >= 0xDC00 && v <= 0xDFFF) {
                AgregaUtf8(r, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
                i += 2;
                continue;
            }
        }
        AgregaUtf8(r, u >= 0xD800 && u <= 0xDFFF ? kReemplazo : u);
    }
    if (i < s.size()) AgregaUtf8(r, kReemplazo);
    return r;
}

}  // namespace

std::string_view NombreCodificacion(Codificacion c) {
    switch (c) {
    case Codificacion::Utf8: return "UTF-8";
    case Codificacion::Windows1252: return "Windows-1252";
    case Codificacion::Utf16LE: return "UTF-16LE";
    case Codificacion::Utf16BE: break;
    }
    return "UTF-16BE";
}

TextoDecodificado DecodificaTexto(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return {std::string(bytes.substr(3)), Codificacion::Utf8};
    if (bytes.substr(0, 2) == "\xFF\xFE") return {DeUtf16(bytes.substr(2), false), Codificacion::Utf16LE};
    if (bytes.substr(0, 2) == "\xFE\xFF") return {DeUtf16(bytes.substr(2), true), Codificacion::Utf16BE};
    if (EsUtf8(bytes)) return {std::string(bytes), Codificacion::Utf8};
    return {DeWindows1252(bytes), Codificacion::Windows1252};
}

std::vector<LineaTexto> LineasDeTexto(std::string_view texto) {
    std::vector<LineaTexto> lineas;
    lineas.reserve(static_cast<std::size_t>(std::count(texto.begin(), texto.end(), '\n')) + 1);
    int numero = 0;
    std::size_t i = 0;
    while (i < texto.size()) {
        // The line ends at its first CR or LF (two searches for one byte are faster than one for either).
        std::size_t fin = std::min(texto.find('\n', i), texto.size());
        fin = std::min(texto.substr(0, fin).find('\r', i), fin);
        lineas.push_back({texto.substr(i, fin - i), ++numero});
        if (fin == texto.size()) break;
        // A run of CRs ended by an LF is one line end; otherwise each CR of the run ends a line.
        std::size_t j = fin;
        while (j < texto.size() && texto[j] == '\r') ++j;
        if (j < texto.size() && texto[j] == '\n') {
            i = j + 1;
            continue;
        }
        for (std::size_t k = fin + 1; k < j; ++k) lineas.push_back({texto.substr(k, 0), ++numero});
        i = j;
    }
    return lineas;
}

std::string_view SinBlancos(std::string_view s) {
    while (!s.empty() && EsBlanco(s.front())) s.remove_prefix(1);
    while (!s.empty() && EsBlanco(s.back())) s.remove_suffix(1);
    return s;
}

FilaCsv CeldasDeLinea(std::string_view linea, char separador) {
    FilaCsv fila;
    const auto mala = [&](std::string problema) {
        fila.columnaMala = static_cast<int>(fila.celdas.size()) + 1;
        fila.problema = std::move(problema);
        return fila;
    };
    const auto saltaBlancos = [&](std::size_t& i) {
        while (i < linea.size() && EsBlanco(linea[i]) && linea[i] != separador) ++i;
    };
    std::size_t i = 0;
    for (;;) {
        saltaBlancos(i);
        const bool comillas = i < linea.size() && linea[i] == '"';
        std::string celda;
        std::size_t fin = 0;
        if (comillas) {
            bool cerrada = false;
            for (++i; i < linea.size() && !cerrada; ++i) {
                if (linea[i] != '"') celda += linea[i];
                else if (i + 1 < linea.size() && linea[i + 1] == '"') celda += linea[++i];
                else cerrada = true;
            }
            if (!cerrada) return mala("la comilla que abre la celda no se cierra en su línea");
            saltaBlancos(i);
            if (i < linea.size() && linea[i] != separador)
                return mala(
                    "hay texto después de la comilla que cierra la celda: escriba la celda entera "
                    "entre comillas");
            celda = SinBlancos(celda);
            fin = i;
        } else {
            fin = std::min(linea.find(separador, i), linea.size());
            celda = SinBlancos(linea.substr(i, fin - i));
        }
        fila.celdas.push_back(std::move(celda));
        fila.entreComillas.push_back(comillas);
        if (fin == linea.size()) return fila;
        i = fin + 1;
    }
}

void CamposDeLinea(std::string_view linea, char separador, std::vector<std::string_view>& campos,
                   std::size_t hasta) {
    campos.clear();
    const char* p = linea.data();
    const char* const fin = p + linea.size();
    for (;;) {
        const char* corte = campos.size() + 1 == hasta ? fin : std::find(p, fin, separador);
        campos.push_back(SinBlancos(std::string_view(p, static_cast<std::size_t>(corte - p))));
        if (corte == fin) return;
        p = corte + 1;
    }
}

char SeparadorDeTitulo(std::string_view linea) {
    if (linea.find('\t') != std::string_view::npos) return '\t';
    if (linea.find(';') != std::string_view::npos) return ';';
    return ',';
}

bool EsLineaSinDatos(std::string_view linea) {
    const std::string_view limpia = SinBlancos(linea);
    return limpia.empty() || limpia.front() == '#';
}

bool CeldasVacias(const std::vector<std::string>& celdas) {
    return std::all_of(celdas.begin(), celdas.end(), [](const std::string& c) { return c.empty(); });
}

}  // namespace hortelia
