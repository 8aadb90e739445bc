#include "scenario/archivo_hrt.h"

#include "numeros/conversiones.h"
#include "scenario/limites.h"
#include "scenario/texto_visible.h"

#include <cmath>
#include <limits>
#include <optional>

namespace hortelia {
namespace {

// ---- the format ----

/// A code that must lie in its list; outside it the file is refused.
struct Lista {
    const Limite* limite = nullptr;
    bool vacioPermitido = false;  ///< an Empty variant means "not chosen yet"
};

/// A figure that must lie in its range (weather no day has is refused); an Empty field passes.
struct Rango {
    const Limite* limite = nullptr;
};

// The greenhouse and the crop: the first 34 lines of the file.
template <class F, class E>
void FormatoInvernaculo(F& f, E& e) {
    f(e.TipoTecho, "tipo de techo", Lista{&limites::kTipoTecho});
    f(e.DobleTecho, "doble techo", Lista{&limites::kDobleTecho});
    f.FinDeLinea();
    f(e.Ancho, "ancho");
    f(e.Largo, "largo");
    f(e.AlturaLateral, "altura lateral");
    f(e.AlturaMaxima, "altura máxima");
    f(e.Modulos, "módulos");
    f.FinDeLinea();
    // Empty in files saved before the cover panel was first accepted.
    f(e.MatCobertura, "material de cobertura", Lista{&limites::kMaterial, true});
    f(e.Mantenimiento, "mantenimiento", Lista{&limites::kMantenimiento, true});
    f(e.RenovAire, "renovación de aire");
    f.FinDeLinea();
    f(e.SupVentanas, "superficie de ventanas");
    f(e.Cenital, "ventana cenital", Lista{&limites::kCenital});
    f.FinDeLinea();
    for (int h = 1; h <= 24; ++h) {
        f(e.AperturaHora(h), "apertura horaria");
        f(e.AreaVentHora(h), "área de ventilación horaria");
        f.FinDeLinea();
    }
    f(e.Combustible, "combustible");
    f(e.PoderCalorico, "poder calórico");
    f(e.Eficiencia, "eficiencia");
    f.FinDeLinea();
    f(e.TMaxTol, "máxima tolerable");
    f(e.TMinTol, "mínima tolerable");
    f(e.IAF, "índice de área foliar");
    f.FinDeLinea();
}

// The day's weather: the other 95 lines.
template <class F, class E>
void FormatoClima(F& f, E& e) {
    f(e.TMax, "temperatura máxima", Rango{&limites::kTemperatura});
    f(e.TMin, "temperatura mínima", Rango{&limites::kTemperatura});
    f.FinDeLinea();
    for (int h = 1; h <= 24; ++h) {
        f(e.TempHora(h), "temperatura horaria", Rango{&limites::kTemperatura});
        f.FinDeLinea();
    }
    f(e.HRMax, "humedad máxima", Rango{&limites::kHumedad});
    f(e.HRMin, "humedad mínima", Rango{&limites::kHumedad});
    f.FinDeLinea();
    for (int h = 1; h <= 24; ++h) {
        f(e.HRHora(h), "humedad horaria", Rango{&limites::kHumedad});
        f.FinDeLinea();
    }
    f(e.Latitud, "latitud");
    f(e.Hemisferio, "hemisferio");
    f(e.Dia, "día", Lista{&limites::kDia});
    f(e.Mes, "mes", Lista{&limites::kMes});
    f(e.TipoNubes, "tipo de nubes", Lista{&limites::kTipoNubes});
    f.FinDeLinea();
    for (int h = 1; h <= 24; ++h) {
        f(e.RadTope(h), "radiación tope horaria", Rango{&limites::kRadiacion});
        f(e.NubHora(h), "nubosidad horaria", Rango{&limites::kNubosidad});
        f(e.RadHora(h), "radiación horaria", Rango{&limites::kRadiacion});
        f.FinDeLinea();
    }
    for (int h = 1; h <= 24; ++h) {
        f(e.VtoHora(h), "viento horario (m/s)", Rango{&limites::kVientoMs});
        f(e.VtoHoraKmh(h), "viento horario (km/h)", Rango{&limites::kVientoKmh});
        f.FinDeLinea();
    }
}

// The 129 lines and 243 fields in their order; this order is the format. `f` is the writer or
// the reader: f(field, name[, limits]) for each field, f.FinDeLinea() after each line.
template <class F, class E>
void Formato(F& f, E& e) {
    FormatoInvernaculo(f, e);
    FormatoClima(f, e);
}

// ---- writing ----

// Numbers without a blank, strings in double quotes, Empty variants as empty fields.
struct Escritor {
    std::string out;
    bool primero = true;

