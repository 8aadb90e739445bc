#include "results/ui/planilla.h"

#include "results/exportacion.h"
#include "scenario/archivo_texto.h"
#include "ui/dialogo_archivo.h"
#include "ui/impresion.h"
#include "ui/resumen.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace hortelia {
namespace {

const char* const kMarcas[] = {"",    "Temp", "Hum", "Vto", "Rad",  "Nub", "s/control", "c/control",
                               "Hum", "Ren",  "Cal", "Ref", "Vent", "Etr", "Etp"};
constexpr const char* kSinControl = " --- ";

}  // namespace

Planilla::Planilla(Escenario& escenario, const Resumen& resumen, DialogoArchivo& dialogo, const Impresion& impresion,
                   QWidget* parent)
    : QWidget(parent, Qt::Window), e(escenario), resumen_(resumen), dialogo_(dialogo), impresion_(impresion) {
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

    CierraPlan = new QPushButton(QStringLiteral("&Cierra"), this);
    CierraPlan->setObjectName("CierraPlan");
    Command1 = new QPushButton(QStringLiteral("&Imprime"), this);
    Command1->setObjectName("Command1");
    Command2 = new QPushButton(QStringLiteral("&Guarda"), this);
    Command2->setObjectName("Command2");
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    botones->addWidget(Command2);
    botones->addWidget(Command1);
    botones->addWidget(CierraPlan);

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(cabecera);
    todo->addSpacing(8);
    todo->addLayout(tabla);
    todo->addStretch(1);
    todo->addLayout(botones);

    connect(CierraPlan, &QPushButton::clicked, this, &Planilla::CierraPlan_Click);
    connect(Command1, &QPushButton::clicked, this, &Planilla::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Planilla::Command2_Click);
}

QLabel* Planilla::Celda(int c, int i) const { return columnas_.value(c - 1).value(i); }

void Planilla::Command14_Click() {
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
    const std::vector<std::string> copias = LineasResumen(TextosDelResumen());
    for (int i = 0; i < encabezado_.size(); ++i) encabezado_[i]->setText(Q(copias[static_cast<std::size_t>(i)]));

    show();
    raise();
    activateWindow();
}

void Planilla::Command1_Click() {
    const QString error = impresion_.Imprime(this);
    if (!error.isEmpty()) Avisa(error);
}

void Planilla::Command2_Click() {
    const QString ruta = dialogo_.Elige(DialogoArchivo::Modo::Guardar, DialogoArchivo::kFiltroTexto);
    if (ruta.isEmpty()) return;
    const ResultadoArchivo r = GuardaTexto(ruta.toStdString(), TextoPlanilla(e, TextosDelResumen()));
    if (!r.ok) Avisa(Q(r.mensaje));
}

TextosResumen Planilla::TextosDelResumen() const {
    const Resumen& r = resumen_;
    auto t = [](const QLabel* l) { return l->text().toStdString(); };
    TextosResumen x;
    x.tipoTecho = t(r.LTTecho);
    x.dobleTecho = t(r.LDTecho);
    x.material = t(r.LCobertura);
    x.mantenimiento = t(r.LManten);
    x.suelo = t(r.LDSuecub);
    x.superficie = t(r.LDSupinv);
    x.volumen = t(r.LDVolinv);
    x.ventanas = t(r.LVentanas);
    x.cenital = t(r.LCenital);
    x.poderCalorico = t(r.LPoCal);
    x.eficiencia = t(r.LEfic);
    x.tMax = t(r.LFTMax);
    x.tMin = t(r.LFTMin);
    x.hrMax = t(r.LFHRMax);
    x.hrMin = t(r.LFHRMin);
    x.latitud = t(r.LLat);
    x.fecha = t(r.LFecha);
    x.maxTol = t(r.LMaxTol);
    x.minTol = t(r.LMinTol);
    x.iaf = t(r.Liaf);
    return x;
}

void Planilla::Avisa(const QString& texto) {
    if (aviso) aviso(texto);
    else QMessageBox::warning(this, QStringLiteral("Hortelia"), texto);
}

}  // namespace hortelia
