#include "results/ui/planilla.h"

#include "results/exportacion.h"
#include "results/hoja_planilla.h"
#include "results/ui/modelo_planilla.h"
#include "scenario/archivo_texto.h"
#include "ui/controles.h"
#include "ui/dialogo_archivo.h"
#include "ui/impresion.h"
#include "ui/interaccion.h"
#include "ui/resumen.h"
#include "ui/tabla_copiable.h"
#include "ui/texto_qt.h"
#include "ui/ventanas.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace hortelia {
namespace {

// The header's place of summary line i of group g: the groups side by side, six lines a column.
constexpr int kLineasPorColumna = 6;
int FilaResumen(std::size_t i) { return 1 + static_cast<int>(i) % kLineasPorColumna; }
int ColumnaResumen(int g, std::size_t i) { return g * 2 + static_cast<int>(i) / kLineasPorColumna; }

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

    // The table: group headings spanning their columns in the first row, hours, totals.
    modelo_ = new ModeloPlanilla(this);
    tabla_ = new TablaCopiable(
        [this](const QModelIndex& i) {
            const QString mostrado = modelo_->Texto(i.row(), i.column());
            return mostrado == ModeloPlanilla::kSinControl ? QString() : mostrado;
        },
        this);
    tabla_->setObjectName(QStringLiteral("TablaPlanilla"));
    tabla_->setAccessibleName(QStringLiteral("Resultados hora por hora y totales del día"));
    tabla_->setModel(modelo_);
    for (const GrupoColumnas& g : kGruposColumnas)
        tabla_->setSpan(ModeloPlanilla::kFilaGrupos, static_cast<int>(g.desde), 1,
                        static_cast<int>(g.hasta - g.desde + 1));
    tabla_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabla_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);

    QPushButton* cierra = CreaBoton(this, "CierraPlan", QStringLiteral("&Cierra"));
    QPushButton* imprime = CreaBoton(this, nullptr, QStringLiteral("&Imprime"));
    QPushButton* previa = CreaBoton(this, nullptr, QStringLiteral("&Vista previa"));
    QPushButton* guarda = CreaBoton(this, nullptr, QStringLiteral("&Guarda"));
    QPushButton* guardaHoja =
        CreaBoton(this, "GuardaHojaCalculo", QStringLiteral("Guarda como &hoja de cálculo (.xlsx)"));
    guarda->setToolTip(QStringLiteral("Texto separado por tabuladores, con punto decimal, para otros programas"));
    guardaHoja->setToolTip(
        QStringLiteral("Para LibreOffice Calc o Excel en cualquier idioma: cada cifra queda como número"));
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    botones->addWidget(guardaHoja);
    botones->addWidget(guarda);
    botones->addWidget(imprime);
    botones->addWidget(previa);
    botones->addWidget(cierra);

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(CreaCabecera());
    todo->addSpacing(8);
    todo->addWidget(tabla_, 1);
    todo->addLayout(botones);

    connect(cierra, &QPushButton::clicked, this, &QWidget::hide);
    connect(imprime, &QPushButton::clicked, this, &Planilla::Imprime);
    connect(previa, &QPushButton::clicked, this, &Planilla::MuestraVistaPrevia);
    connect(guarda, &QPushButton::clicked, this, &Planilla::ExportaTexto);
    connect(guardaHoja, &QPushButton::clicked, this, &Planilla::ExportaHojaCalculo);
    // The conventional shortcuts beside the accelerators: Ctrl+P prints, Ctrl+S saves the text.
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, &Planilla::Imprime);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, &Planilla::ExportaTexto);
    imprime->setStatusTip(QStringLiteral("Imprime la planilla (Ctrl+P)"));
}

// The header: three captions and the copies of the summary labels.
QLayout* Planilla::CreaCabecera() {
    auto* cabecera = new QGridLayout;
    cabecera->setHorizontalSpacing(18);
    cabecera->setVerticalSpacing(1);
    std::size_t copia = 0;
    for (int g = 0; g < static_cast<int>(std::size(kGruposResumen)); ++g) {
        const GrupoResumen& grupo = kGruposResumen[g];
        auto* t = new QLabel(Q(grupo.titulo), this);
        t->setObjectName(QStringLiteral("Titulo%1").arg(g + 1));
        QFont negrita = t->font();
        negrita.setBold(true);
        t->setFont(negrita);
        cabecera->addWidget(t, 0, g * 2, 1, 2);
        for (std::size_t i = 0; i < grupo.lineas; ++i, ++copia) {
            auto* l = new QLabel(this);
            l->setObjectName(QStringLiteral("LCopia%1").arg(copia + 1));
            encabezado_.append(l);
            cabecera->addWidget(l, FilaResumen(i), ColumnaResumen(g, i));
        }
    }
    return cabecera;
}

QString Planilla::Celda(int c, int i) const {
    if (c == 16) {
        if (i == 0) return modelo_->Texto(ModeloPlanilla::kFilaTotales, 0);
        if (i < 1 || i > 4) return {};
        return modelo_->Texto(ModeloPlanilla::kFilaTotales, static_cast<int>(kColumnasTotales[i - 1]));
    }
    if (c < 1 || c > 15 || i < 0 || i > 24) return {};
    return i == 0 ? Q(TitulosColumnas()[static_cast<std::size_t>(c - 1)]) : modelo_->Texto(i, c - 1);
}

