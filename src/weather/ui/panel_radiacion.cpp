#include "weather/ui/panel_radiacion.h"

#include "numeros/conversiones.h"
#include "results/textos_resumen.h"
#include "scenario/catalogo.h"
#include "ui/controles_clima.h"
#include "weather/radiacion.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace hortelia {
namespace {

QListWidget* CreaLista(QWidget* parent, const char* nombre, const QString& accesible, const QStringList& entradas,
                       int ancho) {
    auto* l = new QListWidget(parent);
    l->setObjectName(nombre);
    l->setAccessibleName(accesible);
    l->addItems(entradas);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    // Whole rows only: seven entries show, the rest scroll.
    l->setFixedSize(ancho, l->sizeHintForRow(0) * 7 + 2 * l->frameWidth());
    return l;
}

// Entry i of a list for a value i + 1 of the record, -1 (none) outside the list.
int EntradaDe(const QListWidget* lista, int valor) { return valor >= 1 && valor <= lista->count() ? valor - 1 : -1; }

}  // namespace

PanelRadiacion::PanelRadiacion(Escenario& e, Protocolo& protocolo, Resumen& resumen, QPushButton* botonLateral,
                               QWidget* parent)
    : Panel("FrRadiac", QStringLiteral("Radiación"), e, protocolo, resumen, botonLateral, parent) {
    HScrLat = CreaBarraHorizontal(this, "HScrLat", QStringLiteral("Latitud"), 0, 180, 10);
    LRLat = CreaEtiqueta(this, "LRLat", {});
    auto* FrHemisf = new QGroupBox(QStringLiteral("Hemisferio"), this);
    FrHemisf->setObjectName("FrHemisf");
    Option7 = CreaOpciones(QStringLiteral("Option7"), {QStringLiteral("Sur"), QStringLiteral("Norte")}, FrHemisf);
    auto* LRFecha = CreaEtiqueta(this, "LRFecha", QStringLiteral("Fecha:"));
    QStringList dias;
    for (int d = 1; d <= 31; ++d) dias << QString::number(d);
    LiDia = CreaLista(this, "LiDia", QStringLiteral("Día"), dias, 46);
    auto* Label21 = CreaEtiqueta(this, "Label21", QStringLiteral("de"));
    QStringList meses;
    for (int m = 1; m <= 12; ++m) meses << Q(NombreMes(m));
    LiMes = CreaLista(this, "LiMes", QStringLiteral("Mes"), meses, 100);
    HScrTNub = CreaBarraHorizontal(this, "HScrTNub", QStringLiteral("Tipo de nubes"), 1, 3, 1);
    LRTNubes = CreaEtiqueta(this, "LRTNubes", {});
    HScrRHora = CreaBarraHorizontal(this, "HScrRHora", QStringLiteral("Hora"), 1, 24, 1);
    LRHora = CreaEtiqueta(this, "LRHora", {});
    LRNub = CreaEtiqueta(this, "LRNub", {});
    LRRad = CreaEtiqueta(this, "LRRad", {});
    LRRadNub = CreaEtiqueta(this, "LRRadNub", {});
    NubMenos = CreaBoton(this, "NubMenos", QStringLiteral("-"), QStringLiteral("Un octavo menos de nubosidad"));
    NubMas = CreaBoton(this, "NubMas", QStringLiteral("+"), QStringLiteral("Un octavo más de nubosidad"));
    RadMenos = CreaBoton(this, "RadMenos", QStringLiteral("-"), QStringLiteral("Bajar la radiación de la hora"));
    RadMas = CreaBoton(this, "RadMas", QStringLiteral("+"), QStringLiteral("Subir la radiación de la hora"));
    MSCRad = CreaGraficoHoras(this, "MSCRad", QStringLiteral("Radiación (w/m2)"), Grafico::Tipo::Barras, 2);
    MSCRad->NombreSerie(1, QStringLiteral("Radiación"));
    MSCRad->NombreSerie(2, QStringLiteral("Rad.tope atmósf."));
    MSCNub = CreaGraficoHoras(this, "MSCNub", QStringLiteral("Nubosidad (octavos)"), Grafico::Tipo::Barras, 1);
    MSCNub->RangoMinimo(0, 8);
    QPushButton* Command17 = CreaBotonAcepta("Command17");

    auto* hemisferio = new QHBoxLayout(FrHemisf);
    for (QRadioButton* o : Option7) hemisferio->addWidget(o);
    auto* lugar = new QVBoxLayout;
    lugar->addWidget(LRLat);
    lugar->addWidget(HScrLat);
    lugar->addWidget(FrHemisf);
    lugar->addWidget(LRTNubes);
    lugar->addWidget(HScrTNub);
    lugar->addStretch(1);
    auto* listas = new QHBoxLayout;
    listas->setSpacing(4);
    listas->addWidget(LiDia);
    listas->addWidget(Label21);
    listas->addWidget(LiMes);
    auto* fecha = new QVBoxLayout;
    fecha->addWidget(LRFecha);
    fecha->addLayout(listas);
    fecha->addStretch(1);
    auto* nubes = new QHBoxLayout;
    nubes->addWidget(LRNub, 1);
    nubes->addWidget(NubMenos);
    nubes->addWidget(NubMas);
    auto* radiacion = new QHBoxLayout;
    radiacion->addWidget(LRRadNub, 1);
    radiacion->addWidget(RadMenos);
    radiacion->addWidget(RadMas);
    auto* hora = new QVBoxLayout;
    hora->addWidget(LRHora);
    hora->addWidget(HScrRHora);
    hora->addLayout(nubes);
    hora->addWidget(LRRad);
    hora->addLayout(radiacion);
    hora->addStretch(1);
    auto* arriba = new QHBoxLayout;
    arriba->setSpacing(8);
    arriba->addLayout(lugar, 1);
    arriba->addLayout(fecha);
    arriba->addLayout(hora, 1);
    auto* pie = new QHBoxLayout;
    pie->addStretch(1);
    pie->addWidget(Command17);
    auto* caja = new QVBoxLayout(this);
    caja->addLayout(arriba);
    caja->addWidget(MSCRad, 3);
    caja->addWidget(MSCNub, 2);
    caja->addLayout(pie);

    // Start-up: the controls, the labels and the charts show the record as it stands.
    PonControles();
    MSCRad->ColorSerie(1, 250, 250, 0);
    MSCRad->ColorSerie(2, 150, 150, 150);
    LlenaRadiacion();
    MSCNub->ColorSerie(1, 150, 150, 150);
    LlenaNubes();

    connect(HScrLat, &QScrollBar::valueChanged, this, &PanelRadiacion::HScrLat_Change);
    for (QRadioButton* o : Option7)
        connect(o, &QRadioButton::toggled, this, [this](bool marcada) {
            if (marcada) Option7_Click();
        });
    connect(LiDia, &QListWidget::currentRowChanged, this, &PanelRadiacion::LiDia_Click);
    connect(LiMes, &QListWidget::currentRowChanged, this, &PanelRadiacion::LiMes_Click);
    connect(HScrTNub, &QScrollBar::valueChanged, this, &PanelRadiacion::HScrTNub_Change);
    connect(HScrRHora, &QScrollBar::valueChanged, this, &PanelRadiacion::HScrRHora_Change);
    connect(NubMas, &QPushButton::clicked, this, &PanelRadiacion::NubMas_Click);
    connect(NubMenos, &QPushButton::clicked, this, &PanelRadiacion::NubMenos_Click);
    connect(RadMas, &QPushButton::clicked, this, &PanelRadiacion::RadMas_Click);
    connect(RadMenos, &QPushButton::clicked, this, &PanelRadiacion::RadMenos_Click);
    connect(Command17, &QPushButton::clicked, this, &PanelRadiacion::Command17_Click);
}

