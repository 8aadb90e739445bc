// Does it pay: each option changes exactly its fields, its row holds the season of a scenario
// file with those fields changed by hand. The README's example and a table without prices are
// golden outputs of test_hortelia_sim_temporada; what cannot run says why in test_hortelia_sim.

#include "scenario/archivo_hrt.h"
#include "scenario/opciones.h"
#include "support/archivos.h"
#include "support/ejemplos.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <tuple>
#include <vector>

using namespace hortelia;
using namespace hortelia::prueba;

namespace {

// The options of tests/data/opciones_campos.tsv: the example, the option, and a line it changes.
using Caso = std::vector<std::string>;
const std::vector<Caso> kCasos = LeeTablaDato("opciones_campos.tsv");

// The example's text with the case's line changed by hand.
std::string TextoCambiado(const Caso& c) {
    std::vector<std::string> lineas = Partes(LeeArchivo(kEjemplos + c.at(0)), '\n');
    lineas.at(std::stoul(c.at(2)) - 1) = c.at(3) + '\r';
    std::string t;
    for (const std::string& l : lineas) t += l + '\n';
    return t;
}

}  // namespace

TEST(Opciones, EachOptionChangesExactlyItsFieldsOfACopy) {
    ASSERT_EQ(kCasos.size(), 6U);
    for (const Caso& c : kCasos) {
        const Escenario base = Ejemplo(c[0]);
        ASSERT_EQ(TextoEscenario(base), LeeArchivo(kEjemplos + c[0]));
        const OpcionAplicada a = AplicaOpcion(base, *OpcionDeNombre(c[1]));
        ASSERT_TRUE(a.ok) << c[1] << ": " << a.motivo;
        EXPECT_EQ(TextoEscenario(a.escenario), TextoCambiado(c)) << c[1];
        // What the file does not hold stays too: the geometry and the model's constants.
        EXPECT_EQ(std::tie(a.escenario.SueloCubierto, a.escenario.SupCobertura, a.escenario.Volumen,
                           a.escenario.DensAire, a.escenario.CalorLatente),
                  std::tie(base.SueloCubierto, base.SupCobertura, base.Volumen, base.DensAire, base.CalorLatente));
        EXPECT_EQ(NombreOpcion(*OpcionDeNombre(c[1])), c[1]);
    }
}

// Each option's row holds what a season of the changed file gives, as --resumen prints it, and
// that file given as an option gives the same row.
TEST(Opciones, ARowIsTheSeasonOfTheFileWithTheChangedFields) {
    const CarpetaTemporal carpeta;
    const std::string temporada = " --temporada anio_tipico.epw --precio-agua 0.8 --precio-combustible ";
    for (const Caso& c : kCasos) {
        const bool gas = c[1].rfind("combustible-", 0) == 0;
        const std::string cambiado = carpeta / (c[1] + ".hrt");
        std::ofstream(cambiado, std::ios::binary) << TextoCambiado(c);
        const std::string nuevo = gas ? " --precio-combustible-nuevo 0.9" : "";
        const Salida opcion = EjecutaSim("--opciones " + c[1] + "=100" + temporada + "1.1" + nuevo + " " + c[0]);
        ASSERT_EQ(opcion.estado, 0) << opcion.texto;
        const Salida archivo = EjecutaSim("--opciones " + cambiado + "=100" + temporada + "1.1" + nuevo + " " + c[0]);
        const Salida resumen = EjecutaSim("--resumen" + temporada + (gas ? "0.9 " : "1.1 ") + cambiado);
        const std::vector<std::string> fila = Fila(opcion.texto, c[1]), r = Fila(resumen.texto, cambiado);
        ASSERT_EQ(fila.size(), 11U) << opcion.texto;
        ASSERT_EQ(r.size(), 13U) << resumen.texto;
        // Fuel, unit, water, the two costs and the heater to install.
        EXPECT_EQ(std::vector({fila[1], fila[2], fila[3], fila[4], fila[5], fila[10]}),
                  std::vector({r[1], r[2], r[3], r[10], r[11], r[12]}));
        std::vector<std::string> deArchivo = Fila(archivo.texto, cambiado);
        ASSERT_FALSE(deArchivo.empty()) << archivo.texto;
        deArchivo[0] = c[1];
        EXPECT_EQ(deArchivo, fila);
    }
}
