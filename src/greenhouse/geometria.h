#pragma once

// Geometry of a block of identical modules side by side: the modules share their long
// walls (only the two outer ones count) and each has its own two gables. From the roof
// type and the five dimensions follow the covered floor, the cover surface and the volume.

#include "scenario/escenario.h"

#include <string>

namespace hortelia {

struct Dimensiones {
    double ancho = 0, largo = 0, alturaLateral = 0, alturaMaxima = 0;
    double modulos = 0;  ///< as typed; must be a whole number within limites::kModulos
};

struct Geometria {
    float flecha = 0;          ///< roof rise, m
    double sueloCubierto = 0;  ///< m2, cut to 2 decimals
    double supCobertura = 0;   ///< m2, cut to 2 decimals
    float volumen = 0;         ///< m3, cut to 2 decimals in single precision
};

struct ResultadoGeometria {
    bool ok = false;
    std::string mensaje;  ///< why the dimensions cannot be used, in Spanish
    Geometria geometria;
};

/// Derives the geometry, or refuses inputs it cannot use with a message.
ResultadoGeometria CalculaGeometria(int tipoTecho, const Dimensiones& d);

/// Arc length of one module's parabolic roof, summed in chords of 0.1 m (at most 1000: a
/// width outside the limits table's is a programming error and throws).
double ArcoParabolico(double ancho, float flecha, int* cuerdas = nullptr);

/// The tunnel's maximum height: its arch is a half circle on the module width.
inline Variante AlturaMaximaTunel(const Variante& ancho, const Variante& alturaLateral) {
    return ancho / Variante::Entero(2) + alturaLateral;
}

/// Accepting the dimensions: stores the five inputs (the module count as a 16-bit integer)
/// and their derived values. Returns an empty string on success; otherwise the message, and
/// the record is unchanged.
std::string AceptaDimensiones(Escenario& e, const Dimensiones& d);

/// Derives Flecha, SueloCubierto, SupCobertura and Volumen from the record's dimensions.
/// Returns an empty string on success; otherwise the message, and the record is unchanged.
std::string DerivaGeometria(Escenario& e);

}  // namespace hortelia
