// Does it pay: the saving of a year and the payback, by hand and through a comparison whose
// season is longer than a year, or whose options save nothing.

#include "engine/carga_escenario.h"
#include "engine/comparacion.h"
#include "engine/valores_iniciales.h"
#include "numeros/conversiones.h"
#include "results/informe_opciones.h"
#include "scenario/opciones.h"
#include "support/archivos.h"

#include "support/ejemplos.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace hortelia;

namespace {

// `dias` days from 2023-01-01, each with the same figures.
TablaClima Diaria(int dias, double tmax, double tmin) {
    TablaClima t;
    Fecha f{2023, 1, 1};
    for (int k = 0; k < dias; ++k, f = DiaSiguiente(f)) t.filas.push_back({f, tmax, tmin, 90, 50, 4, 10});
    return t;
}

OpcionAComparar Pide(const Escenario& base, const std::string& nombre, std::optional<double> inversion) {
    OpcionAplicada a = AplicaOpcion(base, *OpcionDeNombre(nombre));
    EXPECT_TRUE(a.ok) << nombre << ": " << a.motivo;
    return {nombre, nombre, nombre, a.escenario, inversion};
}

}  // namespace

// The cases of tests/data/ahorro_y_retorno.tsv.
TEST(Comparacion, SavingOfAYearAndPaybackByHand) {
    const auto casos = prueba::LeeTablaDato("ahorro_y_retorno.tsv");
    ASSERT_EQ(casos.size(), 14U);
    for (const auto& c : casos) {
        const auto n = [&](std::size_t k) { return LeeDecimal(c.at(k)); };
        if (c.at(0) == "ahorro") {
            EXPECT_EQ(AhorroAnual(n(1), n(2), std::stoi(c.at(3))), n(4)) << c[3];
        } else {
            EXPECT_EQ(RetornoAnios(n(1), n(2)), c.at(4) == "-" ? std::nullopt : std::optional(n(4)))
                << c[1] << " / " << c[2];
        }
    }
}

// Two years of the same cold day: the savings are the season's halved, and the text says so
// before its title; a fuel dearer than the saving never pays back, and a row without an
// investment has no payback.
TEST(Comparacion, ALongerSeasonIsScaledToAYear) {
    const Escenario base = prueba::Ejemplo("tunel_simple.hrt");
    OpcionesTemporada o;
    o.precios.combustible = 1.1;
    const ResultadoComparacion r =
        ComparaOpciones(base,
                        {Pide(base, "doble-techo", 1500), Pide(base, "combustible-gasoil", 10),
                         Pide(base, "minima-1", std::nullopt), Pide(base, "eficiencia-81", 0)},
                        Diaria(730, 12, 1), o, 5.0);
    ASSERT_TRUE(r.ok) << r.mensaje;
    const Comparacion& c = r.comparacion;
    EXPECT_EQ(c.dias, 730);
    const std::string texto = TextoComparacion(c);
    EXPECT_EQ(texto.rfind("Escalado\t365/730\nOpcion\t", 0), 0U) << texto;  // the titles: opciones_epw.expected
    ASSERT_EQ(c.filas.size(), 5U);
    const double costoBase = *c.filas[0].total.costoCombustible;
    const std::string retornos[] = {"", "", kNoSeRecupera.data(), "", "0.0"};
    for (std::size_t k = 1; k < c.filas.size(); ++k) {
        const FilaComparacion& f = c.filas[k];
        const double precio = k == 2 ? 5.0 : 1.1;
        EXPECT_EQ(*f.costoTotal, f.total.combustible * precio) << f.nombre;
        EXPECT_EQ(*f.ahorroAnual, (costoBase - *f.costoTotal) * 365 / 730) << f.nombre;
        if (k != 1) {
            EXPECT_EQ(CeldasComparacion(f)[8], retornos[k]) << f.nombre;
        }
    }
    // The payback rounded, written with its one decimal.
    const std::string doble = CeldasComparacion(c.filas[1])[8];
    EXPECT_EQ(c.filas[1].retornoAnios, Redondea(1500 / *c.filas[1].ahorroAnual, 1));
    EXPECT_EQ(std::stod(doble), *c.filas[1].retornoAnios);
    EXPECT_EQ(doble[doble.size() - 2], '.') << doble;
    // The base row: no saving, investment nor payback.
    const std::vector<std::string> base0 = CeldasComparacion(c.filas[0]);
    EXPECT_EQ(std::vector<std::string>(base0.begin() + 6, base0.begin() + 9), std::vector<std::string>(3, ""));
    // Its workbook: the titles' row of two lines under rows of one, the figures with two decimals
    // and the payback (column J) with one.
    const Hoja hoja = HojaComparacion(c, "tunel_simple.hrt", "clima.csv");
    EXPECT_EQ(hoja.nombre, "Opciones");
    std::string cabeza;  // the head's captions: the fuel's price, given, and no water price
    for (std::size_t f = 0; f < 10; ++f) cabeza += hoja.filas.at(f).empty() ? "\n" : hoja.filas[f][0].texto + "\n";
    EXPECT_NE(cabeza.find("\nPrecio del combustible\n"), std::string::npos) << cabeza;
    EXPECT_EQ(cabeza.find("Precio del agua"), std::string::npos) << cabeza;
    std::vector<int> lineas(hoja.lineas.size() - 1, 0);
    lineas.push_back(2);
    EXPECT_EQ(hoja.lineas, lineas);
    int numeros = 0;
    for (std::size_t f = lineas.size(); f < hoja.filas.size(); ++f)
        for (std::size_t k = 1; k < hoja.filas[f].size(); ++k)
            if (hoja.filas[f][k].tipo == CeldaHoja::Tipo::Numero) {
                EXPECT_EQ(hoja.filas[f][k].decimales, k == 9 ? 1 : 2) << f << ", " << k;
                numeros += k == 9;
            }
    EXPECT_EQ(numeros, 2);
}

// A season that never heats: no option saves, and an investment never comes back.
TEST(Comparacion, NoSavingNeverPaysBack) {
    const Escenario base = prueba::Ejemplo("tunel_simple.hrt");
    OpcionesTemporada o;
    o.precios.combustible = 1.1;
    const ResultadoComparacion r = ComparaOpciones(
        base, {Pide(base, "doble-techo", 1500), Pide(base, "eficiencia-95", std::nullopt)}, Diaria(10, 30, 20), o);
    ASSERT_TRUE(r.ok) << r.mensaje;
    EXPECT_EQ(TextoComparacion(r.comparacion).rfind("Opcion\t", 0), 0U);  // not scaled
    const std::vector<std::string> doble = CeldasComparacion(r.comparacion.filas[1]);
    EXPECT_EQ(std::tuple(doble[6], doble[8], CeldasComparacion(r.comparacion.filas[2])[8]),
              std::tuple("0", kNoSeRecupera, ""));
    // A minimum lowered by more than the catalogue's steps, as a window could ask for it.
    EXPECT_EQ(MotivoOpcion(base, {TipoOpcion::Minima, 4}), "la mínima se baja de 1 a 3 °C");
}
