// The climate table reader: what it refuses (with line and column), the forms spreadsheets
// write that it accepts, and the dates it counts with.

#include "weather/tabla_clima.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace hortelia;

TEST(TablaClima, RefusesWithLineAndColumn) {
    const std::string t = "fecha,tmax,tmin\n";
    const std::string n = "mes;tmax;tmin\n";
    std::string meses;
    for (int m = 1; m <= 12; ++m) meses += std::to_string(m) + ";20;10\n";
    const std::vector<std::tuple<std::string, int, int, std::string>> casos{
        {"", 0, 0, "no tiene línea de títulos"},
        {t, 0, 0, "no tiene filas"},
        {"fecha,tmin\n2024-01-01,3\n", 1, 0, "falta la columna tmax"},
        {"tmax,tmin\n20,5\n", 1, 0, "falta la columna fecha"},
        {"fecha,mes,tmax,tmin\n", 1, 2, "fecha y mes"},
        {"fecha,tmax,tmin,lluvia\n2024-01-01,20,5,0\n", 1, 4, "\"lluvia\" no es conocida"},
        {"fecha,tmax,tmin,\n", 1, 4, "no tiene título"},
        {"fecha,tmax,tmin,TMAX\n", 1, 4, "tmax está repetida"},
        {t + "2024-01-01,20\n", 2, 0, "tiene 2 columnas y el título 3"},
        {t + "2024-01-01,20,x\n", 2, 3, "(tmin), el valor \"x\" no es un número"},
        {t + "2024-01-01,20,\n", 2, 3, "vacía"},
        {t + "2024-01-01,\"20,5\",3\n", 2, 2, "decimales con punto)"},
        {t + "2024-01-01,20,21\n", 2, 3, "mínima es mayor que la máxima"},
        {t + "2024-01-01,71,5\n", 2, 2, "fuera de los límites de la temperatura (de -90 a 70 °C)"},
        {"fecha,tmax,tmin,hrmax,hrmin\n2024-01-01,20,5,40,60\n", 2, 5, "humedad mínima es mayor"},
        {"fecha,tmax,tmin,hrmax\n2024-01-01,20,5,40\n", 2, 4, "falta la columna hrmin"},
        {"fecha,tmax,tmin,hrmax\n2024-01-01,20,5,100.5\n", 2, 4, "humedad relativa (de 0 a 100 %)"},
        {"fecha,tmax,tmin,viento\n2024-01-01,20,5,361\n", 2, 4, "velocidad del viento (de 0 a 360 km/h)"},
        {t + "2024-01-01,20,5\n2024-01-01,20,5\n", 3, 1, "2024-01-01 está repetida (ya estaba en la línea 2)"},
        {t + "2024-01-02,20,5\n# nota\n2024-01-01,20,5\n", 4, 1, "anterior a la de la línea 2"},
        {t + "2023-02-29,20,5\n", 2, 1, "no es una fecha posible"},
        {t + "2024/01/01,20,5\n", 2, 1, "no es una fecha AAAA-MM-DD"},
        {n + "1;20;10\n", 0, 1, "faltan los meses 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12"},
        {n + meses + "3;20;10\n", 14, 1, "el mes 3 está repetido (ya estaba en la línea 4)"},
        {n + "13;20;10\n", 2, 1, "no es un mes de 1 a 12"},
        // Bytes of the file shown in a message never come raw.
        {t + "2024-01-01,2\x01\xff,3\n", 2, 2, "\"2\\x01\\xFF\""},
        {"fecha,tmax,tmin,\xc3\x28\n", 1, 4, "\"\\xC3(\""},
    };
    for (const auto& [texto, linea, columna, dice] : casos) {
        const ResultadoTablaClima r = LeeTablaClima(texto);
        EXPECT_FALSE(r.ok) << texto;
        EXPECT_EQ(r.linea, linea) << texto;
        EXPECT_EQ(r.columna, columna) << texto;
        EXPECT_NE(r.mensaje.find(dice), std::string::npos) << r.mensaje;
        EXPECT_EQ(r.mensaje.find_first_of("\x01\xff\n"), std::string::npos) << r.mensaje;
        EXPECT_TRUE(r.tabla.filas.empty());
    }
}

