#pragma once

// The captions of the summary labels as loading a scenario file writes them. The window
// shows them after a load and the text export copies them, so both always agree. A text
// is empty where the record holds a code outside its list (the label is then left as it is).

#include "scenario/escenario.h"

#include <string>

namespace hortelia {

/// The captions loading writes, by the summary line each goes to (as TextosResumen names them).
struct TextosCarga {
    std::string tipoTecho, dobleTecho;       ///< roof type, double roof ("Doble techo:   No")
    std::string suelo, superficie, volumen;  ///< derived figures; empty if never derived
    std::string material, mantenimiento;     ///< cover material, maintenance
    std::string ventanas, cenital;           ///< windows, roof window
    std::string poderCalorico, eficiencia;   ///< calorific value, efficiency
    std::string maxTol, minTol, iaf;         ///< crop ("Índice de área foliar= ")
    std::string tMax, tMin;                  ///< "Máxima= " ... " C"
    std::string hrMax, hrMin;                ///< "Máxima= " ... " %"
    std::string latitud, fecha;              ///< "Latitud= " ... "°", "Fecha: 1 de enero"
};

/// Captions for the record as it stands; the derived figures only when `geometriaValida`.
TextosCarga TextosDeCarga(const Escenario& e, bool geometriaValida);

/// The summary captions that the data sheet and the text export repeat, as the panels and
/// loading last wrote them; a new scenario starts with the labels' start captions.
struct TextosResumen {
    std::string tipoTecho = "Tipo de techo: A dos aguas ", dobleTecho = "Doble techo:    No";
    std::string material = "Mat. cobertura: ", mantenimiento = "Mantenimiento:";
    std::string suelo = "Suelo cubierto = ", superficie = "Superficie inv. =", volumen = "Volumen inv.   =";
    std::string ventanas = "Ventanas=", cenital = "Cenital:";
    std::string poderCalorico = "P.Calorífico =", eficiencia = "Eficiencia =";
    std::string tMax = "Máxima =", tMin = "Mínima =", hrMax = "Máxima =", hrMin = "Mínima =";
    std::string latitud = "Latitud =", fecha = "Fecha:";
    std::string maxTol = "Máxima tolerable=", minTol = "Mínima tolerable=", iaf = "Índice área foliar=";

    friend bool operator==(const TextosResumen&, const TextosResumen&) = default;
};

/// What loading a scenario writes: every caption it has a text for (see TextosCarga).
void AplicaCarga(TextosResumen& t, const Escenario& e, bool geometriaValida);

/// Roof type caption ("Tipo de techo: Túnel"), empty outside 1..4.
std::string TextoTipoTecho(int tipo);
/// Cover material caption as loading writes it ("Mat. cobertura: Vidrio"), empty outside 1..3.
std::string TextoMaterialCarga(double material);

}  // namespace hortelia
