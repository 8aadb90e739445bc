#include "weather/ui/panel_radiacion.h"

#include "numeros/conversiones.h"
#include "scenario/catalogo.h"
#include "ui/controles.h"
#include "ui/texto_qt.h"
#include "weather/radiacion.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace hortelia {
namespace {

using Linea = Resumen::Linea;

// A list of a panel. While its panel is hidden it tells a screen reader that none of its
// entries shows and none has the focus (Qt would report them by their last places).
class Lista : public QListWidget {
public:
    using QListWidget::QListWidget;

    QRect visualRect(const QModelIndex& indice) const override {
        return isVisible() ? QListWidget::visualRect(indice) : QRect();
    }

    /// While hidden, the keyboard's place goes; the chosen entry stays selected.
    void SueltaSiOculta() {
        if (!isVisible()) selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }

protected:
    void hideEvent(QHideEvent* evento) override {
        QListWidget::hideEvent(evento);
        SueltaSiOculta();
    }
    void showEvent(QShowEvent* evento) override {
        QListWidget::showEvent(evento);
        const QList<QListWidgetItem*> elegidas = selectedItems();
        if (elegidas.isEmpty()) return;
        selectionModel()->setCurrentIndex(indexFromItem(elegidas.front()), QItemSelectionModel::NoUpdate);
        scrollToItem(elegidas.front());
    }
};

QListWidget* CreaLista(QWidget* padre, const char* nombre, const QString& accesible, const QStringList& entradas,
                       int ancho) {
    auto* l = new Lista(padre);
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

// The selected entry, -1 when none is. A screen reader selects an entry without moving the
// current row, so the selection, not the current row, is what the user chose.
int Elegida(const QListWidget* lista) {
    const QList<QListWidgetItem*> elegidas = lista->selectedItems();
    return elegidas.isEmpty() ? -1 : lista->row(elegidas.front());
}

}  // namespace

PanelRadiacion::PanelRadiacion(Contexto& contexto, QWidget* parent)
    : Panel("FrRadiac", QStringLiteral("Radiación"), kPanelRadiacion, contexto, parent) {
    auto* arriba = new QHBoxLayout;
    arriba->setSpacing(8);
    CreaLugarYFecha(arriba);
    CreaHora(arriba);
    graficoRadiacion_ = CreaGraficoHoras(this, "MSCRad", QStringLiteral("Radiación (w/m2)"), Grafico::Tipo::Barras, 2);
    graficoRadiacion_->TituloEjeY(QStringLiteral("Radiación (W/m²)"));
    graficoRadiacion_->NombreSerie(1, QStringLiteral("Radiación"));
    graficoRadiacion_->NombreSerie(2, QStringLiteral("Rad.tope atmósf."));
    graficoNubes_ = CreaGraficoHoras(this, "MSCNub", QStringLiteral("Nubosidad (octavos)"), Grafico::Tipo::Barras, 1);
    graficoNubes_->RangoMinimo(0, 8);
    graficoNubes_->TituloEjeY(QStringLiteral("Nubosidad (octavos)"));
    CreaBotonAcepta();
    DisponeConGraficos(arriba, {{graficoRadiacion_, 3}, {graficoNubes_, 2}});

    // Start-up: the controls, the labels and the charts show the record as it stands.
    PonControles();
    graficoRadiacion_->ColorSerie(1, 250, 250, 0);
    graficoRadiacion_->ColorSerie(2, 150, 150, 150);
    LlenaRadiacion();
    graficoNubes_->ColorSerie(1, 150, 150, 150);
    LlenaNubes();

    connect(barraLatitud_, &QScrollBar::valueChanged, this, &PanelRadiacion::CambiaLatitud);
    ConectaOpciones(opcionesHemisferio_, this, &PanelRadiacion::EligeHemisferio);
    connect(listaDias_, &QListWidget::itemSelectionChanged, this, &PanelRadiacion::EligeDia);
    connect(listaMeses_, &QListWidget::itemSelectionChanged, this, &PanelRadiacion::EligeMes);
    connect(barraTipoNubes_, &QScrollBar::valueChanged, this, &PanelRadiacion::CambiaTipoNubes);
    connect(barraHora_, &QScrollBar::valueChanged, this, &PanelRadiacion::CambiaHora);
    connect(masNubes_, &QPushButton::clicked, this, &PanelRadiacion::SubeNubosidad);
    connect(menosNubes_, &QPushButton::clicked, this, &PanelRadiacion::BajaNubosidad);
    connect(masRadiacion_, &QPushButton::clicked, this, &PanelRadiacion::SubeRadiacion);
    connect(menosRadiacion_, &QPushButton::clicked, this, &PanelRadiacion::BajaRadiacion);
}

// The place (latitude, hemisphere, the type of clouds) and the date, side by side.
void PanelRadiacion::CreaLugarYFecha(QBoxLayout* arriba) {
    barraLatitud_ = CreaBarra(this, "HScrLat", QStringLiteral("Latitud"), Qt::Horizontal, 0, 180, 10,
                              EnUnidad(0.5, QStringLiteral("°")));
    Explica(barraLatitud_, QStringLiteral("Latitud del lugar: de 0 a 90° en pasos de medio grado"));
    latitud_ = CreaEtiqueta(this, "LRLat");
    QGroupBox* grupoHemisferio = CreaGrupo(this, "FrHemisf", QStringLiteral("Hemisferio"));
    opcionesHemisferio_ = CreaOpciones(grupoHemisferio, QString(), {QStringLiteral("Sur"), QStringLiteral("Norte")});
    QLabel* rotuloFecha = CreaEtiqueta(this, "LRFecha", QStringLiteral("Fecha:"));
    QStringList dias;
    for (int d = 1; d <= 31; ++d) dias << QString::number(d);
    listaDias_ = CreaLista(this, "LiDia", QStringLiteral("Día"), dias, 46);
    QLabel* de = CreaEtiqueta(this, nullptr, QStringLiteral("de"));
    QStringList meses;
    for (int m = 1; m <= 12; ++m) meses << Q(NombreMes(m));
    listaMeses_ = CreaLista(this, "LiMes", QStringLiteral("Mes"), meses, 100);
    Explica(listaDias_, QStringLiteral("Día del mes del día simulado"));
    Explica(listaMeses_, QStringLiteral("Mes del día simulado"));
    Explica(grupoHemisferio, QStringLiteral("Hemisferio del lugar: cambia la estación del año de la fecha"));
    barraTipoNubes_ = CreaBarra(this, "HScrTNub", QStringLiteral("Tipo de nubes"), Qt::Horizontal, 1, 3, 1,
                                {1, [](int p) { return Q(CaptionTipoNubes(p)).section(QStringLiteral(": "), 1); }});
    Explica(barraTipoNubes_, QStringLiteral("Tipo de nubes: claras, intermedias u oscuras; cuánto tapan el sol las "
                                            "nubes de cada hora"));
    tipoNubes_ = CreaEtiqueta(this, "LRTNubes");

    auto* hemisferio = new QHBoxLayout(grupoHemisferio);
    for (QRadioButton* o : opcionesHemisferio_) hemisferio->addWidget(o);
    auto* lugar = new QVBoxLayout;
    lugar->addWidget(latitud_);
    lugar->addWidget(barraLatitud_);
    lugar->addWidget(grupoHemisferio);
    lugar->addWidget(tipoNubes_);
    lugar->addWidget(barraTipoNubes_);
    lugar->addStretch(1);
    auto* listas = new QHBoxLayout;
    listas->setSpacing(4);
    listas->addWidget(listaDias_);
    listas->addWidget(de);
    listas->addWidget(listaMeses_);
    auto* fecha = new QVBoxLayout;
    fecha->addWidget(rotuloFecha);
    fecha->addLayout(listas);
    fecha->addStretch(1);
    arriba->addLayout(lugar, 1);
    arriba->addLayout(fecha);
}

// The hour: its bar, its cloud cover and radiation, each with its - and + buttons.
void PanelRadiacion::CreaHora(QBoxLayout* arriba) {
    barraHora_ = CreaBarra(this, "HScrRHora", QStringLiteral("Hora"), Qt::Horizontal, 1, 24, 1);
    Explica(barraHora_, QStringLiteral("Hora del día cuya nubosidad y radiación se ven y se corrigen (1 a 24)"));
    hora_ = CreaEtiqueta(this, "LRHora");
    nubosidad_ = CreaEtiqueta(this, "LRNub");
    radiacionTope_ = CreaEtiqueta(this, "LRRad");
    radiacion_ = CreaEtiqueta(this, "LRRadNub");
    menosNubes_ = CreaBotonPaso(this, "NubMenos", QStringLiteral("-"), QStringLiteral("Un octavo menos de nubosidad"));
    masNubes_ = CreaBotonPaso(this, "NubMas", QStringLiteral("+"), QStringLiteral("Un octavo más de nubosidad"));
    menosRadiacion_ =
        CreaBotonPaso(this, "RadMenos", QStringLiteral("-"), QStringLiteral("Bajar la radiación de la hora"));
    masRadiacion_ = CreaBotonPaso(this, "RadMas", QStringLiteral("+"), QStringLiteral("Subir la radiación de la hora"));

    auto* nubes = new QHBoxLayout;
    nubes->addWidget(nubosidad_, 1);
    nubes->addWidget(menosNubes_);
    nubes->addWidget(masNubes_);
    auto* radiacion = new QHBoxLayout;
    radiacion->addWidget(radiacion_, 1);
    radiacion->addWidget(menosRadiacion_);
    radiacion->addWidget(masRadiacion_);
    auto* hora = new QVBoxLayout;
    hora->addWidget(hora_);
    hora->addWidget(barraHora_);
    hora->addLayout(nubes);
    hora->addWidget(radiacionTope_);
    hora->addLayout(radiacion);
    hora->addStretch(1);
    arriba->addLayout(hora, 1);
}

QString PanelRadiacion::TextoLatitud() const { return Q(Caption("Latitud = ", e.Latitud, "°")); }

QString PanelRadiacion::TextoFecha() const {
    const std::string mes = e.Mes >= 1 && e.Mes <= 12 ? NombreMes(e.Mes) : std::string();
    return Q(Caption("Fecha: ", e.Dia) + " de " + mes);
}

void PanelRadiacion::EscribeRadiacionHora() {
    radiacionTope_->setText(Q(Caption("Rad.tope atmósf.= ", e.RadTope(Hora()))));
    radiacion_->setText(Q(Caption("Radiación = ", e.RadHora(Hora()))));
}

void PanelRadiacion::EscribeHora() {
    hora_->setText(TextoHora(Hora()));
    EscribeRadiacionHora();
    nubosidad_->setText(Q(Caption("Nubosidad = ", e.NubHora(Hora()), " octavos")));
}

void PanelRadiacion::LlenaRadiacion() {
    PonSerie(graficoRadiacion_, 1, e.RadHora);
    PonSerie(graficoRadiacion_, 2, e.RadTope);
    graficoRadiacion_->Redibuja();
}

void PanelRadiacion::LlenaNubes() {
    PonSerie(graficoNubes_, 1, e.NubHora);
    graficoNubes_->Redibuja();
}

// The radiation of the day from scratch: both series and the two labels of the hour.
void PanelRadiacion::RecalculaDia() {
    CalculaRadiacion(e);
    LlenaRadiacion();
    EscribeRadiacionHora();
}

// Every control from the record without running a handler.
void PanelRadiacion::PonControles() {
    PonBarraSinEventos(barraLatitud_, e.Latitud.valor() * 2);
    MarcaOpcionSinEventos(opcionesHemisferio_, e.Hemisferio.valor() == -1 ? 0 : 1);
    {
        const QSignalBlocker bd(listaDias_), bm(listaMeses_);
        listaDias_->setCurrentRow(EntradaDe(listaDias_, e.Dia));
        listaMeses_->setCurrentRow(EntradaDe(listaMeses_, e.Mes));
    }
    for (QListWidget* l : {listaDias_, listaMeses_}) static_cast<Lista*>(l)->SueltaSiOculta();
    PonBarraSinEventos(barraTipoNubes_, std::clamp<int>(e.TipoNubes, 1, 3));
    PonBarraSinEventos(barraHora_, Hora());
    latitud_->setText(TextoLatitud());
    tipoNubes_->setText(Q(CaptionTipoNubes(barraTipoNubes_->value())));
    EscribeHora();
}

void PanelRadiacion::CambiaLatitud() {
    e.Latitud = Variante::Entero(static_cast<std::int16_t>(barraLatitud_->value())) / Variante::Entero(2);
    latitud_->setText(TextoLatitud());
    resumen_.Escribe(Linea::Latitud, latitud_->text());
    RecalculaDia();
}

void PanelRadiacion::EligeHemisferio() {
    e.Hemisferio = Variante::Entero(OpcionMarcada(opcionesHemisferio_) == 0 ? -1 : 1);
    RecalculaDia();
}

void PanelRadiacion::EligeDia() {
    const int dia = Elegida(listaDias_);
    if (dia < 0) return;
    e.Dia = static_cast<std::int16_t>(dia + 1);
    const int mes = Elegida(listaMeses_);
    const QString nombreMes = mes >= 0 ? listaMeses_->item(mes)->text() : QString();
    resumen_.Escribe(Linea::Fecha, Q(Caption("Fecha: ", e.Dia) + " de ") + nombreMes);
    RecalculaDia();
}

void PanelRadiacion::EligeMes() {
    const int mes = Elegida(listaMeses_);
    if (mes < 0) return;
    e.Mes = static_cast<std::int16_t>(mes + 1);
    resumen_.Escribe(Linea::Fecha, Q(Caption("Fecha: ", e.Dia) + " de ") + listaMeses_->item(mes)->text());
    RecalculaDia();
}

void PanelRadiacion::CambiaTipoNubes() {
    AplicaTipoNubes(e, barraTipoNubes_->value());
    tipoNubes_->setText(Q(CaptionTipoNubes(e.TipoNubes)));
    PonSerie(graficoRadiacion_, 1, e.RadHora);
    graficoRadiacion_->Redibuja();
    radiacion_->setText(Q(Caption("Radiación = ", e.RadHora(Hora()))));
}

void PanelRadiacion::CambiaHora() {
    PonHora(barraHora_->value());
    EscribeHora();
}

void PanelRadiacion::MuestraNubosidadHora() {
    EscribeHora();
    PonFila(graficoRadiacion_, 1, Hora(), e.RadHora(Hora()));
    graficoRadiacion_->Redibuja();
    PonFila(graficoNubes_, 1, Hora(), e.NubHora(Hora()));
    graficoNubes_->Redibuja();
}

// At 8 octavos "+", and at 0 "-", do nothing at all.
void PanelRadiacion::SubeNubosidad() {
    if (NubosidadMas(e, Hora())) MuestraNubosidadHora();
}

void PanelRadiacion::BajaNubosidad() {
    if (NubosidadMenos(e, Hora())) MuestraNubosidadHora();
}

void PanelRadiacion::MuestraRadiacionHora() {
    radiacion_->setText(Q(Caption("Radiación = ", e.RadHora(Hora()))));
    PonFila(graficoRadiacion_, 1, Hora(), e.RadHora(Hora()));
    graficoRadiacion_->Redibuja();
}

void PanelRadiacion::SubeRadiacion() {
    RadiacionMas(e, Hora());
    MuestraRadiacionHora();
}

void PanelRadiacion::BajaRadiacion() {
    RadiacionMenos(e, Hora());
    MuestraRadiacionHora();
}

void PanelRadiacion::Abre(Origen) {
    // Each control moved here runs its own handler when its value really changes.
    latitud_->setText(TextoLatitud());
    barraLatitud_->setValue(PosicionBarra(barraLatitud_, e.Latitud.valor() * 2));
    if (EntradaDe(listaDias_, e.Dia) >= 0) listaDias_->setCurrentRow(EntradaDe(listaDias_, e.Dia));
    if (EntradaDe(listaMeses_, e.Mes) >= 0) listaMeses_->setCurrentRow(EntradaDe(listaMeses_, e.Mes));
    PonHora(1);
    barraHora_->setValue(1);
    EscribeHora();
    barraTipoNubes_->setValue(std::clamp<int>(e.TipoNubes, 1, 3));
    // A type outside 1..3 (from a file) becomes the nearest one the bar can show.
    if (barraTipoNubes_->value() != e.TipoNubes) CambiaTipoNubes();
    tipoNubes_->setText(Q(CaptionTipoNubes(barraTipoNubes_->value())));
    resumen_.Muestra(Linea::Radiacion);
    resumen_.Muestra(Linea::Latitud, TextoLatitud());
    resumen_.Muestra(Linea::Fecha, TextoFecha());
    AbrePanel();
}

void PanelRadiacion::Acepta() {
    MarcaAceptado();
    Cierra();
}

void PanelRadiacion::MuestraCargado() {
    // The cloud coefficient is not in the file: it follows the loaded cloud type, whose bar
    // is set below without reapplying the clouds to the loaded hours.
    if (e.TipoNubes >= 1 && e.TipoNubes <= 3) e.CoefNubes = CoeficienteNubes(e.TipoNubes);
    PonControles();
    LlenaRadiacion();
    LlenaNubes();
    MarcaAceptado();
}

}  // namespace hortelia
