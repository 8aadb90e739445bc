// The climate table reader: what it refuses (with line and column), the forms spreadsheets
// write that it accepts, and the dates it counts with.

#include "weather/tabla_clima.h"

#include "numeros/conversiones.h"
#include "support/archivos.h"
#include "weather/calendario.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace hortelia;

// Each file of the tables of refusals in tests/data (our own tables, a weather API's exports,
// typical years in EPW) is refused at its line and column, its message saying what the row
// says and showing no raw byte.
TEST(TablaClima, RefusesWithLineAndColumn) {
    for (const auto& [tabla, filas] :
         {std::pair("tabla_clima_rechazos.tsv", 45U), std::pair("exportacion_clima_rechazos.tsv", 25U),
          std::pair("epw_rechazos.tsv", 18U)}) {
        const auto casos = prueba::LeeTablaDato(tabla);
        ASSERT_EQ(casos.size(), filas) << tabla;
        for (const auto& caso : casos) {
            const ResultadoTablaClima r = LeeTablaClima(caso.at(0));
            EXPECT_FALSE(r.ok) << caso[0];
            EXPECT_EQ(std::tuple(r.linea, r.columna), std::tuple(std::stoi(caso.at(1)), std::stoi(caso.at(2))))
                << r.mensaje;
            EXPECT_NE(r.mensaje.find(caso.at(3)), std::string::npos) << r.mensaje;
            EXPECT_EQ(r.mensaje.find_first_of("\x01\xff\n"), std::string::npos) << r.mensaje;
            EXPECT_TRUE(r.tabla.filas.empty());
            const bool epw = caso[0].rfind("LOCATION", 0) == 0;
            EXPECT_EQ(r.mensaje.rfind("El archivo EPW no es válido", 0) == 0, epw) << r.mensaje;
        }
    }
}

// Each table of tests/data/tablas_clima_leidas.tsv, in a form a spreadsheet writes, read.
TEST(TablaClima, ReadsTheFormsSpreadsheetsWrite) {
    const auto casos = prueba::LeeTablaDato("tablas_clima_leidas.tsv");
    ASSERT_EQ(casos.size(), 7U);
    for (const auto& c : casos) {
        SCOPED_TRACE(c.at(1) + " " + c.at(0).substr(0, 40));
        const ResultadoTablaClima r = LeeTablaClima(c[0]);
        ASSERT_TRUE(r.ok) << r.mensaje;
        EXPECT_EQ(r.tabla.tipo, TipoTablaClima::Diaria);
        EXPECT_EQ(NombreCodificacion(r.tabla.codificacion), c.at(1));
        EXPECT_EQ(r.tabla.faltan, c.at(2).empty() ? std::vector<std::string>{} : prueba::Partes(c[2], ','));
        ASSERT_EQ(r.tabla.filas.size(), 2U);
        const FilaClima& a = r.tabla.filas[0];
        const FilaClima& b = r.tabla.filas[1];
        const auto n = [&](std::size_t k) { return LeeDecimal(c.at(k)); };
        EXPECT_EQ(std::tuple(TextoFechaCompleta(a.fecha), a.tmax, a.tmin, a.hrmax, a.hrmin, a.nubosidad, a.viento),
                  std::tuple(c.at(3), n(4), n(5), n(6), n(7), n(8), n(9)));
        EXPECT_EQ(std::tuple(TextoFechaCompleta(b.fecha), b.tmin, b.viento), std::tuple(c.at(10), n(11), n(12)));
    }
}

// Bytes become UTF-8 as their encoding says; what UTF-16 or Windows-1252 leaves undefined is U+FFFD.
TEST(TablaClima, DecodesEachEncoding) {
    const auto casos = prueba::LeeTablaDato("decodificacion.tsv");
    ASSERT_EQ(casos.size(), 9U);
    for (const auto& c : casos) {
        const TextoDecodificado d = DecodificaTexto(c.at(0));
        EXPECT_EQ(d.texto, c.at(1)) << c[0];
        EXPECT_EQ(NombreCodificacion(d.codificacion), c.at(2)) << c[0];
    }
}

// tests/data/normales_al_reves.csv: December first, each month's tmax 20 and a half more than its
// number.
TEST(TablaClima, NormalsComeInMonthOrder) {
    const ResultadoTablaClima r = LeeTablaClima(prueba::LeeDato("normales_al_reves.csv"));
    ASSERT_TRUE(r.ok) << r.mensaje;
    EXPECT_EQ(r.tabla.tipo, TipoTablaClima::Normales);
    EXPECT_TRUE(r.tabla.faltan.empty());
    ASSERT_EQ(r.tabla.filas.size(), 12U);
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(r.tabla.filas[static_cast<std::size_t>(m - 1)].fecha, (Fecha{0, m, 0}));
        EXPECT_EQ(r.tabla.filas[static_cast<std::size_t>(m - 1)].tmax, 20 + m + 0.5);
    }
}

TEST(TablaClima, FilesOnlyThroughTheBoundedReader) {
    EXPECT_NE(CargaTablaClima("/no/existe.csv").mensaje.find("No se puede abrir"), std::string::npos);
    EXPECT_NE(CargaTablaClima("/dev/null").mensaje.find("no es un archivo común"), std::string::npos);
}

TEST(TablaClima, DatesAsTypedAndCounted) {
    using T = TipoTablaClima;
    for (const auto& c : prueba::LeeTablaDato("fechas.tsv")) {
        const std::optional<Fecha> f = c.at(0) == "Tabla"   ? LeeFechaDeTabla(c.at(1))
                                       : c[0] == "Normales" ? LeeFecha(c[1], T::Normales)
                                                            : LeeFecha(c[1], T::Diaria);
        EXPECT_EQ(f ? TextoFechaCompleta(*f) : "-", c.at(2)) << c[0] << " \"" << c[1] << "\"";
    }
    EXPECT_EQ(TextoFecha({0, 3, 7}, T::Normales), "03-07");
    // The next day across a leap February, a year's end, and round a year of normals.
    EXPECT_EQ(std::vector({DiaSiguiente({2024, 2, 28}), DiaSiguiente({2100, 2, 28}), DiaSiguiente({2023, 12, 31}),
                           DiaSiguiente({0, 2, 28}), DiaSiguiente({0, 12, 31})}),
              std::vector<Fecha>({{2024, 2, 29}, {2100, 3, 1}, {2024, 1, 1}, {0, 3, 1}, {0, 1, 1}}));
    EXPECT_EQ(NumeroDeDia({2000, 3, 1}) - NumeroDeDia({2000, 2, 28}), 2);
    EXPECT_EQ(NumeroDeDia({2025, 1, 1}) - NumeroDeDia({2024, 1, 1}), 366);
}
