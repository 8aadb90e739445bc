#include "results/ui/panel_resultados.h"

#include "numeros/conversiones.h"
#include "results/exportacion.h"
#include "ui/controles.h"
#include "ui/grafico.h"
#include "ui/resumen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace hortelia {
namespace {

QLabel* Etiqueta(QWidget* padre, QLayout* caja, const char* nombre, const char* texto) {
    auto* l = new QLabel(QString::fromUtf8(texto), padre);
    l->setObjectName(nombre);
    caja->addWidget(l);
    return l;
}

QGroupBox* Grupo(QWidget* padre, const char* nombre, const char* titulo, QVBoxLayout*& caja) {
    auto* g = new QGroupBox(QString::fromUtf8(titulo), padre);
    g->setObjectName(nombre);
    caja = new QVBoxLayout(g);
    caja->setSpacing(2);
    return g;
}

QPushButton* Boton(QWidget* padre, const char* nombre, const char* texto) {
    auto* b = new QPushButton(QString::fromUtf8(texto), padre);
    b->setObjectName(nombre);
    return b;
}

}  // namespace

PanelResultados::PanelResultados(Escenario& escenario, QWidget* parent)
    : QGroupBox(QStringLiteral("Resultados"), parent), e(escenario) {
    setObjectName("FrResultados");
    hide();

    HScrResHora = CreaBarra("HScrResHora", QStringLiteral("Hora de los resultados"), Qt::Horizontal, 1, 24, 1, this);
    HScrResHora->setMinimumWidth(240);
    ResHora = new QLabel(QStringLiteral("Hora "), this);
    ResHora->setObjectName("ResHora");
    ResHora->setMinimumWidth(70);
    auto* filaHora = new QHBoxLayout;
    filaHora->addWidget(ResHora);
    filaHora->addWidget(HScrResHora, 1);

    QVBoxLayout* caja = nullptr;
    auto* externo = Grupo(this, "Label19", "Ambiente externo", caja);
    ResTE = Etiqueta(externo, caja, "ResTE", "Temperatura = C");
    ResHR = Etiqueta(externo, caja, "ResHR", "Humedad rel. = %");
    ResVto = Etiqueta(externo, caja, "ResVto", "Viento =  m/s");
    ResRad = Etiqueta(externo, caja, "ResRad", "Radiación =  w/m2");
    auto* interior = Grupo(this, "Label20", "Interior invernáculo", caja);
    ResTS = Etiqueta(interior, caja, "ResTS", "Temp.sin control = C");
    ResTC = Etiqueta(interior, caja, "ResTC", "Temp.con control = C");
    ResHRI = Etiqueta(interior, caja, "ResHRI", "Humedad rel. = %");
    ResRen = Etiqueta(interior, caja, "ResRen", "Renovac.aire = ");
    auto* control = Grupo(this, "Label22", "Control Temperatura", caja);
    ResCal = Etiqueta(control, caja, "ResCal", "Calefacción = ");
    ResRef = Etiqueta(control, caja, "ResRef", "Refrigeración=");
    auto* transpiracion = Grupo(this, "Label23", "Transpiración", caja);
    ResEtr = Etiqueta(transpiracion, caja, "ResEtr", "Etr =   mm");
    ResEtp = Etiqueta(transpiracion, caja, "ResEtp", "Etp =   mm");
    auto* acumulados = Grupo(this, "Label24", "Acumulados diarios", caja);
    ResAComb = Etiqueta(acumulados, caja, "ResAComb", "Combustible = ");
    ResAAgua = Etiqueta(acumulados, caja, "ResAAgua", "Agua aspers. = ");
    ResAcEtr = Etiqueta(acumulados, caja, "ResAcEtr", "Etr =");
    ResAcEtp = Etiqueta(acumulados, caja, "ResAcEtp", "Etp =");

    MSCResTemp = new Grafico("MSCResTemp", QStringLiteral("Temperaturas (C)"), Grafico::Tipo::Lineas, this);
    MSCResTemp->PonSeries(3);
    MSCResTemp->PonFilas(24);
    MSCResTemp->NombreSerie(1, QStringLiteral("Exterior"));
    MSCResTemp->NombreSerie(2, QStringLiteral("Sin control"));
    MSCResTemp->NombreSerie(3, QStringLiteral("Con control"));
    MSCResCtrl = new Grafico("MSCResCtrl", QStringLiteral("Control por hora"), Grafico::Tipo::Barras, this);
    MSCResCtrl->PonSeries(2);
    MSCResCtrl->PonFilas(24);
    MSCResCtrl->NombreSerie(1, QStringLiteral("Combustible"));
    MSCResCtrl->NombreSerie(2, QStringLiteral("Agua asperjada"));

    Command14 = Boton(this, "Command14", "&Planilla de datos");
    Command15 = Boton(this, "Command15", "&Guarda");
    Command19 = Boton(this, "Command19", "&Imprime");
    Command20 = Boton(this, "Command20", "&Cierra");

    // The daily totals can be long numbers: they get the width of two groups.
    auto* grupos = new QGridLayout;
    grupos->addWidget(externo, 0, 0);
    grupos->addWidget(interior, 0, 1);
    grupos->addWidget(control, 0, 2);
    grupos->addWidget(transpiracion, 1, 0);
    grupos->addWidget(acumulados, 1, 1, 1, 2);
    // One above the other, so each chart is wide enough for the 24 hour labels.
    auto* graficos = new QVBoxLayout;
    graficos->addWidget(MSCResTemp, 1);
    graficos->addWidget(MSCResCtrl, 1);
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    for (QPushButton* b : {Command14, Command15, Command19, Command20}) botones->addWidget(b);

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(filaHora);
    todo->addLayout(grupos);
    todo->addLayout(graficos, 1);
    todo->addLayout(botones);

    connect(HScrResHora, &QScrollBar::valueChanged, this, &PanelResultados::MuestraHora);
}

