// The season's text: the number form the batch tool and a window share, the table layout, and
// the workbook of the same tables.

#include "results/informe_temporada.h"

#include "engine/carga_escenario.h"
#include "engine/valores_iniciales.h"
#include "support/archivos.h"
#include "support/ejemplos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

using namespace hortelia;

TEST(InformeTemporada, ShortestExactNumbersInPlainForm) {
    // Never an exponent; 0.1 + 0.2 is the double just above 0.3. A single prints as a single: its
    // own shortest digits, not those of its widened double.
    const auto E = Variante::Entero;
    for (const auto& [hecho, texto] :
         {std::pair(NumeroExacto(12.0), "12"), std::pair(NumeroExacto(0.24), "0.24"),
          std::pair(NumeroExacto(-3.5), "-3.5"), std::pair(NumeroExacto(-0.0), "0"),
          std::pair(NumeroExacto(0.0001), "0.0001"), std::pair(NumeroExacto(1e21), "1000000000000000000000"),
          std::pair(NumeroExacto(0.1 + 0.2), "0.30000000000000004"), std::pair(NumeroExacto(12.3F), "12.3"),
          std::pair(NumeroExacto(static_cast<double>(12.3F)), "12.300000190734863"),
          std::pair(NumeroExacto(E(10) / E(4)), "2.5"), std::pair(NumeroExacto(E(123) / E(10)), "12.3"),
          std::pair(NumeroExacto(E(-7)), "-7"), std::pair(NumeroExacto(Variante::Doble(31.5)), "31.5"),
          std::pair(NumeroExacto(Variante()), "")})
        EXPECT_EQ(hecho, texto);
}

TEST(InformeTemporada, KeysTablesAndEmptyCostCells) {
    Temporada t;
    t.tipo = TipoTablaClima::Normales;
    t.desde = {0, 12, 31};
    t.hasta = {0, 1, 1};
    t.unidadCombustible = "kg";
    t.faltan = {"nubosidad", "viento"};
    t.precios.agua = 0.5;
    const auto E = Variante::Entero;
    DiaTemporada d{.fecha = {}, .tmax = E(225) / E(10), .tmin = E(-5) / E(10), .hrmax = E(90), .hrmin = E(40),
                   .nubosidad = 0, .vientoKmh = 0, .combustible = 1.5, .agua = 20, .etr = 0, .etp = 0,
                   .horasCalefaccion = 3, .horasRefrigeracion = 0, .tempMinInterior = 8, .tempMaxInterior = 25.1F,
                   .potenciaPicoKw = 4.25, .horasFueraDeRango = 5};
    for (const Fecha& f : {Fecha{0, 12, 31}, Fecha{0, 1, 1}}) {
        d.fecha = f;
        t.dias.push_back(d);
        t.meses.emplace_back().mes = f.mes;
        SumaDia(t.meses.back(), d);
        AplicaPrecios(t.meses.back(), t.precios);
        SumaDia(t.total, d);
    }
    AplicaPrecios(t.total, t.precios);
    t.diseno = {OrigenDiseno::Indicada, -3.5, 6.7};
    t.potenciaDisenoKw = 12.25;
    EXPECT_EQ(TextoTemporada(t, "a\tb.hrt", "clima.csv"), prueba::LeeDato("temporada_claves.expected"));
    EXPECT_EQ(FilaResumenEscenario("b.hrt", t.total, "kg"), "b.hrt\t3\tkg\t40\t0\t0\t6\t0\t8\t4.25\t\t0.02\n");
    EXPECT_EQ(FilaResumenTemporada("b.hrt", t), "b.hrt\t3\tkg\t40\t0\t0\t6\t0\t8\t4.25\t\t0.02\t12.25\n");
    // The workbook: the columns that lack, and the decimals each figure of a day and of a month
    // is shown with (two for fuel, water, transpiration, power and costs, one for temperatures,
    // cloud cover and wind, none for humidities, days and hours).
    t.precios.combustible = 2;
    for (PeriodoTemporada& m : t.meses) AplicaPrecios(m, t.precios);
    const Hoja hoja = HojaTemporada(t, "b.hrt", "clima.csv");
    const auto fila = [&](const std::string& titulo) {
        std::size_t f = 0;
        while (f < hoja.filas.size() && (hoja.filas[f].empty() || hoja.filas[f][0].texto != titulo)) ++f;
        return f;
    };
    EXPECT_EQ(hoja.filas.at(fila("Faltan (valor inicial)")).at(1).texto, "nubosidad, viento");
    for (const auto& [titulo, decimales] : {std::pair("Día", std::vector{1, 1, 0, 0, 1, 1, 2, 2, 2, 2, 0, 0, 1, 1, 2}),
                                            std::pair("Mes", std::vector{0, 2, 2, 2, 2, 0, 0, 1, 2, 2, 2, 0})})
        for (std::size_t f = fila(titulo) + 1; f < fila(titulo) + 3; ++f)
            for (std::size_t c = 1; c < hoja.filas.at(f).size(); ++c)
                if (hoja.filas[f][c].tipo == CeldaHoja::Tipo::Numero) {
                    EXPECT_EQ(hoja.filas[f][c].decimales, decimales.at(c - 1)) << titulo << " " << f << ", " << c;
                }
}

