#include "results/ui/panel_resultados.h"

#include "numeros/conversiones.h"
#include "results/exportacion.h"
#include "results/temperaturas_tolerables.h"
#include "scenario/catalogo.h"
#include "ui/controles.h"
#include "ui/grafico.h"
#include "ui/protocolo.h"
#include "ui/texto_qt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace hortelia {
namespace {

// A group of the frame with its labels one under the other.
QGroupBox* Grupo(QWidget* padre, const char* titulo, QVBoxLayout*& caja) {
    QGroupBox* g = CreaGrupo(padre, nullptr, QString::fromUtf8(titulo));
    caja = new QVBoxLayout(g);
    caja->setContentsMargins(8, 2, 8, 4);
    caja->setSpacing(1);
    return g;
}

QLabel* Etiqueta(QWidget* padre, QBoxLayout* caja, const char* nombre, const char* texto) {
    QLabel* l = CreaEtiqueta(padre, nombre, QString::fromUtf8(texto));
    caja->addWidget(l);
    return l;
}

// A caption of the hour. It is never narrower than the longest text `plantilla` it takes, so
// that moving the hour bar changes texts without moving what stands beside it; a longer text
// widens it.
QLabel* EtiquetaHoraria(QWidget* padre, QBoxLayout* caja, const char* nombre, const char* texto,
                        const char* plantilla) {
    QLabel* l = Etiqueta(padre, caja, nombre, texto);
    l->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QString::fromUtf8(plantilla)) + 2);
    return l;
}

// A caption with the unit of its number beside it, in a smaller label `nombre`, a blank apart.
QLabel* EtiquetaConUnidad(QWidget* padre, QBoxLayout* caja, const char* nombre, const char* texto, QLabel*& unidad,
                          const char* nombreUnidad, const char* plantilla = nullptr) {
    auto* fila = new QHBoxLayout;
    caja->addLayout(fila);
    fila->setSpacing(padre->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 2);
    QLabel* l =
        plantilla ? EtiquetaHoraria(padre, fila, nombre, texto, plantilla) : Etiqueta(padre, fila, nombre, texto);
    unidad = CreaEtiqueta(padre, nombreUnidad);
    QFont pequena = unidad->font();
    pequena.setPointSizeF(pequena.pointSizeF() - 1);
    unidad->setFont(pequena);
    QSizePolicy politica = unidad->sizePolicy();
    politica.setRetainSizeWhenHidden(true);  // an hour without heating hides it; nothing moves
    unidad->setSizePolicy(politica);
    fila->addWidget(unidad);
    fila->addStretch(1);
    return l;
}

// "litros de GasOil": the fuel's unit and the fuel; a typed fuel has no name to say.
QString UnidadesDe(const std::string& combustible) {
    const auto i = IndiceCombustible(combustible);
    const bool tecleado = i && !kCombustibles[*i].poderCalorico;
    return Q(UnidadCombustible(combustible)) + QStringLiteral(" de ") +
           (tecleado ? QStringLiteral("combustible") : Q(combustible));
}

}  // namespace

