// The .xlsx writer and the data sheet's workbook, read back from the file with unzip.

#include "engine/carga_escenario.h"
#include "engine/simula_dia.h"
#include "engine/valores_iniciales.h"
#include "results/exportacion.h"
#include "results/hoja_planilla.h"
#include "scenario/archivo_texto.h"
#include "support/archivos.h"
#include "support/libro_xlsx.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include <unistd.h>

using namespace hortelia;
using hortelia::prueba::Ref;

namespace {

namespace fs = std::filesystem;

// A private folder, which is also the temporary folder of the writer (TMPDIR), so that a
// temporary left behind shows.
class HojaCalculo : public ::testing::Test {
protected:
    void SetUp() override {
        dir = carpeta.ruta();
        fs::create_directories(dir / "tmp");
        ::setenv("TMPDIR", (dir / "tmp").c_str(), 1);
    }
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        ::unsetenv("TMPDIR");
    }
    prueba::CeldasLeidas Lee(const fs::path& archivo) {
        std::string error;
        auto celdas = prueba::LeeLibro(archivo.string(), error);
        if (!celdas) ADD_FAILURE() << error;
        return celdas.value_or(prueba::CeldasLeidas{});
    }
    const prueba::CarpetaTemporal carpeta;
    fs::path dir;
};

}  // namespace

// Under a Spanish C locale (the program's, from its environment) the library would print 0,24.
TEST_F(HojaCalculo, NumbersAreNumberCellsWithAPointWhateverTheLocale) {
    ASSERT_NE(std::setlocale(LC_ALL, "es_ES.UTF-8"), nullptr) << "falta la configuración regional es_ES.UTF-8";
    Hoja hoja{"Prueba",
              {{CeldaHoja::DeTexto("Título «1»", CeldaHoja::Estilo::Destacada),
                CeldaHoja::DeNumero(0.24),
                {},
                CeldaHoja::DeNumero(-1.5e-05)},
               {CeldaHoja::DeTexto("a\nb & c", CeldaHoja::Estilo::Titulo), CeldaHoja::DeNumero(3119.5)}},
              {12.5, 0, 9},
              {0, 2, 3}};  // a height for a row the sheet does not have is left out
    const fs::path ruta = dir / "libro.xlsx";
    const ResultadoArchivo r = GuardaHojaCalculo(ruta.string(), hoja);
    ASSERT_TRUE(r.ok) << r.mensaje;
    std::setlocale(LC_ALL, "C");
    const auto celdas = Lee(ruta);
    EXPECT_EQ(celdas.size(), 5U);
    const auto celda = [&](const char* ref) { return std::pair(celdas.at(ref).numero, celdas.at(ref).texto); };
    EXPECT_EQ(celda("A1"), std::pair(false, std::string("Título «1»")));
    EXPECT_EQ(celda("B1"), std::pair(true, std::string("0.24")));
    EXPECT_EQ(std::tuple(std::stod(celdas.at("D1").texto), celdas.at("A2").texto, celdas.at("B2").texto),
              std::tuple(-1.5e-05, "a\nb & c", "3119.5"));
    // Widths and heights are numbers too.
    const std::string xml = *prueba::Miembro(ruta.string(), "xl/worksheets/sheet1.xml");
    EXPECT_NE(xml.find("width=\"13.28"), std::string::npos) << xml;
    EXPECT_NE(xml.find("ht=\"30\""), std::string::npos) << xml;
    EXPECT_EQ(xml.find("ht=\"45\""), std::string::npos) << xml;
    EXPECT_TRUE(fs::is_empty(dir / "tmp"));
}

