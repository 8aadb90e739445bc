#include "results/ui/graficos_temporada.h"

#include "results/grafico_temporada.h"
#include "results/informe_temporada.h"
#include "scenario/catalogo.h"
#include "ui/grafico.h"
#include "ui/texto_qt.h"

#include <QChart>

#include <algorithm>

namespace hortelia {
namespace {

// The title says what a row is; a screen reader hears it as the chart's name.
void Titula(Grafico* g, const QString& titulo) {
    g->chart()->setTitle(titulo);
    g->setAccessibleName(titulo);
}

// The rows to name on the axis of the days: those holding the first of a month, of every other
// month or fewer in a long season, so that six dates at most share its width; by weeks, those
// holding the first of a year, four at most.
QList<int> FilasRotuladas(const std::vector<DiaTemporada>& dias, std::size_t largo) {
    QList<int> primeros;
    for (std::size_t i = 0; i < dias.size(); ++i) {
        const int fila = static_cast<int>(i / largo) + 1;
        const bool nueva = dias[i].fecha.dia == 1 && (largo == 1 || dias[i].fecha.mes == 1);
        if (nueva && (primeros.isEmpty() || primeros.back() != fila)) primeros << fila;
    }
    if (primeros.isEmpty() || (static_cast<std::size_t>(primeros.front()) - 1) * largo + 1 > 15) primeros.prepend(1);
    const qsizetype cuantas = largo == 1 ? 6 : 4;
    const qsizetype paso = (primeros.size() + cuantas - 1) / cuantas;
    QList<int> rotuladas;
    for (qsizetype k = 0; k < primeros.size(); k += paso) rotuladas << primeros[k];
    return rotuladas;
}

// Two series a day, or four a week: each series' highest in its colour, its lowest darker.
void PreparaSeriesDias(Grafico* g, bool semanas) {
    g->PonSeries(semanas ? 4 : 2);
    const QString nombres[] = {QStringLiteral("Combustible"), QStringLiteral("Temp. mínima")};
    for (int k = 0; k < 2; ++k) {
        const int serie = semanas ? 2 * k + 1 : k + 1;
        g->NombreSerie(serie, semanas ? nombres[k] + QStringLiteral(", máximo") : nombres[k]);
        g->ColorSerie(serie, k == 0 ? 250 : 0, 0, k == 0 ? 0 : 250);
        if (!semanas) continue;
        g->NombreSerie(serie + 1, nombres[k] + QStringLiteral(", mínimo"));
        g->ColorSerie(serie + 1, k == 0 ? 130 : 0, 0, k == 0 ? 0 : 130);
    }
    for (int s = semanas ? 3 : 2; s <= g->Series(); ++s) g->EjeDerecho(s, QStringLiteral("Temp. mínima interior (°C)"));
    g->TituloEjeX(semanas ? QStringLiteral("Semana") : QStringLiteral("Día"));
    Titula(g, semanas ? QStringLiteral("Combustible y temperatura mínima, mínimo y máximo por semana")
                      : QStringLiteral("Combustible y temperatura interior mínima por día"));
}

}  // namespace

Grafico* CreaGraficoMeses(QWidget* padre) {
    auto* g = new Grafico("MSCTempMeses", QStringLiteral("Combustible y agua por mes"), Grafico::Tipo::Barras, padre);
    g->PonSeries(2);
    g->NombreSerie(1, QStringLiteral("Combustible"));
    g->NombreSerie(2, QStringLiteral("Agua"));
    g->ColorSerie(1, 250, 0, 0);
    g->ColorSerie(2, 0, 0, 250);
    return g;
}

Grafico* CreaGraficoDias(QWidget* padre) {
    auto* g = new Grafico("MSCTempDias", QStringLiteral("Combustible y temperatura interior mínima por día"),
                          Grafico::Tipo::Lineas, padre);
    PreparaSeriesDias(g, false);
    return g;
}

void LlenaGraficoMeses(Grafico* g, const Temporada* temporada) {
    const bool anios = temporada && MesesPorAnio(temporada->meses.size());
    const std::vector<PeriodoTemporada> filas = !temporada ? std::vector<PeriodoTemporada>{}
                                                : anios    ? SumaPorAnio(temporada->meses)
                                                           : temporada->meses;
    // No axis title over an empty chart.
    g->TituloEjeX(!temporada ? QString() : anios ? QStringLiteral("Año") : QStringLiteral("Mes"));
    Titula(g, anios ? QStringLiteral("Combustible y agua por año") : QStringLiteral("Combustible y agua por mes"));
    g->PonFilas(static_cast<int>(filas.size()));
    if (temporada) {
        const Temporada& t = *temporada;
        // Water in m³ once a bar holds ten of them, so that its scale reads easily.
        double aguaMayor = 0;
        for (const PeriodoTemporada& p : filas) aguaMayor = std::max(aguaMayor, p.agua);
        const bool metros = aguaMayor >= 10000;
        const bool variosAnios = TieneAnio(t.tipo) && t.desde.anio != t.hasta.anio;
        g->TituloEjeY(QStringLiteral("Combustible (%1)").arg(Q(t.unidadCombustible)));
        g->EjeDerecho(2, metros ? QStringLiteral("Agua (m³)") : QStringLiteral("Agua (l)"));
        QList<double> combustible, agua;
        for (int f = 1; f <= g->Filas(); ++f) {
            const PeriodoTemporada& p = filas[static_cast<std::size_t>(f - 1)];
            QString rotulo = anios ? QString::number(p.anio) : Q(NombreMes(p.mes).substr(0, 3));
            if (variosAnios && !anios) rotulo += QStringLiteral(" %1").arg(p.anio);
            g->EtiquetaFila(f, rotulo);
            combustible << p.combustible;
            agua << (metros ? p.agua / 1000 : p.agua);
        }
        g->PonSerie(1, combustible);
        g->PonSerie(2, agua);
    }
    g->Redibuja();
}

void LlenaGraficoDias(Grafico* g, const Temporada* temporada) {
    const std::size_t largo = DiasPorFila(temporada ? temporada->dias.size() : 0);
    PreparaSeriesDias(g, largo > 1);
    if (!temporada) {
        g->TituloEjeX(QString());
        g->PonFilas(0);
        return g->Redibuja();
    }
    const Temporada& t = *temporada;
    std::vector<double> combustible, minima;
    combustible.reserve(t.dias.size());
    minima.reserve(t.dias.size());
    for (const DiaTemporada& d : t.dias) {
        combustible.push_back(d.combustible);
        minima.push_back(d.tempMinInterior);
    }
    g->PonFilas(static_cast<int>((t.dias.size() + largo - 1) / largo));
    g->TituloEjeY(QStringLiteral("Combustible (%1)").arg(Q(t.unidadCombustible)));
    for (int f = 1; f <= g->Filas(); ++f)
        g->EtiquetaFila(f, Q(NombreDiaTemporada(t.dias[static_cast<std::size_t>(f - 1) * largo].fecha, t.tipo)));
    if (largo == 1) {
        g->PonSerie(1, QList<double>(combustible.begin(), combustible.end()));
        g->PonSerie(2, QList<double>(minima.begin(), minima.end()));
    } else {
        int serie = 1;
        for (const std::vector<double>* valores : {&combustible, &minima}) {
            QList<double> mayores, menores;
            for (const Tramo& s : MinimoMaximoPorTramos(*valores, largo)) {
                mayores << s.maximo;
                menores << s.minimo;
            }
            g->PonSerie(serie++, mayores);
            g->PonSerie(serie++, menores);
        }
    }
    g->RotulaSoloFilas(FilasRotuladas(t.dias, largo));
    g->Redibuja();
}

}  // namespace hortelia