void PanelResultados::MuestraHora(int h) {
    e.HoraSel = static_cast<std::int16_t>(h);
    ResHora->setText(Q(Caption("Hora ", e.HoraSel)));
    HScrResHora->setValue(e.HoraSel);
    ResTE->setText(Q(Caption("Temperatura = ", e.TempHora(h), " C")));
    ResHR->setText(Q(Caption("Humedad rel. = ", e.HRHora(h), " %")));
    ResVto->setText(Q(Caption("Viento = ", e.VtoHora(h), " m/s")));
    ResRad->setText(Q(Caption("Radiación = ", e.RadHora(h), " w/m2")));
    ResTS->setText(Q(Caption("Temp.sin control = ", e.TempSinControl(h), " C")));
    ResTC->setText(Q(Caption("Temp.con control = ", e.TempConControl(h), " C")));
    ResHRI->setText(Q(Caption("Humedad rel. = ", e.HRInterior(h), " %")));
    ResRen->setText(Q(Caption("Renovación aire = ", e.RenovHora(h))));
    const QString sinCal = QStringLiteral("Calefacción =  - - -");
    const QString sinRef = QStringLiteral("Refrigeración =  - - -");
    switch (ControlMostrado(e, h)) {
    case ControlDeHora::Calefaccion:
        ResCal->setText(Q(Caption("Calefacción = ", e.ControlHora(h))));
        ResRef->setText(sinRef);
        break;
    case ControlDeHora::Refrigeracion:
        ResCal->setText(sinCal);
        ResRef->setText(Q(Caption("Refrigeración = ", e.ControlHora(h), " l.H2O/h")));
        break;
    case ControlDeHora::Ninguno:
        ResCal->setText(sinCal);
        ResRef->setText(sinRef);
        break;
    }
    ResEtr->setText(Q(Caption("Etr = ", e.EtrHora(h), " mm")));
    ResEtp->setText(Q(Caption("Etp = ", e.EtpHora(h), " mm")));
}

void PanelResultados::LlenaGraficos() {
    MSCResTemp->ColorSerie(1, 0, 0, 250);
    MSCResTemp->ColorSerie(2, 250, 0, 0);
    MSCResTemp->ColorSerie(3, 200, 200, 0);
    for (int h = 1; h <= 24; ++h) {
        MSCResTemp->PonValor(h, 1, e.TempHora(h).valor());
        MSCResTemp->PonValor(h, 2, e.TempSinControl(h));
        MSCResTemp->PonValor(h, 3, e.TempConControl(h));
    }
    MSCResTemp->Redibuja();
    MSCResCtrl->ColorSerie(1, 250, 0, 0);
    MSCResCtrl->ColorSerie(2, 0, 0, 250);
    for (int h = 1; h <= 24; ++h) {
        const ControlDeHora c = ControlMostrado(e, h);
        MSCResCtrl->PonValor(h, 1, c == ControlDeHora::Calefaccion ? e.ControlHora(h) : 0);
        MSCResCtrl->PonValor(h, 2, c == ControlDeHora::Refrigeracion ? e.ControlHora(h) : 0);
    }
    MSCResCtrl->Redibuja();
}

void PanelResultados::MuestraDia() {
    LlenaGraficos();
    show();
    raise();
    // Hour 1 whatever was selected: set the bar without its handler, then show the hour.
    HScrResHora->blockSignals(true);
    HScrResHora->setValue(1);
    HScrResHora->blockSignals(false);
    MuestraHora(1);
    ResAComb->setText(Q(Caption("Combustible = ", e.AcumComb)));
    ResAAgua->setText(Q(Caption("Agua asperjada = ", e.AcumAgua, " l/d")));
    ResAcEtr->setText(Q(Caption("Etr = ", e.AcumEtr, " mm")));
    ResAcEtp->setText(Q(Caption("Etp = ", e.AcumEtp, " mm")));
}

}  // namespace hortelia