TEST(TablaClima, ReadsTheFormsSpreadsheetsWrite) {
    // BOM, CRLF, comments, blank and empty-cell lines, quotes, any order, any case, accents.
    const std::string conComa =
        "\xEF\xBB\xBF# estación de ejemplo\r\n\r\n\"Fecha\",TMÍN,tmax,Viento\r\n"
        "2024-02-28,-2.5,12.25,7\r\n,,,\r\n2024-03-02,0,14,0\r\n";
    const std::string conPuntoYComa = "fecha;tmin;tmax;viento\n2024-02-28;-2,5;12.25;7\n2024-03-02; 0 ;14;0\n";
    const std::string conTab = "FECHA\tTMin\tTMax\tViento\n2024-02-28\t-2,5\t12,25\t7\n2024-03-02\t0\t14\t0\n";
    for (const std::string& texto : {conComa, conPuntoYComa, conTab}) {
        const ResultadoTablaClima r = LeeTablaClima(texto);
        ASSERT_TRUE(r.ok) << r.mensaje;
        EXPECT_EQ(r.tabla.tipo, TipoTablaClima::Diaria);
        EXPECT_EQ(r.tabla.faltan, (std::vector<std::string>{"hrmax", "hrmin", "nubosidad"}));
        ASSERT_EQ(r.tabla.filas.size(), 2U);
        const FilaClima& f = r.tabla.filas[0];
        EXPECT_EQ(f.fecha, (Fecha{2024, 2, 28}));
        EXPECT_EQ(f.tmax, 12.25);
        EXPECT_EQ(f.tmin, -2.5);
        EXPECT_EQ(f.viento, 7);
        // Missing columns take the start values of a new scenario.
        EXPECT_EQ(f.hrmax, 100);
        EXPECT_EQ(f.hrmin, 50);
        EXPECT_EQ(f.nubosidad, 0);
        EXPECT_EQ(r.tabla.filas[1].fecha, (Fecha{2024, 3, 2}));  // gaps are allowed
    }
}

TEST(TablaClima, NormalsComeInMonthOrder) {
    std::string texto = "Mes;TMax;TMin;HRMax;HRMin;Nubosidad;Viento\n";
    for (int m = 12; m >= 1; --m) texto += std::to_string(m) + ";" + std::to_string(20 + m) + ",5;3;90;40;2;10\n";
    const ResultadoTablaClima r = LeeTablaClima(texto);
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
    const ResultadoTablaClima r = CargaTablaClima("/no/existe.csv");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.mensaje.find("No se puede abrir"), std::string::npos);
    EXPECT_NE(CargaTablaClima("/dev/null").mensaje.find("no es un archivo común"), std::string::npos);
    for (const char* ejemplo : {"/../../ejemplos/clima_normales.csv", "/../../ejemplos/clima_diario.csv"})
        EXPECT_TRUE(CargaTablaClima(HORTELIA_TEST_DATA + std::string(ejemplo)).ok) << ejemplo;
}

TEST(TablaClima, DatesAsTypedAndCounted) {
    using T = TipoTablaClima;
    EXPECT_EQ(LeeFecha("2024-02-29", T::Diaria), (Fecha{2024, 2, 29}));
    EXPECT_EQ(LeeFecha("12-31", T::Normales), (Fecha{0, 12, 31}));
    for (const char* mala : {"2023-02-29", "2024-2-01", "2024-04-31", "0000-01-01", "24-01-01", "01-01"})
        EXPECT_FALSE(LeeFecha(mala, T::Diaria)) << mala;
    for (const char* mala : {"02-29", "13-01", "1-1", "2024-01-01"}) EXPECT_FALSE(LeeFecha(mala, T::Normales)) << mala;
    EXPECT_EQ(TextoFecha({0, 3, 7}, T::Normales), "03-07");
    // The next day across a leap February, a year's end, and round a year of normals.
    EXPECT_EQ(DiaSiguiente({2024, 2, 28}), (Fecha{2024, 2, 29}));
    EXPECT_EQ(DiaSiguiente({2100, 2, 28}), (Fecha{2100, 3, 1}));
    EXPECT_EQ(DiaSiguiente({2023, 12, 31}), (Fecha{2024, 1, 1}));
    EXPECT_EQ(DiaSiguiente({0, 2, 28}), (Fecha{0, 3, 1}));
    EXPECT_EQ(DiaSiguiente({0, 12, 31}), (Fecha{0, 1, 1}));
    EXPECT_EQ(NumeroDeDia({2000, 3, 1}) - NumeroDeDia({2000, 2, 28}), 2);
    EXPECT_EQ(NumeroDeDia({2025, 1, 1}) - NumeroDeDia({2024, 1, 1}), 366);
}