QString PanelRadiacion::TextoLatitud() const { return Q(Caption("Latitud = ", e.Latitud, "°")); }

QString PanelRadiacion::TextoFecha() const {
    const std::string mes = e.Mes >= 1 && e.Mes <= 12 ? NombreMes(e.Mes) : std::string();
    return Q(Caption("Fecha: ", e.Dia) + " de " + mes);
}

void PanelRadiacion::EscribeHora() {
    const int h = e.HoraSel;
    LRHora->setText(TextoHora(h));
    LRRad->setText(Q(Caption("Rad.tope atmósf.= ", e.RadTope(h))));
    LRRadNub->setText(Q(Caption("Radiación = ", e.RadHora(h))));
    LRNub->setText(Q(Caption("Nubosidad = ", e.NubHora(h), " octavos")));
}

void PanelRadiacion::LlenaRadiacion() {
    PonSerie(MSCRad, 1, e.RadHora);
    PonSerie(MSCRad, 2, e.RadTope);
    MSCRad->Redibuja();
}

void PanelRadiacion::LlenaNubes() {
    PonSerie(MSCNub, 1, e.NubHora);
    MSCNub->Redibuja();
}

// The radiation of the day from scratch: both series and the two labels of the hour.
void PanelRadiacion::RecalculaDia() {
    CalculaRadiacion(e);
    LlenaRadiacion();
    LRRad->setText(Q(Caption("Rad.tope atmósf.= ", e.RadTope(e.HoraSel))));
    LRRadNub->setText(Q(Caption("Radiación = ", e.RadHora(e.HoraSel))));
}

