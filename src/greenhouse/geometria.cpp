#include "greenhouse/geometria.h"

#include "numeros/conversiones.h"
#include "scenario/catalogo.h"
#include "scenario/limites.h"

#include <cmath>
#include <stdexcept>

namespace hortelia {
namespace {

// Not a typo: the tunnel's arches have always been measured with this value of pi.
constexpr double kPi = 3.141596;

std::string Motivo(int tipo, const Dimensiones& d) {
    if (!TechoDeCodigo(tipo)) return "El tipo de techo no es válido.";
    if (!std::isfinite(d.ancho) || !std::isfinite(d.largo) || !std::isfinite(d.alturaLateral) ||
        !std::isfinite(d.alturaMaxima) || !std::isfinite(d.modulos))
        return "Hay una dimensión con un número demasiado grande.";
    // Within the limits table: no greenhouse is larger, and the parabolic arc is summed in
    // chords of 0.1 m, so its width bounds the work.
    using namespace limites;
    if (!kAncho.Admite(d.ancho)) return "El ancho del módulo debe ser " + kAncho.Rango() + ".";
    if (!kLargo.Admite(d.largo)) return "El largo del módulo debe ser " + kLargo.Rango() + ".";
    if (!kModulos.Admite(d.modulos))
        return "La cantidad de módulos debe ser un número entero " + kModulos.Rango() + ".";
    if (!kAltura.Admite(d.alturaLateral)) return "La altura del parante lateral debe ser " + kAltura.Rango() + ".";
    // The tunnel's maximum height is derived from its width, not typed.
    if (EsTecho(tipo, Techo::Tunel)) return {};
    if (!kAltura.Admite(d.alturaMaxima)) return "La altura máxima debe ser " + kAltura.Rango() + ".";
    if (d.alturaMaxima < d.alturaLateral)
        return "La altura máxima no puede ser menor que la altura del parante lateral.";
    return {};
}

}  // namespace

double ArcoParabolico(double ancho, float flecha, int* cuerdas) {
    // CalculaGeometria never gets here with another width; beyond it the loop would run for ever.
    if (!limites::kAncho.Admite(ancho))
        throw std::invalid_argument("ArcoParabolico: ancho fuera de los límites: " + NumeroSinBlanco(ancho));
    const double a = ancho / 2;
    const double k = -(flecha / (a * a));
    auto y = [&](double x) { return k * (std::pow(x, 2) - a * a); };
    double arco = 0;
    int n = 0;
    // The drift of the repeated addition decides whether the last chord is taken (79 for 8 m).
    for (double x = -a + 0.1; x <= a; x += 0.1) {  // NOLINT(clang-analyzer-security.FloatLoopCounter)
        const double d = y(x) - k * (std::pow(x - 0.1, 2) - a * a);
        arco += 0.1 / std::cos(std::atan(d / 0.1));
        ++n;
    }
    if (cuerdas) *cuerdas = n;
    return arco;
}

ResultadoGeometria CalculaGeometria(int tipo, const Dimensiones& d) {
    ResultadoGeometria r;
    r.mensaje = Motivo(tipo, d);
    if (!r.mensaje.empty()) return r;

    const double w = d.ancho, l = d.largo, hl = d.alturaLateral, hm = d.alturaMaxima, n = d.modulos;
    const double s = w * l * n;
    const double pl = 2 * l * hl;
    const double pf = 2 * w * hl * n;
    const double vb = s * hl;
    const float flecha = static_cast<float>(hm - hl);
    const double f = flecha;

    double g = 0, t = 0;
    switch (*TechoDeCodigo(tipo)) {
    case Techo::DosAguas:
        g = f * w * n;
        t = s / std::cos(std::atan(f / w));
        break;
    case Techo::PlanoInclinado:
        g = f * w * n;
        t = s / std::cos(std::atan(f / w)) + l * f * n;
        break;
    case Techo::Tunel:
        g = n * kPi * std::pow(w / 2, 2);
        t = s * kPi / 2;
        break;
    case Techo::Parabolico:
        g = (4 * f) * (w / 2) / 3 * n;
        t = ArcoParabolico(w, flecha) * l * n;
        break;
    }
    const double vt = g * l / 2;
    const float volumen = static_cast<float>(vb + vt);
    const double sup = ((pf + pl) + g) + t;

    r.geometria.flecha = flecha;
    r.geometria.sueloCubierto = Cortar(s, 2);
    r.geometria.volumen = CortarSimple(volumen, 2);
    r.geometria.supCobertura = Cortar(sup, 2);
    if (!std::isfinite(r.geometria.supCobertura) || !std::isfinite(r.geometria.volumen)) {
        r.mensaje = "Las dimensiones dan un invernáculo demasiado grande.";
        return r;
    }
    r.ok = true;
    return r;
}

namespace {

void GuardaDerivados(Escenario& e, const Geometria& g) {
    e.Flecha = g.flecha;
    e.SueloCubierto = Variante::Doble(g.sueloCubierto);
    e.SupCobertura = Variante::Doble(g.supCobertura);
    e.Volumen = g.volumen;
}

}  // namespace

std::string AceptaDimensiones(Escenario& e, const Dimensiones& d) {
    const ResultadoGeometria r = CalculaGeometria(e.TipoTecho, d);
    if (!r.ok) return r.mensaje;
    e.Ancho = Variante::Doble(d.ancho);
    e.Largo = Variante::Doble(d.largo);
    e.AlturaLateral = Variante::Doble(d.alturaLateral);
    e.AlturaMaxima = Variante::Doble(d.alturaMaxima);
    e.Modulos = static_cast<std::int16_t>(d.modulos);  // whole and in range: checked above
    GuardaDerivados(e, r.geometria);
    return {};
}

std::string DerivaGeometria(Escenario& e) {
    const Dimensiones d{e.Ancho.valor(), e.Largo.valor(), e.AlturaLateral.valor(), e.AlturaMaxima.valor(),
                        static_cast<double>(e.Modulos)};
    const ResultadoGeometria r = CalculaGeometria(e.TipoTecho, d);
    if (!r.ok) return r.mensaje;
    GuardaDerivados(e, r.geometria);
    return {};
}

}  // namespace hortelia