    template <class T, class... Control>
    void operator()(const T& v, const char* /*nombre*/, const Control&...) {
        if (!primero) out += ',';
        primero = false;
        out += Campo(v);
    }
    void FinDeLinea() {
        out += "\r\n";
        primero = true;
    }

    static std::string Campo(std::int16_t v) { return std::to_string(v); }
    static std::string Campo(float v) { return NumeroSinBlanco(v); }
    static std::string Campo(const Variante& v) { return NumeroSinBlanco(v); }
    static std::string Campo(const std::string& s) { return "\"" + s + "\""; }
};

// ---- reading ----

struct Token {
    std::string texto;
    int linea = 0;
    int campo = 0;
};

// Splits the text into fields: commas and line ends separate (an empty line is one empty
// field), leading blanks are skipped, a field that starts with a double quote runs to the
// next double quote.
struct Lector {
    const std::string& t;
    std::size_t i = 0;
    int linea = 1;
    int campoEnLinea = 1;
    bool trasComa = false;  ///< the last field ended with a comma: another one follows

    bool EsFinDeLinea(char c) const { return c == '\r' || c == '\n'; }

    // Consumes one line end (CR LF, LF or CR).
    void SaltaFinDeLinea() {
        if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
        ++i;
        ++linea;
        campoEnLinea = 1;
    }

    std::optional<Token> Siguiente(std::string& error) {
        while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
        if (i >= t.size()) return std::nullopt;
        Token tok{{}, linea, campoEnLinea};
        if (t[i] == '"') {
            const std::size_t fin = t.find('"', i + 1);
            if (fin == std::string::npos) {
                error = "falta la comilla de cierre";
                return std::nullopt;
            }
            tok.texto = t.substr(i + 1, fin - i - 1);
            i = fin + 1;
            while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
            if (i < t.size() && t[i] != ',' && !EsFinDeLinea(t[i])) {
                error = "hay texto después de la comilla de cierre";
                return std::nullopt;
            }
        } else {
            const std::size_t inicio = i;
            while (i < t.size() && t[i] != ',' && !EsFinDeLinea(t[i])) ++i;
            tok.texto = t.substr(inicio, i - inicio);
            while (!tok.texto.empty() && (tok.texto.back() == ' ' || tok.texto.back() == '\t')) tok.texto.pop_back();
        }
        trasComa = i < t.size() && t[i] == ',';
        if (trasComa) {
            ++i;
            ++campoEnLinea;
        } else if (i < t.size()) {
            SaltaFinDeLinea();
        }
        return tok;
    }