PanelResultados::PanelResultados(Escenario& escenario, Protocolo& protocolo, QWidget* parent)
    : QGroupBox(QStringLiteral("Resultados"), parent), e(escenario), protocolo_(protocolo) {
    setObjectName("FrResultados");
    setAccessibleName(title());
    hide();

    barraHora_ = CreaBarra(this, "HScrResHora", QStringLiteral("Hora de los resultados"), Qt::Horizontal, 1, 24, 1);
    barraHora_->setMinimumWidth(240);
    hora_ = CreaEtiqueta(this, "ResHora", QStringLiteral("Hora "));
    hora_->setMinimumWidth(70);
    auto* filaHora = new QHBoxLayout;
    filaHora->addWidget(hora_);
    filaHora->addWidget(barraHora_, 1);
    QLayout* grupos = CreaGrupos();
    QLayout* graficos = CreaGraficos();

    QPushButton* planilla = CreaBoton(this, nullptr, QStringLiteral("&Planilla de datos"));
    QPushButton* guarda = CreaBoton(this, nullptr, QStringLiteral("&Guarda"));
    QPushButton* imprime = CreaBoton(this, nullptr, QStringLiteral("&Imprime"));
    QPushButton* previa = CreaBoton(this, nullptr, QStringLiteral("&Vista previa"));
    QPushButton* cierra = CreaBoton(this, nullptr, QStringLiteral("&Cierra"));
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    for (QPushButton* b : {planilla, guarda, imprime, previa, cierra}) botones->addWidget(b);

    // What the day meant for the crop, in a group of its own under a rule; its name is told to a
    // screen reader, not drawn, so that the charts above keep the height their axis titles need
    // in a 720 px window.
    QGroupBox* tolerables = CreaGrupo(this, "GrupoTolerables", QString());
    tolerables->setAccessibleName(QStringLiteral("Temperaturas tolerables del cultivo"));
    tolerables->setFlat(true);
    auto* caja = new QVBoxLayout(tolerables);
    caja->setContentsMargins(8, 0, 8, 0);
    fueraDeRango_ = Etiqueta(tolerables, caja, "ResFueraRango", "");
    fueraDeRango_->setWordWrap(true);

    auto* todo = new QVBoxLayout(this);
    todo->setSpacing(2);
    todo->setContentsMargins(6, 4, 6, 4);
    todo->addLayout(filaHora);
    todo->addLayout(grupos);
    todo->addLayout(graficos, 1);
    todo->addWidget(tolerables);
    todo->addLayout(botones);

    connect(barraHora_, &QScrollBar::valueChanged, this, &PanelResultados::MuestraHora);
    connect(planilla, &QPushButton::clicked, this, &PanelResultados::planillaPedida);
    connect(guarda, &QPushButton::clicked, this, &PanelResultados::guardadoPedido);
    connect(imprime, &QPushButton::clicked, this, &PanelResultados::impresionPedida);
    connect(previa, &QPushButton::clicked, this, &PanelResultados::previaPedida);
    connect(cierra, &QPushButton::clicked, this, &PanelResultados::cierrePedido);
}

// The captions of the hour and of the day, in their groups.
QLayout* PanelResultados::CreaGrupos() {
    QVBoxLayout* caja = nullptr;
    auto* externo = Grupo(this, "Ambiente externo", caja);
    temperatura_ = EtiquetaHoraria(externo, caja, "ResTE", "Temperatura = C", "Temperatura = -88.8 C");
    humedad_ = EtiquetaHoraria(externo, caja, "ResHR", "Humedad rel. = %", "Humedad rel. =  100.8 %");
    viento_ = EtiquetaHoraria(externo, caja, "ResVto", "Viento =  m/s", "Viento =  88.8 m/s");
    radiacion_ = EtiquetaHoraria(externo, caja, "ResRad", "Radiación =  w/m2", "Radiación =  1888.8 w/m2");
    auto* interior = Grupo(this, "Interior invernáculo", caja);
    sinControl_ = EtiquetaHoraria(interior, caja, "ResTS", "Temp.sin control = C", "Temp.sin control = -88.8 C");
    conControl_ = EtiquetaHoraria(interior, caja, "ResTC", "Temp.con control = C", "Temp.con control = -88.8 C");
    humedadInterior_ = EtiquetaHoraria(interior, caja, "ResHRI", "Humedad rel. = %", "Humedad rel. =  100.8 %");
    renovacion_ = EtiquetaHoraria(interior, caja, "ResRen", "Renovac.aire = ", "Renovación aire =  888.8");
    auto* control = Grupo(this, "Control Temperatura", caja);
    calefaccion_ = EtiquetaConUnidad(control, caja, "ResCal", "Calefacción = ", unidadCalefaccion_, "UnidadCal",
                                     "Calefacción =  8888.888");
    refrigeracion_ = EtiquetaHoraria(control, caja, "ResRef", "Refrigeración=", "Refrigeración =  8888.88 l.H2O/h");
    auto* transpiracion = Grupo(this, "Transpiración", caja);
    etr_ = EtiquetaHoraria(transpiracion, caja, "ResEtr", "Etr =   mm", "Etr =  8.88 mm");
    etp_ = EtiquetaHoraria(transpiracion, caja, "ResEtp", "Etp =   mm", "Etp =  8.88 mm");
    auto* acumulados = Grupo(this, "Acumulados diarios", caja);
    combustible_ = EtiquetaConUnidad(acumulados, caja, "ResAComb", "Combustible = ", unidadCombustible_, "UnidadAComb");
    agua_ = Etiqueta(acumulados, caja, "ResAAgua", "Agua aspers. = ");
    etrDia_ = Etiqueta(acumulados, caja, "ResAcEtr", "Etr =");
    etpDia_ = Etiqueta(acumulados, caja, "ResAcEtp", "Etp =");

    // Two columns, so that the frame fits beside the side and summary columns of a 1024 px
    // window: outside and the daily totals (long numbers) on the left; inside, control and
    // transpiration on the right.
    auto* grupos = new QGridLayout;
    grupos->addWidget(externo, 0, 0);
    grupos->addWidget(interior, 0, 1);
    grupos->addWidget(acumulados, 1, 0);
    auto* derecha = new QVBoxLayout;
    derecha->addWidget(control);
    derecha->addWidget(transpiracion);
    grupos->addLayout(derecha, 1, 1);
    grupos->setVerticalSpacing(2);
    derecha->setSpacing(2);
    return grupos;
}

