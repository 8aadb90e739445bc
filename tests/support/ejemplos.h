#pragma once

// For the core tests: a shipped example loaded, and a climate table read from its text.

#include "engine/carga_escenario.h"
#include "engine/valores_iniciales.h"
#include "weather/tabla_clima.h"

#include <gtest/gtest.h>

#include <string>

namespace hortelia::prueba {

/// The folder of the shipped examples, with its final slash.
inline const std::string kEjemplos = std::string(HORTELIA_TEST_DATA) + "/../../ejemplos/";

/// The example `nombre` loaded over the start values, its dimensions accepted.
inline Escenario Ejemplo(const std::string& nombre) {
    Escenario e;
    PonValoresIniciales(e);
    const ResultadoCarga c = CargaEscenario(kEjemplos + nombre, e);
    EXPECT_TRUE(c.ok && c.dimensionesValidas) << nombre << ": " << c.mensaje;
    return e;
}

/// The climate table of `texto`, which must read.
inline TablaClima Tabla(const std::string& texto) {
    ResultadoTablaClima r = LeeTablaClima(texto);
    EXPECT_TRUE(r.ok) << r.mensaje;
    return r.tabla;
}

}  // namespace hortelia::prueba
