#include "weather/calendario.h"

#include "numeros/conversiones.h"

#include <array>
#include <cstdio>

namespace hortelia {
namespace {

std::string_view SinBlancos(std::string_view s) {
    while (!s.empty() && EsBlanco(s.front())) s.remove_prefix(1);
    while (!s.empty() && EsBlanco(s.back())) s.remove_suffix(1);
    return s;
}

// Digits at the places of `forma` ('9') and the same character elsewhere; none otherwise.
bool TieneForma(std::string_view texto, std::string_view forma) {
    if (texto.size() != forma.size()) return false;
    for (std::size_t i = 0; i < forma.size(); ++i)
        if (forma[i] == '9' ? !EsDigito(texto[i]) : texto[i] != forma[i]) return false;
    return true;
}

int Numero(std::string_view texto, std::size_t desde, std::size_t n) {
    int v = 0;
    for (std::size_t i = desde; i < desde + n; ++i) v = v * 10 + (texto[i] - '0');
    return v;
}

}  // namespace

bool EsBisiesto(int anio) { return anio != 0 && ((anio % 4 == 0 && anio % 100 != 0) || anio % 400 == 0); }

int DiasDelMes(int anio, int mes) {
    static constexpr std::array<int, 12> kDias{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mes == 2 && EsBisiesto(anio) ? 29 : kDias.at(static_cast<std::size_t>(mes - 1));
}

Fecha DiaSiguiente(const Fecha& f) {
    Fecha s = f;
    if (++s.dia <= DiasDelMes(f.anio, f.mes)) return s;
    s.dia = 1;
    if (++s.mes <= 12) return s;
    s.mes = 1;
    if (s.anio != 0) ++s.anio;
    return s;
}

long NumeroDeDia(const Fecha& f) {
    // Days from civil: March-based years, so that February 29 is a year's last day.
    const long y = f.anio - (f.mes <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long anioEra = y - era * 400;
    const long diaAnio = (153 * (f.mes + (f.mes > 2 ? -3 : 9)) + 2) / 5 + f.dia - 1;
    const long diaEra = anioEra * 365 + anioEra / 4 - anioEra / 100 + diaAnio;
    return era * 146097 + diaEra - 719468;
}

std::optional<Fecha> LeeFechaCompleta(std::string_view texto) {
    texto = SinBlancos(texto);
    if (!TieneForma(texto, "9999-99-99")) return std::nullopt;
    const Fecha f{Numero(texto, 0, 4), Numero(texto, 5, 2), Numero(texto, 8, 2)};
    if (f.anio < 1 || f.mes < 1 || f.mes > 12 || f.dia < 1 || f.dia > DiasDelMes(f.anio, f.mes)) return std::nullopt;
    return f;
}

std::optional<Fecha> LeeMesDia(std::string_view texto, bool con29DeFebrero) {
    texto = SinBlancos(texto);
    if (!TieneForma(texto, "99-99")) return std::nullopt;
    const Fecha f{0, Numero(texto, 0, 2), Numero(texto, 3, 2)};
    if (f.mes < 1 || f.mes > 12 || f.dia < 1) return std::nullopt;
    const bool es29DeFebrero = f.mes == 2 && f.dia == 29;
    if (f.dia > DiasDelMes(0, f.mes) && !(es29DeFebrero && con29DeFebrero)) return std::nullopt;
    return f;
}

std::string TextoFechaCompleta(const Fecha& f) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", f.anio, f.mes, f.dia);
    return buf;
}

std::string TextoMesDia(const Fecha& f) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d-%02d", f.mes, f.dia);
    return buf;
}

}  // namespace hortelia