// The temperatures of the day as lines, the control of each hour as bars.
QLayout* PanelResultados::CreaGraficos() {
    graficoTemperaturas_ = new Grafico("MSCResTemp", QStringLiteral("Temperaturas (C)"), Grafico::Tipo::Lineas, this);
    graficoTemperaturas_->PonSeries(3);
    graficoTemperaturas_->PonFilas(24);
    graficoTemperaturas_->NombreSerie(1, QStringLiteral("Exterior"));
    graficoTemperaturas_->NombreSerie(2, QStringLiteral("Sin control"));
    graficoTemperaturas_->NombreSerie(3, QStringLiteral("Con control"));
    graficoTemperaturas_->TituloEjeX(QStringLiteral("Hora"));
    graficoTemperaturas_->TituloEjeY(QStringLiteral("Temperatura (°C)"));
    // The yellow of "Con control" is pale on white: an olive outline gives the line its contrast.
    graficoTemperaturas_->ContornoSerie(3, 120, 120, 0);
    graficoControl_ = new Grafico("MSCResCtrl", QStringLiteral("Control por hora"), Grafico::Tipo::Barras, this);
    graficoControl_->PonSeries(2);
    graficoControl_->PonFilas(24);
    graficoControl_->NombreSerie(1, QStringLiteral("Combustible"));
    graficoControl_->NombreSerie(2, QStringLiteral("Agua asperjada"));
    graficoControl_->TituloEjeX(QStringLiteral("Hora"));
    // Litres of water run to a hundred and more, fuel to a fraction: each has its own scale.
    graficoControl_->EjeDerecho(2, QStringLiteral("Agua (l)"));

    // One above the other, so each chart is wide enough for the 24 hour labels.
    auto* graficos = new QVBoxLayout;
    graficos->setSpacing(2);
    graficos->addWidget(graficoTemperaturas_, 1);
    graficos->addWidget(graficoControl_, 1);
    return graficos;
}