// Every save that fails says why, in Spanish, and leaves the old file: a folder that is not
// there, one that cannot be written (for root, who writes anywhere, a path under a file), a name
// too long, a folder as the target, a sheet's name a workbook refuses, no temporary folder.
TEST_F(HojaCalculo, EveryFailedSaveSaysWhyAndKeepsTheOldFile) {
    const fs::path ruta = dir / "libro.xlsx";
    std::ofstream(ruta) << "antes";
    fs::create_directory(dir / "solo_lectura");
    fs::permissions(dir / "solo_lectura", fs::perms::owner_read | fs::perms::owner_exec);
    const std::string sinPermiso =
        ::geteuid() == 0 ? "/etc/passwd/x.hrt" : (dir / "solo_lectura" / "x.hrt").string();
    const Hoja hoja{"Hoja", {{CeldaHoja::DeNumero(1)}}, {}, {}};
    // A scenario is saved as a text (GuardaEscenario is GuardaTexto of its text).
    const std::function<ResultadoArchivo(const std::string&)> guardados[] = {
        [](const std::string& r) { return GuardaTexto(r, "x"); },
        [&](const std::string& r) { return GuardaHojaCalculo(r, hoja); }};
    for (const std::string& destino : {(dir / "no" / "existe.xlsx").string(), sinPermiso,
                                       (dir / std::string(300, 'n')).string(), dir.string()}) {
        for (const auto& guarda : guardados) {
            const ResultadoArchivo r = guarda(destino);
            EXPECT_FALSE(r.ok) << destino;
            EXPECT_NE(r.mensaje.find("No se puede guardar en \""), std::string::npos) << r.mensaje;
            EXPECT_EQ(r.mensaje.back(), '.') << r.mensaje;
        }
    }
    const ResultadoArchivo nombre = GuardaHojaCalculo(ruta.string(), Hoja{"a/b", {{CeldaHoja::DeNumero(1)}}, {}, {}});
    EXPECT_NE(nombre.mensaje.find("la hoja no puede llamarse \"a/b\""), std::string::npos) << nombre.mensaje;
    ::setenv("TMPDIR", (dir / "no").c_str(), 1);
    const ResultadoArchivo temporal = GuardaHojaCalculo(ruta.string(), hoja);
    EXPECT_NE(temporal.mensaje.find(": no hay una carpeta para archivos temporales."), std::string::npos)
        << temporal.mensaje;
    EXPECT_EQ(prueba::LeeArchivo(ruta.string()), "antes");
    EXPECT_TRUE(fs::is_empty(dir / "tmp"));
}

// What XML 1.0 cannot hold (U+FFFE, U+FFFF, control characters, invalid UTF-8) is written as
// U+FFFD, in cells and in the sheet's name, so that the workbook stays well formed; a number
// keeps its whole value under a format of its decimals ("0.00", and "0" for none).
TEST_F(HojaCalculo, WhatXmlCannotHoldBecomesAReplacementAndNumbersKeepTheirValue) {
    const auto textos = prueba::LeeTablaDato("texto_para_xml.tsv");
    ASSERT_EQ(textos.size(), 12U);
    for (const auto& t : textos) EXPECT_EQ(TextoParaXml(t.at(0)), t.at(1)) << t[0];
    const std::string r = "\xEF\xBF\xBD";

    const fs::path ruta = dir / "raro.xlsx";
    Hoja hoja{"Hoja\x01", {{CeldaHoja::DeTexto("tunel\xEF\xBF\xBF" ".hrt\x02"), CeldaHoja::DeNumero(244.1599, {}, 2),
                           CeldaHoja::DeNumero(7.4, {}, 0)}}, {}, {}};
    ASSERT_TRUE(GuardaHojaCalculo(ruta.string(), hoja).ok);
    const auto celdas = Lee(ruta);  // every XML part parsed
    EXPECT_EQ(celdas.at("A1").texto, "tunel" + r + ".hrt" + r);
    EXPECT_EQ(celdas.at("B1").texto, "244.1599");
    EXPECT_NE(prueba::Miembro(ruta.string(), "xl/styles.xml")->find("formatCode=\"0.00\""), std::string::npos);
    EXPECT_NE(prueba::Miembro(ruta.string(), "xl/styles.xml")->find("formatCode=\"0\""), std::string::npos);
    for (const char* titulos : {"wrapText", "<b/>"})  // titles only
        EXPECT_EQ(prueba::Miembro(ruta.string(), "xl/styles.xml")->find(titulos), std::string::npos) << titulos;
}