void Planilla::Llena() {
    modelo_->Llena(e);
    texto_ = TextoPlanilla(e, resumen_.Textos());
    hoja_ = HojaPlanilla(e, resumen_.Textos());
    const std::vector<std::string> copias = LineasResumen(resumen_.Textos());
    for (int i = 0; i < encabezado_.size(); ++i) encabezado_[i]->setText(Q(copias[static_cast<std::size_t>(i)]));

    // The first time, as large as the whole table, within the screen; then as the user left it.
    MuestraAlFrente(this, dimensionada_, sizeHint());
}

std::unique_ptr<QTextDocument> Planilla::Documento() const {
    auto documento = std::make_unique<QTextDocument>();
    QFont letra = font();
    letra.setPointSizeF(8);
    documento->setDefaultFont(letra);
    QString h = QStringLiteral("<p style=\"font-size:11pt\"><b>%1</b></p>").arg(Html(windowTitle()));

    // The summary as the window lays it out: groups side by side, six lines a column.
    QString cuadro[1 + kLineasPorColumna][6];
    std::size_t copia = 0;
    for (int g = 0; g < static_cast<int>(std::size(kGruposResumen)); ++g) {
        cuadro[0][g * 2] = QStringLiteral("<b>%1</b>").arg(Html(Q(kGruposResumen[g].titulo)));
        for (std::size_t i = 0; i < kGruposResumen[g].lineas; ++i, ++copia)
            cuadro[FilaResumen(i)][ColumnaResumen(g, i)] = Html(encabezado_[static_cast<int>(copia)]->text());
    }
    h += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\" width=\"100%\">");
    for (const auto& fila : cuadro) {
        h += QStringLiteral("<tr>");
        for (const QString& celda : fila) h += QStringLiteral("<td>%1</td>").arg(celda);
        h += QStringLiteral("</tr>");
    }
    h += QStringLiteral("</table><p></p>");

    // The table: group headings, titles, hours and totals, from the model.
    h += QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"1\" width=\"100%\" "
        "style=\"border-collapse:collapse\"><thead><tr>");
    for (int c = 0; c < ModeloPlanilla::kColumnas;) {
        const auto grupo = std::find_if(std::begin(kGruposColumnas), std::end(kGruposColumnas),
                                        [c](const GrupoColumnas& g) { return static_cast<int>(g.desde) == c; });
        const int ancho = grupo == std::end(kGruposColumnas) ? 1 : static_cast<int>(grupo->hasta - grupo->desde + 1);
        h += QStringLiteral("<th colspan=\"%1\" style=\"white-space:nowrap\">%2</th>")
                 .arg(ancho)
                 .arg(Html(modelo_->Texto(ModeloPlanilla::kFilaGrupos, c)));
        c += ancho;
    }
    h += QStringLiteral("</tr><tr>");
    for (int c = 0; c < ModeloPlanilla::kColumnas; ++c)
        h += QStringLiteral("<th style=\"white-space:nowrap\">%1</th>")
                 .arg(Html(modelo_->headerData(c, Qt::Horizontal).toString()));
    h += QStringLiteral("</tr></thead>");
    for (int f = ModeloPlanilla::kFilaGrupos + 1; f < ModeloPlanilla::kFilas; ++f) {
        h += QStringLiteral("<tr>");
        for (int c = 0; c < ModeloPlanilla::kColumnas; ++c) {
            const QString t = Html(modelo_->Texto(f, c));
            h += f == ModeloPlanilla::kFilaTotales
                     ? QStringLiteral("<td align=\"right\" style=\"white-space:nowrap\"><b>%1</b></td>").arg(t)
                     : QStringLiteral("<td align=\"right\" style=\"white-space:nowrap\">%1</td>").arg(t);
        }
        h += QStringLiteral("</tr>");
    }
    h += QStringLiteral("</table>");
    documento->setHtml(h);
    return documento;
}

void Planilla::Imprime() {
    const std::unique_ptr<QTextDocument> documento = Documento();
    const QString error =
        ImprimeDocumento(*documento, interaccion_, PdfPropuesto(rutaEscenario_(), QStringLiteral("planilla")));
    if (!error.isEmpty()) interaccion_.Mensaje(Interaccion::Gravedad::Error, error);
}

void Planilla::MuestraVistaPrevia() {
    const std::unique_ptr<QTextDocument> documento = Documento();
    const QString error =
        VistaPreviaDocumento(*documento, interaccion_, PdfPropuesto(rutaEscenario_(), QStringLiteral("planilla")));
    if (!error.isEmpty()) interaccion_.Mensaje(Interaccion::Gravedad::Error, error);
}

// Beside the scenario, with its name: never the scenario file itself.
QString Planilla::Propuesto(const TipoArchivo& tipo) const {
    return JuntoAlEscenario(rutaEscenario_(), QString(), tipo.extension, QStringLiteral("planilla"));
}

void Planilla::ExportaTexto() {
    Exporta(interaccion_, kArchivoTexto, Propuesto(kArchivoTexto),
            [this](const std::string& ruta) { return GuardaTexto(ruta, texto_); });
}

void Planilla::ExportaHojaCalculo() {
    Exporta(interaccion_, kArchivoHojaCalculo, Propuesto(kArchivoHojaCalculo),
            [this](const std::string& ruta) { return GuardaHojaCalculo(ruta, hoja_); });
}

}  // namespace hortelia
