#include "weather/calendario.h"

#include "numeros/conversiones.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

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

bool EsPosible(const Fecha& f) {
    return f.anio >= 1 && f.mes >= 1 && f.mes <= 12 && f.dia >= 1 && f.dia <= DiasDelMes(f.anio, f.mes);
}

// "d/m/aaaa" cut at its slashes: two or three parts of at most four digits, the first two of at
// most two; none for another form.
std::vector<std::string_view> PartesConBarras(std::string_view t) {
    std::vector<std::string_view> partes;
    for (;;) {
        const std::size_t barra = std::min(t.find('/'), t.size());
        const std::string_view parte = t.substr(0, barra);
        if (parte.empty() || parte.size() > 4 || !std::all_of(parte.begin(), parte.end(), EsDigito)) return {};
        partes.push_back(parte);
        if (barra == t.size()) break;
        if (partes.size() == 3) return {};
        t.remove_prefix(barra + 1);
    }
    if (partes.size() < 2 || partes[0].size() > 2 || partes[1].size() > 2) return {};
    return partes;
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
    if (!EsPosible(f)) return std::nullopt;
    return f;
}

std::optional<Fecha> LeeFechaDeTabla(std::string_view texto) {
    texto = SinBlancos(texto);
    if (texto.find('/') == std::string_view::npos) return LeeFechaCompleta(texto);
    const std::vector<std::string_view> p = PartesConBarras(texto);
    if (p.size() != 3 || p[2].size() != 4) return std::nullopt;
    const Fecha f{Numero(p[2], 0, 4), Numero(p[1], 0, p[1].size()), Numero(p[0], 0, p[0].size())};
    if (!EsPosible(f)) return std::nullopt;
    return f;
}

std::string MotivoFechaDeTabla(std::string_view texto) {
    texto = SinBlancos(texto);
    const std::vector<std::string_view> p = PartesConBarras(texto);
    if (p.size() == 2) return "no tiene año: escriba la fecha dd/mm/aaaa";
    if (p.size() == 3 && p[2].size() == 2) return "tiene el año con dos cifras: escriba la fecha dd/mm/aaaa";
    if ((p.size() == 3 && p[2].size() == 4) || TieneForma(texto, "9999-99-99")) return "no es una fecha posible";
    return "no es una fecha AAAA-MM-DD ni dd/mm/aaaa";
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