// The days a season lacks: the first five named, the rest counted, in the head of the text (with
// the file's encoding) and in words for a window.
TEST(InformeTemporada, NamesTheFirstFiveMissingDays) {
    Temporada t;
    t.codificacion = Codificacion::Windows1252;
    const std::vector<Fecha> cinco{{2024, 6, 2}, {2024, 6, 3}, {2024, 6, 4}, {2024, 6, 9}, {2024, 7, 1}};
    const std::tuple<int, std::size_t, std::string, std::string> casos[] = {
        {0, 0, "", ""},
        {1, 1, "2024-06-02", "Es el 02/06/2024."},
        {5, 5, "2024-06-02, 2024-06-03, 2024-06-04, 2024-06-09, 2024-07-01", "Son el 02/06/2024, 03/06/2024, "},
        {17, 5, "2024-06-02, 2024-06-03, 2024-06-04, 2024-06-09, 2024-07-01 y 12 más",
         "Son el 02/06/2024, 03/06/2024, 04/06/2024, 09/06/2024, 01/07/2024 y 12 más."}};
    for (const auto& [sinDatos, nombrados, texto, enPalabras] : casos) {
        t.diasSinDatos = sinDatos;
        t.faltantes.assign(cinco.begin(), cinco.begin() + static_cast<std::ptrdiff_t>(nombrados));
        EXPECT_EQ(DiasFaltantesTemporada(t), texto);
        const std::string cabeza = TextoTemporada(t, "a.hrt", "b.csv");
        EXPECT_NE(cabeza.find("\nCodificacion\tWindows-1252\n"), std::string::npos);
        EXPECT_NE(cabeza.find("\nDiasFaltantes\t" + texto + "\n"), std::string::npos);
        EXPECT_EQ(DiasFaltantesEnPalabras(t).substr(0, enPalabras.size()), enPalabras);
    }
}

// The workbook holds every figure of the text's month and day tables as a number, in the same
// order, under titles in words; a cost without a price is an empty cell. How the writer keeps a
// sheet's numbers and formats is test_hoja_calculo's.
TEST(InformeTemporada, TheWorkbookHoldsTheTextTablesAsNumbers) {
    const Escenario e = prueba::Ejemplo("tunel_doble.hrt");
    const ResultadoTablaClima tabla = CargaTablaClima(prueba::kEjemplos + "clima_normales.csv");
    ASSERT_TRUE(tabla.ok);
    OpcionesTemporada opciones;
    opciones.desde = Fecha{0, 11, 20};  // across the new year
    opciones.hasta = Fecha{0, 2, 10};
    opciones.precios.combustible = 1.25;
    const ResultadoTemporada r = SimulaTemporada(e, tabla.tabla, opciones);
    ASSERT_TRUE(r.ok) << r.mensaje;
    const Hoja hoja = HojaTemporada(r.temporada, "tunel_doble.hrt", "clima.csv");
    const CeldaHoja vacia;
    const auto celda = [&](std::size_t f, std::size_t c) -> const CeldaHoja& {
        return f < hoja.filas.size() && c < hoja.filas[f].size() ? hoja.filas[f][c] : vacia;
    };
    const auto texto = [&](std::size_t f, std::size_t c) {
        return celda(f, c).tipo == CeldaHoja::Tipo::Texto ? celda(f, c).texto : std::string("(no es texto)");
    };
    EXPECT_EQ(texto(1, 1), "tunel_doble.hrt");
    EXPECT_EQ(texto(3, 1), "UTF-8");
    EXPECT_EQ(texto(5, 1), "20/11");
    // The price given heads the sheet; the one not given has no row.
    const auto fila = [&](const char* t) {
        std::size_t f = 0;
        while (f < 40 && texto(f, 0) != t) ++f;
        return f;
    };
    EXPECT_EQ(celda(fila("Precio del combustible"), 1).numero, 1.25);
    EXPECT_EQ(fila("Precio del agua (m³)"), 40U);
    // Both tables' title rows take two lines; the figures' columns fit "refrigeración" and a margin.
    EXPECT_EQ(std::count(hoja.lineas.begin(), hoja.lineas.end(), 2), 2);
    EXPECT_EQ(std::count(hoja.lineas.begin(), hoja.lineas.end(), 0), static_cast<long>(hoja.lineas.size()) - 2);
    EXPECT_EQ(std::vector<double>(hoja.anchos.begin() + 1, hoja.anchos.end()), std::vector<double>(hoja.anchos.size() - 1, 15));

    // The text's tables, each line as its cells, the date or month first.
    std::vector<std::vector<std::string>> lineas;
    for (const std::string& l : prueba::Partes(TextoTemporada(r.temporada, "tunel_doble.hrt", "clima.csv"), '\n'))
        lineas.push_back(prueba::Partes(l + '\t', '\t'));
    for (const auto& [tituloTexto, tituloHoja, cuantas, primera] :
         {std::tuple("Mes", "Mes", 5U, "noviembre"), std::tuple("Fecha", "Día", 83U, "20/11")}) {
        SCOPED_TRACE(tituloHoja);
        std::size_t f = 0;
        while (texto(f, 0) != tituloHoja) ASSERT_LT(++f, 40U);
        auto i = std::find_if(lineas.begin(), lineas.end(), [&](const auto& l) { return l.front() == tituloTexto; });
        std::vector<std::vector<std::string>> filas;
        for (++i; i != lineas.end() && i->size() > 1; ++i) filas.push_back(*i);
        ASSERT_EQ(filas.size(), cuantas);
        EXPECT_EQ(texto(f + 1, 0), primera);
        for (std::size_t k = 0; k < filas.size(); ++k)
            for (std::size_t c = 1; c < filas[k].size(); ++c) {
                SCOPED_TRACE(std::to_string(k) + ", " + std::to_string(c) + " \"" + filas[k][c] + "\"");
                const CeldaHoja& x = celda(f + 1 + k, c);
                const std::string& t = filas[k][c];
                EXPECT_EQ(std::pair(x.tipo, x.numero), t.empty() ? std::pair(CeldaHoja::Tipo::Vacia, 0.0)
                                                                 : std::pair(CeldaHoja::Tipo::Numero, std::stod(t)));
            }
    }
}
