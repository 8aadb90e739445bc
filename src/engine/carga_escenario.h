#pragma once

// Loading a scenario: the file's saved fields, then the values derived from them. A file the
// reader refuses changes nothing; a file whose dimensions make no greenhouse still loads, with
// the derived values cleared so that the day refuses to run until the dimensions are accepted.

#include "scenario/archivo_hrt.h"
#include "scenario/escenario.h"

#include <string>

namespace hortelia {

struct ResultadoCarga : ResultadoLectura {
    bool dimensionesValidas = false;
    std::string motivoDimensiones;  ///< why the loaded dimensions cannot be used
};

/// Reads a scenario from the text of a file and derives its geometry.
ResultadoCarga CargaTextoEscenario(const std::string& texto, Escenario& e);

/// Reads the file at `ruta`; a file that cannot be read is refused the same way.
ResultadoCarga CargaEscenario(const std::string& ruta, Escenario& e);

}  // namespace hortelia
