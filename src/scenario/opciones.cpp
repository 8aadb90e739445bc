#include "scenario/opciones.h"

#include "numeros/conversiones.h"
#include "scenario/catalogo.h"
#include "scenario/limites.h"

#include <charconv>

namespace hortelia {
namespace {

constexpr std::string_view kDobleTecho = "doble-techo";
constexpr std::string_view kMantenimientoBueno = "mantenimiento-bueno";
constexpr std::string_view kMinima = "minima-";
constexpr std::string_view kEficiencia = "eficiencia-";
constexpr std::string_view kCombustible = "combustible-";

// The state of maintenance an option seals the house to: "Bueno", the lowest leak rate.
constexpr const EstadoMantenimiento& kBueno = kMantenimientos[0];

// The whole number that follows `prefijo` in `nombre`: digits only, none otherwise.
std::optional<int> NumeroTras(std::string_view nombre, std::string_view prefijo) {
    if (nombre.substr(0, prefijo.size()) != prefijo) return std::nullopt;
    const std::string_view cifras = nombre.substr(prefijo.size());
    int n = 0;
    const auto [fin, error] = std::from_chars(cifras.data(), cifras.data() + cifras.size(), n);
    if (cifras.empty() || cifras[0] == '-' || cifras[0] == '+' || error != std::errc() ||
        fin != cifras.data() + cifras.size())
        return std::nullopt;
    return n;
}

Variante MinimaBajada(const Escenario& e, int grados) {
    return e.TMinTol - Variante::Entero(static_cast<std::int16_t>(grados));
}

}  // namespace

std::string NombreCombustibleOpcion(std::string_view nombre) {
    std::string s(nombre);
    for (char& c : s) {
        if (c == ' ' || c == '.') c = '-';
        else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

bool CombustibleDeOpcion(std::size_t indice) {
    return indice < kCombustibles.size() && kCombustibles[indice].poderCalorico.has_value();
}

std::optional<Opcion> OpcionDeNombre(std::string_view nombre) {
    if (nombre == kDobleTecho) return Opcion{TipoOpcion::DobleTecho, 0};
    if (nombre == kMantenimientoBueno) return Opcion{TipoOpcion::MantenimientoBueno, 0};
    if (const auto n = NumeroTras(nombre, kMinima);
        n && *n >= 1 && *n <= kMinimaMasBaja && nombre.size() == kMinima.size() + 1)
        return Opcion{TipoOpcion::Minima, *n};
    // Digits as written, without leading zeros: one name for each option.
    if (const auto e = NumeroTras(nombre, kEficiencia); e && NombreOpcion({TipoOpcion::Eficiencia, *e}) == nombre)
        return Opcion{TipoOpcion::Eficiencia, *e};
    if (nombre.substr(0, kCombustible.size()) == kCombustible)
        for (std::size_t i = 0; i < kCombustibles.size(); ++i)
            if (CombustibleDeOpcion(i) &&
                NombreCombustibleOpcion(kCombustibles[i].nombre) == nombre.substr(kCombustible.size()))
                return Opcion{TipoOpcion::Combustible, static_cast<int>(i)};
    return std::nullopt;
}

std::string NombreOpcion(const Opcion& o) {
    switch (o.tipo) {
    case TipoOpcion::DobleTecho: return std::string(kDobleTecho);
    case TipoOpcion::MantenimientoBueno: return std::string(kMantenimientoBueno);
    case TipoOpcion::Minima: return std::string(kMinima) + std::to_string(o.valor);
    case TipoOpcion::Eficiencia: return std::string(kEficiencia) + std::to_string(o.valor);
    case TipoOpcion::Combustible: break;
    }
    return std::string(kCombustible) +
           NombreCombustibleOpcion(kCombustibles.at(static_cast<std::size_t>(o.valor)).nombre);
}

std::string NombresDeOpciones() {
    std::string s = std::string(kDobleTecho) + ", " + std::string(kMantenimientoBueno);
    for (int n = 1; n <= kMinimaMasBaja; ++n) s += ", " + NombreOpcion({TipoOpcion::Minima, n});
    s += ", eficiencia-E (E, la eficiencia en %)";
    for (std::size_t i = 0; i < kCombustibles.size(); ++i)
        if (CombustibleDeOpcion(i)) s += ", " + NombreOpcion({TipoOpcion::Combustible, static_cast<int>(i)});
    return s;
}

std::string TituloOpcion(const Opcion& o, bool corto) {
    switch (o.tipo) {
    case TipoOpcion::DobleTecho: return "Doble techo";
    case TipoOpcion::MantenimientoBueno: return "Mantenimiento bueno";
    case TipoOpcion::Minima:
        return (corto ? "Mínima " : "Mínima tolerable ") + std::to_string(o.valor) + " °C más baja";
    case TipoOpcion::Eficiencia:
        return (corto ? "Eficiencia " : "Eficiencia de la calefacción ") + std::to_string(o.valor) + " %";
    case TipoOpcion::Combustible: break;
    }
    const std::string nombre(kCombustibles.at(static_cast<std::size_t>(o.valor)).nombre);
    return corto ? nombre : "Combustible: " + nombre;
}

std::string MotivoOpcion(const Escenario& e, const Opcion& o) {
    switch (o.tipo) {
    case TipoOpcion::DobleTecho: return e.DobleTecho != 0 ? "el escenario ya tiene doble techo" : "";
    case TipoOpcion::MantenimientoBueno:
        if (e.RenovAire <= *kBueno.renovacionesHora)
            return "la renovación de aire por fugas del escenario ya es de " + NumeroSinBlanco(e.RenovAire) +
                   " por hora (la opción la lleva a " + NumeroSinBlanco(*kBueno.renovacionesHora) + ")";
        return {};
    case TipoOpcion::Minima: {
        if (o.valor < 1 || o.valor > kMinimaMasBaja)
            return "la mínima se baja de 1 a " + std::to_string(kMinimaMasBaja) + " °C";
        const Variante nueva = MinimaBajada(e, o.valor);
        if (!limites::kMinimaTolerable.Admite(nueva.valor()))
            return "la mínima tolerable bajaría a " + NumeroSinBlanco(nueva) + " °C, fuera de rango (" +
                   limites::kMinimaTolerable.Rango() + ")";
        return {};
    }
    case TipoOpcion::Eficiencia:
        if (o.valor > 100) return "la eficiencia de la calefacción no puede pasar de 100 %";
        if (!(static_cast<double>(o.valor) > e.Eficiencia))
            return "la eficiencia de la calefacción del escenario ya es de " + NumeroSinBlanco(e.Eficiencia) +
                   " %: la opción debe ser mayor";
        return {};
    case TipoOpcion::Combustible: break;
    }
    const auto i = static_cast<std::size_t>(o.valor);
    if (!CombustibleDeOpcion(i)) return "el combustible no es uno del catálogo";
    if (e.Combustible == kCombustibles[i].nombre) return "el escenario ya quema " + e.Combustible;
    return {};
}

OpcionAplicada AplicaOpcion(const Escenario& e, const Opcion& o) {
    OpcionAplicada r;
    r.motivo = MotivoOpcion(e, o);
    if (!r.motivo.empty()) return r;
    r.ok = true;
    Escenario& x = r.escenario = e;
    switch (o.tipo) {
    case TipoOpcion::DobleTecho: x.DobleTecho = 1; break;
    case TipoOpcion::MantenimientoBueno:
        // As the cover panel stores a chosen state: its code and its leak rate.
        x.Mantenimiento = Variante::Entero(kBueno.codigo);
        x.RenovAire = *kBueno.renovacionesHora;
        break;
    case TipoOpcion::Minima: x.TMinTol = MinimaBajada(e, o.valor); break;
    case TipoOpcion::Eficiencia: x.Eficiencia = static_cast<float>(o.valor); break;
    case TipoOpcion::Combustible: {
        const Combustible& c = kCombustibles[static_cast<std::size_t>(o.valor)];
        x.Combustible = std::string(c.nombre);
        x.PoderCalorico = *c.poderCalorico;
        break;
    }
    }
    return r;
}

}  // namespace hortelia