// Every control from the record without running a handler.
void PanelRadiacion::PonControles() {
    PonBarraSinEventos(HScrLat, e.Latitud.valor() * 2);
    MarcaOpcionSinEventos(Option7, e.Hemisferio.valor() == -1 ? 0 : 1);
    {
        const QSignalBlocker bd(LiDia), bm(LiMes);
        LiDia->setCurrentRow(EntradaDe(LiDia, e.Dia));
        LiMes->setCurrentRow(EntradaDe(LiMes, e.Mes));
    }
    PonBarraSinEventos(HScrTNub, std::clamp<int>(e.TipoNubes, 1, 3));
    if (e.HoraSel >= 1 && e.HoraSel <= 24) PonBarraSinEventos(HScrRHora, e.HoraSel);
    LRLat->setText(TextoLatitud());
    LRTNubes->setText(Q(CaptionTipoNubes(HScrTNub->value())));
    EscribeHora();
}

void PanelRadiacion::HScrLat_Change() {
    e.Latitud = Variante::Entero(static_cast<std::int16_t>(HScrLat->value())) / Variante::Entero(2);
    LRLat->setText(TextoLatitud());
    resumen_.LLat->setText(LRLat->text());
    RecalculaDia();
}

void PanelRadiacion::Option7_Click() {
    e.Hemisferio = Variante::Entero(OpcionMarcada(Option7) == 0 ? -1 : 1);
    RecalculaDia();
}

void PanelRadiacion::LiDia_Click() {
    if (LiDia->currentRow() < 0) return;
    e.Dia = static_cast<std::int16_t>(LiDia->currentRow() + 1);
    const QString mes = LiMes->currentItem() ? LiMes->currentItem()->text() : QString();
    resumen_.LFecha->setText(Q(Caption("Fecha: ", e.Dia) + " de ") + mes);
    RecalculaDia();
}

void PanelRadiacion::LiMes_Click() {
    if (LiMes->currentRow() < 0) return;
    e.Mes = static_cast<std::int16_t>(LiMes->currentRow() + 1);
    resumen_.LFecha->setText(Q(Caption("Fecha: ", e.Dia) + " de ") + LiMes->currentItem()->text());
    RecalculaDia();
}

void PanelRadiacion::HScrTNub_Change() {
    AplicaTipoNubes(e, HScrTNub->value());
    LRTNubes->setText(Q(CaptionTipoNubes(e.TipoNubes)));
    PonSerie(MSCRad, 1, e.RadHora);
    MSCRad->Redibuja();
    LRRadNub->setText(Q(Caption("Radiación = ", e.RadHora(e.HoraSel))));
}

