// The climate table reader: what it refuses (with line and column), the forms spreadsheets
// write that it accepts, and the dates it counts with.

#include "weather/tabla_clima.h"

#include "support/archivos.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace hortelia;

// Each file of the tables of refusals in tests/data (our own tables, a weather API's exports,
// typical years in EPW) is refused at its line and column, its message saying what the row
// says and showing no raw byte.
TEST(TablaClima, RefusesWithLineAndColumn) {
    for (const auto& [tabla, filas] : {std::pair("tabla_clima_rechazos.tsv", 45U),
                                       std::pair("exportacion_clima_rechazos.tsv", 20U),
                                       std::pair("epw_rechazos.tsv", 16U)}) {
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
            if (caso[0].rfind("LOCATION", 0) == 0) {
                EXPECT_EQ(r.mensaje.rfind("El archivo EPW no es válido", 0), 0U) << r.mensaje;
            }
        }
    }
}

TEST(TablaClima, ReadsTheFormsSpreadsheetsWrite) {
    // BOM, CRLF, comments, blank and empty-cell lines, quotes, any order, any case, accents.
    const std::string conComa =
        "\xEF\xBB\xBF# estación de ejemplo\r\n\r\n\"Fecha\",TMÍN,tmax,Viento\r\n"
        "2024-02-28,-2.5,12.25,7\r\n,,,\r\n2024-03-02,0,14,0\r\n";
    // Blanks around a cell are no part of it, a date's too, quoted or not.
    const std::string conPuntoYComa = "fecha;tmin;tmax;viento\n 2024-02-28 ;-2,5;12.25;7\n\" 2024-03-02 \"; 0 ;14;0\n";
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

namespace {

// `latin1` as UTF-16 with its byte-order mark, little or big endian.
std::string Utf16(std::string_view latin1, bool bigEndian) {
    std::string r = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : latin1) r += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return r;
}

}  // namespace

// LibreOffice's "Guardar como CSV" on a Spanish desktop: commas between cells, decimal commas in
// quotes, dd/mm/aaaa dates, titles with blanks in Windows-1252; and a spreadsheet's "Unicode
// text", tab-separated UTF-16.
TEST(TablaClima, ReadsWhatASpanishSpreadsheetSaves) {
    const std::string calc =
        "Fecha,T M\xe1x,T M\xedn , HR  m\xe1x,HR m\xedn,Nubosidad,Viento\r\n"
        "17/06/2024,\"13,9\",\"-2,5\",90,48,1,7\r\n"
        "1/7/2024,18,\"2,3\",\"90\",40,4,\"8,5\"\r\n";
    const std::string unicode =
        "Fecha\tT M\xe1x\tT M\xedn\tHR m\xe1x\tHR m\xedn\tNubosidad\tViento\r\n"
        "17/06/2024\t13,9\t-2,5\t90\t48\t1\t7\r\n1/7/2024\t18\t2,3\t90\t40\t4\t8,5\r\n";
    const std::tuple<std::string, Codificacion> casos[] = {{calc, Codificacion::Windows1252},
                                                           {Utf16(unicode, false), Codificacion::Utf16LE},
                                                           {Utf16(unicode, true), Codificacion::Utf16BE}};
    for (const auto& [texto, codificacion] : casos) {
        const ResultadoTablaClima r = LeeTablaClima(texto);
        ASSERT_TRUE(r.ok) << r.mensaje;
        EXPECT_EQ(r.tabla.codificacion, codificacion);
        EXPECT_TRUE(r.tabla.faltan.empty());
        ASSERT_EQ(r.tabla.filas.size(), 2U);
        const FilaClima& a = r.tabla.filas[0];
        const FilaClima& b = r.tabla.filas[1];
        EXPECT_EQ(std::tuple(a.fecha, a.tmax, a.tmin, a.hrmax, a.hrmin),
                  std::tuple(Fecha{2024, 6, 17}, 13.9, -2.5, 90.0, 48.0));
        EXPECT_EQ(std::tuple(b.fecha, b.tmin, b.viento), std::tuple(Fecha{2024, 7, 1}, 2.3, 8.5));
    }
    EXPECT_EQ(LeeTablaClima("fecha,tmax,tmin\n2024-01-01,20,5\n").tabla.codificacion, Codificacion::Utf8);
}

