#include "results/ui/planilla.h"

#include "results/exportacion.h"
#include "scenario/archivo_texto.h"
#include "ui/controles.h"
#include "ui/dialogo_archivo.h"
#include "ui/impresion.h"
#include "ui/interaccion.h"
#include "ui/resumen.h"
#include "ui/texto_qt.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace hortelia {
namespace {

const char* const kMarcas[] = {"",    "Temp", "Hum", "Vto", "Rad",  "Nub", "s/control", "c/control",
                               "Hum", "Ren",  "Cal", "Ref", "Vent", "Etr", "Etp"};
constexpr const char* kSinControl = " --- ";

}  // namespace

Planilla::Planilla(Escenario& escenario, const Resumen& resumen, Interaccion& interaccion,
                   std::function<QString()> rutaEscenario, QWidget* parent)
    : QWidget(parent, Qt::Window),
      e(escenario),
      resumen_(resumen),
      interaccion_(interaccion),
      rutaEscenario_(std::move(rutaEscenario)) {
    setObjectName("FPlanilla");
    setWindowTitle(QStringLiteral("Planilla de resultados"));

    // Header: three fixed captions and the copies of the summary labels.
    auto* cabecera = new QGridLayout;
    cabecera->setHorizontalSpacing(18);
    cabecera->setVerticalSpacing(1);
    const int porGrupo[] = {11, 6, 3};  // structure to efficiency; weather; crop
    const char* titulos[] = {"Invernáculo :", "Meteorología :", "Cultivo :"};
    int copia = 0;
    for (int g = 0; g < 3; ++g) {
        auto* t = new QLabel(QString::fromUtf8(titulos[g]), this);
        t->setObjectName(QStringLiteral("Titulo%1").arg(g + 1));
        QFont negrita = t->font();
        negrita.setBold(true);
        t->setFont(negrita);
        cabecera->addWidget(t, 0, g * 2, 1, 2);
        for (int i = 0; i < porGrupo[g]; ++i, ++copia) {
            auto* l = new QLabel(this);
            l->setObjectName(QStringLiteral("LCopia%1").arg(copia + 1));
            encabezado_.append(l);
            cabecera->addWidget(l, 1 + i % 6, g * 2 + i / 6);
        }
    }

    // The grid: 15 hourly columns, then the totals row.
    auto* tabla = new QGridLayout;
    tabla->setHorizontalSpacing(10);
    tabla->setVerticalSpacing(0);
    const auto& titulosColumnas = TitulosColumnas();
    const struct {
        const char* texto;
        int desde, hasta;
    } grupos[] = {{"Ambiente externo", 1, 5},
                  {"Interior invernáculo", 6, 9},
                  {"Control temperatura", 10, 11},
                  {"Transpiración", 13, 14}};
    for (const auto& g : grupos) {
        auto* l = new QLabel(QString::fromUtf8(g.texto), this);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameShape(QFrame::Box);
        tabla->addWidget(l, 0, g.desde, 1, g.hasta - g.desde + 1);
    }
    for (int c = 1; c <= 15; ++c) {
        QList<QLabel*> columna;
        for (int i = 0; i <= 24; ++i) {
            auto* l = new QLabel(i == 0 ? Q(titulosColumnas[static_cast<std::size_t>(c - 1)])
                                        : (c == 1 ? QString::number(i) : QString::fromUtf8(kMarcas[c - 1])),
                                 this);
            l->setObjectName(QStringLiteral("Label%1_%2").arg(c).arg(i));
            l->setAlignment(i == 0 ? Qt::AlignHCenter | Qt::AlignBottom : Qt::AlignRight | Qt::AlignVCenter);
            if (i == 0) {
                // Titles wrap on narrow columns: room for three lines.
                l->setWordWrap(true);
                l->setMinimumHeight(3 * l->fontMetrics().lineSpacing() + 2);
                l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("Humedad")) + 4);
            }
            tabla->addWidget(l, 1 + i, c - 1);
            columna.append(l);
        }
        columnas_.append(columna);
    }
    // Totals: the caption under the hours, each total under its own column.
    QList<QLabel*> totales;
    for (int i = 0; i <= 4; ++i) {
        auto* l = new QLabel(i == 0 ? QStringLiteral("Totales: ") : QString(), this);
        l->setObjectName(QStringLiteral("Label16_%1").arg(i));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont negrita = l->font();
        negrita.setBold(true);
        l->setFont(negrita);
        tabla->addWidget(l, 26, i == 0 ? 0 : static_cast<int>(kColumnasTotales[i - 1]));
        totales.append(l);
    }
    columnas_.append(totales);

    QPushButton* cierra = CreaBoton(this, "CierraPlan", QStringLiteral("&Cierra"));
    QPushButton* imprime = CreaBoton(this, "Command1", QStringLiteral("&Imprime"));
    QPushButton* guarda = CreaBoton(this, "Command2", QStringLiteral("&Guarda"));
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    botones->addWidget(guarda);
    botones->addWidget(imprime);
    botones->addWidget(cierra);

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(cabecera);
    todo->addSpacing(8);
    todo->addLayout(tabla);
    todo->addStretch(1);
    todo->addLayout(botones);

    connect(cierra, &QPushButton::clicked, this, &QWidget::hide);
    connect(imprime, &QPushButton::clicked, this, &Planilla::Imprime);
    connect(guarda, &QPushButton::clicked, this, &Planilla::ExportaTexto);
}

QLabel* Planilla::Celda(int c, int i) const { return columnas_.value(c - 1).value(i); }

void Planilla::Llena() {
    for (int h = 1; h <= 24; ++h) {
        const std::vector<std::string> celdas = CeldasHora(e, h);
        for (int c = 1; c <= 15; ++c) {
            const std::string& texto = celdas[static_cast<std::size_t>(c - 1)];
            Celda(c, h)->setText(texto.empty() ? QString(kSinControl) : Q(texto));
        }
    }
    const std::vector<std::string> totales = CeldasTotales(e);
    for (int i = 1; i <= 4; ++i) Celda(16, i)->setText(Q(totales[static_cast<std::size_t>(i - 1)]));

    // Header order: structure, cover, ventilation, heating | weather | crop.
    texto_ = TextoPlanilla(e, resumen_.Textos());
    const std::vector<std::string> copias = LineasResumen(resumen_.Textos());
    for (int i = 0; i < encabezado_.size(); ++i) encabezado_[i]->setText(Q(copias[static_cast<std::size_t>(i)]));

    show();
    raise();
    activateWindow();
}

void Planilla::Imprime() {
    const QString error = ImprimeVentana(this, interaccion_);
    if (!error.isEmpty()) interaccion_.Mensaje(Interaccion::Gravedad::Error, error);
}

void Planilla::ExportaTexto() {
    // Beside the scenario, with its name: never the scenario file itself.
    const QString escenario = rutaEscenario_();
    const QString propuesto =
        escenario.isEmpty() ? QStringLiteral("planilla.txt") : ConExtension(escenario, kArchivoTexto);
    const QString ruta = EligeParaGuardar(interaccion_, kArchivoTexto, propuesto);
    if (ruta.isEmpty()) return;
    const ResultadoArchivo r = GuardaTexto(ruta.toStdString(), texto_);
    if (!r.ok) interaccion_.Mensaje(Interaccion::Gravedad::Error, Q(r.mensaje));
}

}  // namespace hortelia
