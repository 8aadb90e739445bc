#include "numeros/conversiones.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

namespace hortelia {
namespace {

// What Parse skips before and inside a number: blanks, tabs and line feeds.
bool EsBlancoOSalto(char c) { return EsBlanco(c) || c == '\n'; }

// Shortest form with at most `digitos` significant digits: round, drop trailing zeros,
// choose plain or exponent form from the rounded exponent.
std::string Formatea(double x, int digitos) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x > 0 ? "Inf" : "-Inf";
    if (x == 0.0) return "0";

    // to_chars is independent of the C locale, which the windows set from the environment.
    char buf[64];
    const auto fin = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, digitos - 1).ptr;
    const std::string s(buf, fin);
    const auto e = s.find('e');
    const bool negativo = s[0] == '-';
    std::string mantisa;
    for (std::size_t i = negativo ? 1 : 0; i < e; ++i)
        if (EsDigito(s[i])) mantisa += s[i];
    const int exponente = std::atoi(s.c_str() + e + 1);
    while (mantisa.size() > 1 && mantisa.back() == '0') mantisa.pop_back();

    std::string r = negativo ? "-" : "";
    if (exponente >= -4 && exponente < digitos) {
        const int enteros = exponente + 1;
        if (enteros <= 0) {
            r += '.';
            r.append(static_cast<std::size_t>(-enteros), '0');
            r += mantisa;
        } else if (static_cast<int>(mantisa.size()) <= enteros) {
            r += mantisa;
            r.append(static_cast<std::size_t>(enteros) - mantisa.size(), '0');
        } else {
            r += mantisa.substr(0, static_cast<std::size_t>(enteros));
            r += '.';
            r += mantisa.substr(static_cast<std::size_t>(enteros));
        }
        return r;
    }
    r += mantisa.substr(0, 1);
    if (mantisa.size() > 1) r += "." + mantisa.substr(1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%02d", exponente < 0 ? '-' : '+', std::abs(exponente));
    return r + exp;
}

std::string ConBlanco(std::string s) { return s[0] == '-' ? s : " " + s; }

}  // namespace

namespace {

// True when a decimal in C form that is not zero ("-0.000012", "1.5e-400") is less than 1 in
// magnitude: its first significant digit stands after the point, exponent counted.
bool MenorQueUno(std::string_view t) {
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) t.remove_prefix(1);
    const std::size_t e = std::min(t.find_first_of("eE"), t.size());
    const std::string_view mantisa = t.substr(0, e);
    const std::size_t punto = std::min(mantisa.find('.'), mantisa.size());
    const std::size_t primera = mantisa.find_first_of("123456789");
    if (primera == std::string_view::npos) return true;
    // The place of the first significant digit: 0 for units, -1 for tenths.
    const long potencia =
        primera < punto ? static_cast<long>(punto - primera) - 1 : -static_cast<long>(primera - punto);
    // The exponent, held within a range no digit count of a text reaches.
    long exponente = 0;
    std::size_t i = e + 1;
    const bool negativo = i < t.size() && t[i] == '-';
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    for (; i < t.size() && EsDigito(t[i]); ++i) exponente = std::min(exponente * 10 + (t[i] - '0'), 1L << 40);
    return potencia + (negativo ? -exponente : exponente) < 0;
}

// A plain decimal in C form ("-1.5e3", "+.5"), whatever the C locale.
double Decimal(std::string_view texto) {
    // from_chars reads "." whatever the C locale says; a leading "+" it does not take.
    const char* inicio = texto.data();
    const char* fin = inicio + texto.size();
    if (inicio != fin && *inicio == '+') ++inicio;
    double v = 0;
    const auto r = std::from_chars(inicio, fin, v);
    if (r.ec == std::errc::result_out_of_range) {
        // Too large gives an infinity (callers refuse it); too small, nearer zero than the least
        // subnormal, gives zero, the nearest double.
        const bool negativo = *inicio == '-';
        if (MenorQueUno(std::string_view(inicio, static_cast<std::size_t>(fin - inicio)))) return negativo ? -0.0 : 0.0;
        return negativo ? -HUGE_VAL : HUGE_VAL;
    }
    return v;
}

}  // namespace

double LeeDecimal(const std::string& texto) { return Decimal(texto); }