// Bytes become UTF-8 as their encoding says; what UTF-16 or Windows-1252 leaves undefined is U+FFFD.
TEST(TablaClima, DecodesEachEncoding) {
    using C = Codificacion;
    const std::tuple<std::string, std::string, C> casos[] = {
        {"\xEF\xBB\xBFMáx", "Máx", C::Utf8},
        {"M\xe1x \x80 \x81", "Máx € \uFFFD", C::Windows1252},
        {"\xC0\x80", "À€", C::Windows1252},            // an overlong form is not UTF-8
        {"\xED\xA0\x80", "í\u00A0€", C::Windows1252},  // nor is a surrogate
        {std::string("\xFF\xFE\x3D\xD8\x00\xDE\x41", 7), "\U0001F600\uFFFD", C::Utf16LE},
        {std::string("\xFE\xFF\xD8\x3D\x00\x41", 6), "\uFFFDA", C::Utf16BE},
    };
    for (const auto& [bytes, texto, codificacion] : casos) {
        const TextoDecodificado d = DecodificaTexto(bytes);
        EXPECT_EQ(d.texto, texto) << bytes;
        EXPECT_EQ(d.codificacion, codificacion) << bytes;
    }
    EXPECT_EQ(NombreCodificacion(C::Windows1252), "Windows-1252");
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
    EXPECT_EQ(LeeFecha(" 2024-01-05 ", T::Diaria), (Fecha{2024, 1, 5}));
    EXPECT_EQ(LeeFecha("\t12-31 ", T::Normales), (Fecha{0, 12, 31}));
    for (const char* mala : {"2023-02-29", "2024-2-01", "2024-04-31", "0000-01-01", "24-01-01", "01-01"})
        EXPECT_FALSE(LeeFecha(mala, T::Diaria)) << mala;
    for (const char* mala : {"02-29", "13-01", "1-1", "2024-01-01"}) EXPECT_FALSE(LeeFecha(mala, T::Normales)) << mala;
    EXPECT_EQ(TextoFecha({0, 3, 7}, T::Normales), "03-07");
    // A table's dates: AAAA-MM-DD, dd/mm/aaaa or d/m/aaaa.
    for (const char* buena : {"2024-07-01", "01/07/2024", " 1/7/2024 "})
        EXPECT_EQ(LeeFechaDeTabla(buena), (Fecha{2024, 7, 1}));
    for (const char* mala : {"01/07/24", "01/07", "31/06/2024", "001/7/2024", "1/7/202", "1/7/2024/1", "2024/07/01"})
        EXPECT_FALSE(LeeFechaDeTabla(mala)) << mala;
    // The next day across a leap February, a year's end, and round a year of normals.
    EXPECT_EQ(DiaSiguiente({2024, 2, 28}), (Fecha{2024, 2, 29}));
    EXPECT_EQ(DiaSiguiente({2100, 2, 28}), (Fecha{2100, 3, 1}));
    EXPECT_EQ(DiaSiguiente({2023, 12, 31}), (Fecha{2024, 1, 1}));
    EXPECT_EQ(DiaSiguiente({0, 2, 28}), (Fecha{0, 3, 1}));
    EXPECT_EQ(DiaSiguiente({0, 12, 31}), (Fecha{0, 1, 1}));
    EXPECT_EQ(NumeroDeDia({2000, 3, 1}) - NumeroDeDia({2000, 2, 28}), 2);
    EXPECT_EQ(NumeroDeDia({2025, 1, 1}) - NumeroDeDia({2024, 1, 1}), 366);
}
