#pragma once

// The captions of the summary labels as loading a scenario file writes them. The window
// shows them after a load and the text export copies them, so both always agree. A text
// is empty where the record holds a code outside its list (the label is then left as it is).

#include "scenario/escenario.h"

#include <string>

namespace hortelia {

struct TextosCarga {
    std::string LTTecho, LDTecho;              ///< roof type, double roof ("Doble techo:   No")
    std::string LDSuecub, LDSupinv, LDVolinv;  ///< derived figures; empty if never derived
    std::string LCobertura, LManten;           ///< cover material, maintenance
    std::string LVentanas, LCenital;           ///< windows, roof window
    std::string LPoCal, LEfic;                 ///< calorific value, efficiency
    std::string LMaxTol, LMinTol, Liaf;        ///< crop ("Índice de área foliar= ")
    std::string LFTMax, LFTMin;                ///< "Máxima= " ... " C"
    std::string LFHRMax, LFHRMin;              ///< "Máxima= " ... " %"
    std::string LLat, LFecha;                  ///< "Latitud= " ... "°", "Fecha: 1 de enero"
};

/// Captions for the record as it stands; the derived figures only when `geometriaValida`.
TextosCarga TextosDeCarga(const Escenario& e, bool geometriaValida);

/// Roof type caption ("Tipo de techo: Túnel"), empty outside 1..4.
std::string TextoTipoTecho(int tipo);
/// Cover material caption as loading writes it ("Mat. cobertura: Vidrio"), empty outside 1..3.
std::string TextoMaterialCarga(double material);

}  // namespace hortelia