double Parse(std::string_view t) {
    std::size_t i = 0;
    auto saltaBlancos = [&] {
        while (i < t.size() && EsBlancoOSalto(t[i])) ++i;
    };
    std::string limpio;
    saltaBlancos();
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) limpio += t[i++];
    bool digitos = false;
    bool punto = false;
    for (;; ++i) {
        saltaBlancos();
        if (i >= t.size()) break;
        if (EsDigito(t[i])) {
            limpio += t[i];
            digitos = true;
        } else if (t[i] == '.' && !punto) {
            limpio += '.';
            punto = true;
        } else {
            break;
        }
    }
    if (!digitos) return 0.0;
    // An exponent counts only when at least one digit follows it.
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        while (j < t.size() && EsBlancoOSalto(t[j])) ++j;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) exp += t[j++];
        bool expDigitos = false;
        for (;; ++j) {
            while (j < t.size() && EsBlancoOSalto(t[j])) ++j;
            if (j >= t.size() || !EsDigito(t[j])) break;
            exp += t[j];
            expDigitos = true;
        }
        if (expDigitos) limpio += exp;
    }
    return LeeDecimal(limpio);
}

std::optional<double> LeeNumeroCompleto(std::string_view t, FormaNumero forma) {
    if (forma.blancosAlrededor) {
        auto esBlanco = [](char c) { return c == ' ' || c == '\t'; };
        while (!t.empty() && esBlanco(t.front())) t.remove_prefix(1);
        while (!t.empty() && esBlanco(t.back())) t.remove_suffix(1);
    }
    // The form is checked in place; only a comma or a "D" exponent needs the C form written out.
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    bool digitos = false, separador = false, reescribe = false;
    for (; i < t.size(); ++i) {
        if (EsDigito(t[i])) {
            digitos = true;
        } else if ((t[i] == '.' || (forma.comaDecimal && t[i] == ',')) && !separador) {
            separador = true;
            reescribe = reescribe || t[i] == ',';
        } else {
            break;
        }
    }
    if (!digitos) return std::nullopt;
    const auto esExponente = [&](char c) {
        if (forma.exponente == FormaNumero::Exponente::Ninguno) return false;
        return c == 'E' || c == 'e' || (forma.exponente == FormaNumero::Exponente::EoD && (c == 'D' || c == 'd'));
    };
    if (i < t.size() && esExponente(t[i])) {
        reescribe = reescribe || t[i] == 'D' || t[i] == 'd';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        bool expDigitos = false;
        for (; i < t.size() && EsDigito(t[i]); ++i) expDigitos = true;
        if (!expDigitos) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    double v = 0;
    if (reescribe) {
        std::string c(t);
        for (char& x : c) {
            if (x == ',') x = '.';
            if (x == 'D' || x == 'd') x = 'e';
        }
        v = Decimal(c);
    } else {
        v = Decimal(t);
    }
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<double> LeeNumeroTecleado(std::string_view t) {
    return LeeNumeroCompleto(t, {.comaDecimal = true, .blancosAlrededor = true});
}

std::optional<double> NumeroDeCelda(std::string_view t) { return LeeNumeroCompleto(t, {.blancosAlrededor = true}); }

std::string NumeroSinBlanco(double x) { return Formatea(x, 15); }
std::string NumeroSinBlanco(float x) { return Formatea(x, 7); }

std::string NumeroSinBlanco(const Variante& v) {
    switch (v.tipo()) {
    case Variante::Tipo::Vacio: return "";
    case Variante::Tipo::Simple: return NumeroSinBlanco(static_cast<float>(v.valor()));
    case Variante::Tipo::Entero:
    case Variante::Tipo::Doble: return NumeroSinBlanco(v.valor());
    }
    return "";
}

std::string NumeroATexto(double x) { return ConBlanco(NumeroSinBlanco(x)); }
std::string NumeroATexto(float x) { return ConBlanco(NumeroSinBlanco(x)); }
std::string NumeroATexto(std::int16_t x) { return ConBlanco(std::to_string(x)); }
std::string NumeroATexto(int x) { return ConBlanco(std::to_string(x)); }

std::string NumeroATexto(const Variante& v) {
    // An Empty variant reads as 0 wherever it is shown.
    return v.vacia() ? " 0" : ConBlanco(NumeroSinBlanco(v));
}

std::optional<std::int16_t> AEntero16(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    const double r = std::nearbyint(x);  // default rounding: halves to even
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

namespace {

// 10^n, a double exactly for n up to 22; pow gives the same for those and is asked only past them.
double PotenciaDeDiez(int n) {
    static constexpr double kPotencias[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (n >= 0 && n < static_cast<int>(std::size(kPotencias))) return kPotencias[n];
    return std::pow(10.0, n);
}

}  // namespace

double Redondea(double x, int decimales) {
    const double factor = PotenciaDeDiez(decimales);
    return std::round(x * factor) / factor;
}

double Cortar(double x, int decimales) {
    const double p = PotenciaDeDiez(decimales);
    return std::floor(x * p) / p;
}

float CortarSimple(float x, int decimales) {
    const float p = static_cast<float>(PotenciaDeDiez(decimales));
    const float escalado = x * p;
    return std::floor(escalado) / p;
}

}  // namespace hortelia