void PanelResultados::MuestraHora(int h) {
    protocolo_.PonHora(h);
    hora_->setText(Q(Caption("Hora ", static_cast<std::int16_t>(h))));
    barraHora_->setValue(h);
    graficoTemperaturas_->MarcaFila(h);
    graficoControl_->MarcaFila(h);
    temperatura_->setText(Q(Caption("Temperatura = ", e.TempHora(h), " C")));
    humedad_->setText(Q(Caption("Humedad rel. = ", e.HRHora(h), " %")));
    viento_->setText(Q(Caption("Viento = ", e.VtoHora(h), " m/s")));
    radiacion_->setText(Q(Caption("Radiación = ", e.RadHora(h), " w/m2")));
    sinControl_->setText(Q(Caption("Temp.sin control = ", e.TempSinControl(h), " C")));
    conControl_->setText(Q(Caption("Temp.con control = ", e.TempConControl(h), " C")));
    humedadInterior_->setText(Q(Caption("Humedad rel. = ", e.HRInterior(h), " %")));
    renovacion_->setText(Q(Caption("Renovación aire = ", e.RenovHora(h))));
    const QString sinCal = QStringLiteral("Calefacción =  - - -");
    const QString sinRef = QStringLiteral("Refrigeración =  - - -");
    const ControlDeHora control = ControlMostrado(e, h);
    unidadCalefaccion_->setVisible(control == ControlDeHora::Calefaccion);
    switch (control) {
    case ControlDeHora::Calefaccion:
        calefaccion_->setText(Q(Caption("Calefacción = ", e.ControlHora(h))));
        refrigeracion_->setText(sinRef);
        break;
    case ControlDeHora::Refrigeracion:
        calefaccion_->setText(sinCal);
        refrigeracion_->setText(Q(Caption("Refrigeración = ", e.ControlHora(h), " l.H2O/h")));
        break;
    case ControlDeHora::Ninguno:
        calefaccion_->setText(sinCal);
        refrigeracion_->setText(sinRef);
        break;
    }
    etr_->setText(Q(Caption("Etr = ", e.EtrHora(h), " mm")));
    etp_->setText(Q(Caption("Etp = ", e.EtpHora(h), " mm")));
}

void PanelResultados::LlenaGraficos() {
    graficoTemperaturas_->ColorSerie(1, 0, 0, 250);
    graficoTemperaturas_->ColorSerie(2, 250, 0, 0);
    graficoTemperaturas_->ColorSerie(3, 200, 200, 0);
    QList<double> afuera, sinControl, conControl, calefaccion, refrigeracion;
    for (int h = 1; h <= 24; ++h) {
        afuera << e.TempHora(h).valor();
        sinControl << e.TempSinControl(h);
        conControl << e.TempConControl(h);
        const ControlDeHora c = ControlMostrado(e, h);
        calefaccion << (c == ControlDeHora::Calefaccion ? e.ControlHora(h) : 0);
        refrigeracion << (c == ControlDeHora::Refrigeracion ? e.ControlHora(h) : 0);
    }
    graficoTemperaturas_->PonSerie(1, afuera);
    graficoTemperaturas_->PonSerie(2, sinControl);
    graficoTemperaturas_->PonSerie(3, conControl);
    graficoTemperaturas_->Redibuja();
    graficoControl_->TituloEjeY(QStringLiteral("Combustible (%1)").arg(Q(UnidadCombustible(e.Combustible))));
    graficoControl_->ColorSerie(1, 250, 0, 0);
    graficoControl_->ColorSerie(2, 0, 0, 250);
    graficoControl_->PonSerie(1, calefaccion);
    graficoControl_->PonSerie(2, refrigeracion);
    graficoControl_->Redibuja();
}

void PanelResultados::MuestraDia() {
    LlenaGraficos();
    show();
    raise();
    // Hour 1 whatever was selected: set the bar without its handler, then show the hour.
    {
        const QSignalBlocker bloqueo(barraHora_);
        barraHora_->setValue(1);
    }
    MuestraHora(1);
    combustible_->setText(Q(Caption("Combustible = ", e.AcumComb)));
    // The fuel may have changed since the last run.
    const QString unidad = Q(UnidadCombustible(e.Combustible));
    unidadCombustible_->setText(unidad);
    unidadCombustible_->setToolTip(UnidadesDe(e.Combustible) + QStringLiteral(" en el día"));
    unidadCalefaccion_->setText(unidad);
    unidadCalefaccion_->setToolTip(UnidadesDe(e.Combustible) + QStringLiteral(" en esta hora"));
    agua_->setText(Q(Caption("Agua asperjada = ", e.AcumAgua, " l/d")));
    etrDia_->setText(Q(Caption("Etr = ", e.AcumEtr, " mm")));
    etpDia_->setText(Q(Caption("Etp = ", e.AcumEtp, " mm")));
    fueraDeRango_->setText(Q(TextoFueraDeRango(CuentaHorasFueraDeRango(e))));
}

}  // namespace hortelia