// Every figure of the workbook is the number the text export shows, in the same place: the
// header lines as texts, the 24 hours, the totals under their columns, the fuel's unit.
TEST_F(HojaCalculo, TheDataSheetWorkbookHoldsTheExportAsNumbers) {
    Escenario e;
    PonValoresIniciales(e);
    ASSERT_TRUE(CargaEscenario(std::string(HORTELIA_TEST_DATA) + "/inicio.hrt", e).ok);
    e.Combustible = "Propano";
    ASSERT_TRUE(SimulaDia(e).ok);
    TextosResumen resumen;
    resumen.fecha = "Fecha: 3 de julio";
    const fs::path ruta = dir / "planilla.xlsx";
    const Hoja planilla = HojaPlanilla(e, resumen);
    // As wide as the longest word of the title, at least seven letters, and a margin.
    EXPECT_EQ(planilla.anchos, (std::vector<double>{9, 11, 9, 9, 9, 11, 11, 11, 10, 10, 19, 19, 11, 9, 9}));
    ASSERT_TRUE(GuardaHojaCalculo(ruta.string(), planilla).ok);
    const auto celdas = Lee(ruta);
    // The columns' titles take three lines ("Humedad rel. (%)" wraps at its word), 15 points each,
    // centred.
    EXPECT_NE(prueba::Miembro(ruta.string(), "xl/worksheets/sheet1.xml")->find("ht=\"45\""), std::string::npos);
    EXPECT_NE(prueba::Miembro(ruta.string(), "xl/styles.xml")->find("<alignment horizontal=\"center\" wrapText=\"1\"/>"),
              std::string::npos);

    const std::vector<std::string> lineas = prueba::Partes(TextoPlanilla(e, resumen), '\n');
    ASSERT_EQ(lineas.size(), 48U);
    // Column A, top down: the title and the summary lines under their captions, as texts.
    std::vector<std::string> cabecera;
    std::size_t fila = 1;
    for (; celdas.count(Ref(0, fila)); ++fila) {
        const prueba::CeldaLeida& a = celdas.at(Ref(0, fila));
        if (a.numero || (a.texto != "Invernáculo :" && a.texto != "Meteorología :" && a.texto != "Cultivo :"))
            cabecera.push_back(a.texto);
    }
    EXPECT_EQ(cabecera, std::vector<std::string>(lineas.begin(), lineas.begin() + 21));
    EXPECT_EQ(fila, 25U);

    // The table: "Hora" two rows below, then the 24 hours and the totals.
    while (!celdas.count(Ref(0, fila)) || celdas.at(Ref(0, fila)).texto != "Hora") ASSERT_LT(++fila, 40U);
    EXPECT_EQ(celdas.at(Ref(1, fila - 1)).texto, "Ambiente externo");
    for (std::size_t h = 0; h <= 25; ++h) {
        const std::vector<std::string> export_ = prueba::Partes(lineas[22 + h] + "\t", '\t');
        ASSERT_EQ(export_.size(), 15U);
        for (std::size_t c = 0; c < 15; ++c) {
            const std::string ref = Ref(c, fila + h);
            SCOPED_TRACE(ref + " \"" + export_[c] + "\"");
            const auto numero = NumeroDeCelda(export_[c]);
            if (export_[c].empty()) {
                EXPECT_EQ(celdas.count(ref), 0U);
            } else if (!numero) {  // titles and "Totales"
                EXPECT_FALSE(celdas.at(ref).numero);
                EXPECT_EQ(celdas.at(ref).texto, c == kColumnaCombustible ? "Calefacc.\n(kg)" : export_[c]);
            } else {
                ASSERT_TRUE(celdas.count(ref));
                EXPECT_TRUE(celdas.at(ref).numero);
                EXPECT_EQ(std::stod(celdas.at(ref).texto), *numero);
            }
        }
    }
}
