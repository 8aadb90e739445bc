// Figures for the windows, offscreen: building and showing the main window, one move of the
// latitude bar with the radiation chart redrawn and painted, and one move of the results' hour
// bar with the hour's captions and the mark on both result charts.

#include "scenario/escenario.h"
#include "shell/hortelia.h"
#include "ui/grafico.h"
#include "ui/panel.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace hortelia;

namespace {

// What a return to the event loop does after a handler: pending layouts, the chart scene's
// update and the paint, and the deletion of what was left for later (the chart's old items).
void VaciaEventos() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_MuestraVentana(benchmark::State& st) {
    for (auto _ : st) {
        Escenario e;
        Hortelia w(e);
        w.show();
        if (!QTest::qWaitForWindowExposed(&w)) st.SkipWithError("la ventana no se mostró");
        VaciaEventos();
        st.PauseTiming();  // closing the window is not part of showing it
        w.close();
        VaciaEventos();
        st.ResumeTiming();
    }
}
BENCHMARK(BM_MuestraVentana)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_CambioLatitud(benchmark::State& st) {
    Escenario e;
    Hortelia w(e);
    w.show();
    if (!QTest::qWaitForWindowExposed(&w)) st.SkipWithError("la ventana no se mostró");
    w.findChild<QPushButton*>("Command5")->click();
    w.findChild<QPushButton*>("BotRadiac")->click();
    auto* HScrLat = w.findChild<QScrollBar*>("HScrLat");
    auto* MSCRad = w.findChild<Grafico*>("MSCRad");
    if (!HScrLat || !MSCRad || !MSCRad->isVisible()) st.SkipWithError("el panel de radiación no se abrió");
    VaciaEventos();
    const int desde = HScrLat->value();
    int paso = 0;
    for (auto _ : st) {
        HScrLat->setValue(desde + (++paso % 2 ? 7 : 0));  // back and forth, 3.5 degrees
        VaciaEventos();
    }
    if (MSCRad->ValorDibujado(12, 1) != e.RadHora(12).valor()) st.SkipWithError("el gráfico no muestra el día");
}
BENCHMARK(BM_CambioLatitud)->Unit(benchmark::kMillisecond);

void BM_CambioHoraResultados(benchmark::State& st) {
    Escenario e;
    Hortelia w(e);
    w.show();
    if (!QTest::qWaitForWindowExposed(&w)) st.SkipWithError("la ventana no se mostró");
    // The start values, every panel accepted (dimensions before ventilation), and the day run.
    w.findChild<QPushButton*>("Command5")->click();
    for (const char* boton : {"BotTecho", "BotDimens", "BotMaterial", "BotVentil", "BotCalef", "BotCUltivo", "BotTemp",
                              "BotHRel", "BotRadiac", "BotViento"}) {
        w.findChild<QPushButton*>(boton)->click();
        if (QString::fromLatin1(boton) == "BotVentil") w.findChild<QPushButton*>("Command7")->click();
        for (Panel* p : w.Paneles())
            if (p->isVisible()) p->BotonAcepta()->click();
    }
    w.findChild<QPushButton*>("Command12")->click();
    auto* HScrResHora = w.findChild<QScrollBar*>("HScrResHora");
    auto* MSCResCtrl = w.findChild<Grafico*>("MSCResCtrl");
    if (!HScrResHora || !MSCResCtrl || !MSCResCtrl->isVisible()) st.SkipWithError("no se procesó el día");
    VaciaEventos();
    int paso = 0;
    for (auto _ : st) {
        HScrResHora->setValue(++paso % 2 ? 12 : 5);  // a hot hour and a cold one
        VaciaEventos();
    }
}
BENCHMARK(BM_CambioHoraResultados)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