void PanelRadiacion::HScrRHora_Change() {
    e.HoraSel = static_cast<std::int16_t>(HScrRHora->value());
    EscribeHora();
}

void PanelRadiacion::NubMas_Click() {
    // At 8 octavos the button does nothing at all.
    if (!NubosidadMas(e, e.HoraSel)) return;
    EscribeHora();
    PonFila(MSCRad, 1, e.HoraSel, e.RadHora(e.HoraSel));
    MSCRad->Redibuja();
    PonFila(MSCNub, 1, e.HoraSel, e.NubHora(e.HoraSel));
    MSCNub->Redibuja();
}

void PanelRadiacion::NubMenos_Click() {
    if (!NubosidadMenos(e, e.HoraSel)) return;
    EscribeHora();
    PonFila(MSCRad, 1, e.HoraSel, e.RadHora(e.HoraSel));
    MSCRad->Redibuja();
    PonFila(MSCNub, 1, e.HoraSel, e.NubHora(e.HoraSel));
    MSCNub->Redibuja();
}

void PanelRadiacion::RadMas_Click() {
    RadiacionMas(e, e.HoraSel);
    LRRadNub->setText(Q(Caption("Radiación = ", e.RadHora(e.HoraSel))));
    PonFila(MSCRad, 1, e.HoraSel, e.RadHora(e.HoraSel));
    MSCRad->Redibuja();
}

void PanelRadiacion::RadMenos_Click() {
    RadiacionMenos(e, e.HoraSel);
    LRRadNub->setText(Q(Caption("Radiación = ", e.RadHora(e.HoraSel))));
    PonFila(MSCRad, 1, e.HoraSel, e.RadHora(e.HoraSel));
    MSCRad->Redibuja();
}

void PanelRadiacion::Abre(Origen) {
    // Each control moved here runs its own handler when its value really changes.
    LRLat->setText(TextoLatitud());
    HScrLat->setValue(PosicionBarra(HScrLat, e.Latitud.valor() * 2));
    if (EntradaDe(LiDia, e.Dia) >= 0) LiDia->setCurrentRow(EntradaDe(LiDia, e.Dia));
    if (EntradaDe(LiMes, e.Mes) >= 0) LiMes->setCurrentRow(EntradaDe(LiMes, e.Mes));
    e.HoraSel = 1;
    HScrRHora->setValue(1);
    EscribeHora();
    HScrTNub->setValue(std::clamp<int>(e.TipoNubes, 1, 3));
    // A type outside 1..3 (from a file) becomes the nearest one the bar can show.
    if (HScrTNub->value() != e.TipoNubes) HScrTNub_Change();
    LRTNubes->setText(Q(CaptionTipoNubes(HScrTNub->value())));
    resumen_.LFRad->show();
    Resumen::Muestra(resumen_.LLat, TextoLatitud());
    Resumen::Muestra(resumen_.LFecha, TextoFecha());
    protocolo_.AbrePanel(this, true);
}

void PanelRadiacion::Command17_Click() {
    MarcaAceptado();
    hide();
    protocolo_.RehabilitaNavegacion();
}

void PanelRadiacion::MuestraCargado() {
    const TextosCarga t = TextosDeCarga(e, false);
    // The cloud coefficient is not in the file: it follows the loaded cloud type, whose bar
    // is set below without reapplying the clouds to the loaded hours.
    if (e.TipoNubes >= 1 && e.TipoNubes <= 3) e.CoefNubes = CoeficienteNubes(e.TipoNubes);
    PonControles();
    resumen_.LFRad->show();
    MuestraTextoCarga(resumen_.LLat, t.LLat);
    MuestraTextoCarga(resumen_.LFecha, t.LFecha);
    LlenaRadiacion();
    LlenaNubes();
    MarcaAceptado();
}

}  // namespace hortelia