    /// Skips blanks and line ends; true when something else is left.
    bool QuedanDatos() {
        while (i < t.size() && (t[i] == ' ' || t[i] == '\t' || EsFinDeLinea(t[i]))) {
            if (EsFinDeLinea(t[i])) SaltaFinDeLinea();
            else ++i;
        }
        return i < t.size();
    }
};

// A whole field as a number: sign, digits with at most one point (".5" and "0.5" alike),
// an optional exponent by E or D. Anything else does not convert.
std::optional<double> NumeroEstricto(const std::string& s) {
    return LeeNumeroCompleto(s, {.exponente = FormaNumero::Exponente::EoD});
}

bool EsEnteroEscrito(const std::string& s) {
    std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    if (i >= s.size()) return false;
    for (; i < s.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
    return true;
}

/// Thrown to stop reading; the details are in Lectura::error.
struct ErrorCampo {};

class Lectura {
public:
    explicit Lectura(const std::string& texto) : lector_{texto} {
        // A byte-order mark some editors put at the start of a UTF-8 file.
        if (texto.starts_with("\xEF\xBB\xBF")) lector_.i = 3;
    }

    void operator()(std::int16_t& v, const char* nombre, const Lista& l = {}) {
        Entero(v, nombre);
        Comprueba(v, false, nombre, l);
    }
    void operator()(float& v, const char* nombre, const Rango& r = {}) {
        Simple(v, nombre);
        if (!ultimo_.texto.empty()) CompruebaRango(v, nombre, r);
    }
    void operator()(Variante& v, const char* nombre, const Lista& l) {
        Var(v, nombre);
        Comprueba(v.valor(), v.vacia(), nombre, l);
    }
    void operator()(Variante& v, const char* nombre, const Rango& r = {}) {
        Var(v, nombre);
        if (!v.vacia()) CompruebaRango(v.valor(), nombre, r);
    }
    void operator()(std::string& v, const char* nombre) { Texto(v, nombre); }
    void FinDeLinea() {
        ++lineaEsperada_;
        campoEsperado_ = 0;
    }

    /// After the last field only blanks and line ends: anything more means the fields did not
    /// stand where the format puts them (a number with a decimal comma, a doubled line).
    void CompruebaFinal() {
        const bool otroCampo = lector_.trasComa;
        if (!otroCampo && !lector_.QuedanDatos()) return;
        const std::size_t desde = lector_.i;
        const std::string resto = lector_.t.substr(desde, lector_.t.find_first_of("\r\n", desde) - desde);
        error.linea = lector_.linea;
        error.campo = lector_.campoEnLinea;
        error.mensaje = "El archivo no es un escenario válido: en la línea " + std::to_string(error.linea) +
                        " hay datos después del último campo (el 243)";
        if (!resto.empty()) error.mensaje += ": \"" + TextoVisible(resto, 40) + "\"";
        if (primerDesplazado_.linea)
            error.mensaje += ". Los campos dejan de estar en su línea en la línea " +
                             std::to_string(primerDesplazado_.linea) +
                             " (¿un número escrito con coma decimal o una línea repetida?)";
        error.mensaje += ".";
        throw ErrorCampo{};
    }

    ResultadoLectura error;

private:
    void Entero(std::int16_t& destino, const char* nombre) {
        const auto v = Numero(nombre);
        if (!v) {
            destino = 0;
            return;
        }
        const auto n = AEntero16(*v);
        if (!n) Falla(ultimo_, nombre, "está fuera del rango de los enteros (-32768 a 32767)");
        destino = *n;
    }

    void Simple(float& destino, const char* nombre) {
        const auto v = Numero(nombre);
        if (v && std::fabs(*v) > std::numeric_limits<float>::max())
            Falla(ultimo_, nombre, "es un número demasiado grande");
        destino = v ? static_cast<float>(*v) : 0.0F;
    }

    /// A whole number that fits 16 bits stays an integer; any other number is a double.
    void Var(Variante& destino, const char* nombre) {
        const auto v = Numero(nombre);
        const auto n = v ? AEntero16(*v) : std::nullopt;
        if (!v) destino = Variante();
        else if (EsEnteroEscrito(ultimo_.texto) && n) destino = Variante::Entero(*n);
        else destino = Variante::Doble(*v);
    }

    /// A name the file can hold: no double quote, no line end, no other control character
    /// (a tab would move the data sheet's columns, an escape would drive a terminal).
    void Texto(std::string& destino, const char* nombre) {
        const Token t = Toma(nombre);
        if (t.texto.find_first_of("\"\r\n") != std::string::npos)
            Falla(t, nombre, "contiene comillas o saltos de línea");
        for (const char c : t.texto)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) Falla(t, nombre, "contiene caracteres de control");
        destino = t.texto;
    }

    /// A code outside its list (or not a whole number) is refused.
    void Comprueba(double valor, bool vacio, const char* nombre, const Lista& l) {
        if (!l.limite || (vacio && l.vacioPermitido)) return;
        if (vacio || !l.limite->Admite(valor))
            Falla(ultimo_, nombre, "no es un " + std::string(l.limite->que) + " (" + l.limite->Rango() + ")");
    }

    /// A figure outside what a greenhouse or a day of weather can have is refused.
    void CompruebaRango(double valor, const char* nombre, const Rango& r) {
        if (r.limite && !r.limite->Admite(valor))
            Falla(ultimo_, nombre, "está fuera de rango (" + r.limite->Rango() + ")");
    }

    /// The next field as a number; nullopt for an empty field; anything else is refused.
    std::optional<double> Numero(const char* nombre) {
        const Token t = Toma(nombre);
        if (t.texto.empty()) return std::nullopt;
        const auto v = NumeroEstricto(t.texto);
        if (!v) Falla(t, nombre, "no es un número");
        return v;
    }

    Token Toma(const char* nombre) {
        ++leidos_;
        ++campoEsperado_;
        std::string problema;
        auto t = lector_.Siguiente(problema);
        if (!t) {
            Token donde{{}, lector_.linea, lector_.campoEnLinea};
            if (!problema.empty()) Falla(donde, nombre, problema);
            error.linea = lineaEsperada_;
            error.campo = campoEsperado_;
            error.mensaje = "El archivo no es un escenario válido: termina antes del campo " + std::to_string(leidos_) +
                            " de 243 (línea " + std::to_string(error.linea) + ", campo " + std::to_string(error.campo) +
                            ": " + nombre + ").";
            throw ErrorCampo{};
        }
        if (!primerDesplazado_.linea && (t->linea != lineaEsperada_ || t->campo != campoEsperado_))
            primerDesplazado_ = *t;
        ultimo_ = *t;
        return *t;
    }

    [[noreturn]] void Falla(const Token& t, const char* nombre, const std::string& motivo) {
        error.linea = t.linea;
        error.campo = t.campo;
        error.mensaje = "El archivo no es un escenario válido: en la línea " + std::to_string(t.linea) + ", campo " +
                        std::to_string(t.campo) + " (" + nombre + "), el valor " +
                        (t.texto.empty() ? std::string() : "\"" + TextoVisible(t.texto, 40) + "\" ") + motivo + ".";
        throw ErrorCampo{};
    }

    Lector lector_;
    Token ultimo_;
    Token primerDesplazado_;  ///< the first field read away from its place in the format
    int leidos_ = 0;
    int lineaEsperada_ = 1;  ///< where the next field stands in a file the program wrote
    int campoEsperado_ = 0;
};

}  // namespace

std::string TextoEscenario(const Escenario& e) {
    Escritor escritor;
    escritor.out.reserve(4096);
    Formato(escritor, e);
    return escritor.out;
}

ResultadoLectura LeeEscenario(const std::string& texto, Escenario& e) {
    Escenario nuevo = e;  // unsaved fields keep their values
    Lectura lectura(texto);
    try {
        Formato(lectura, nuevo);
        lectura.CompruebaFinal();
    } catch (const ErrorCampo&) {
        return lectura.error;
    }
    e = std::move(nuevo);
    ResultadoLectura r;
    r.ok = true;
    return r;
}

ResultadoArchivo GuardaEscenario(const std::string& ruta, const Escenario& e) {
    return GuardaTexto(ruta, TextoEscenario(e));
}

}  // namespace hortelia
