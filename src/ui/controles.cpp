#include "ui/controles.h"

#include "numeros/conversiones.h"
#include "ui/texto_qt.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <vector>

namespace hortelia {

QLabel* CreaEtiqueta(QWidget* padre, const char* nombre, const QString& texto) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    return l;
}

QPushButton* CreaBoton(QWidget* padre, const char* nombre, const QString& texto, const QString& accesible) {
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(nombre);
    b->setAutoDefault(false);
    if (!accesible.isEmpty()) {
        b->setAccessibleName(accesible);
        b->setToolTip(accesible);
    }
    return b;
}

QPushButton* CreaBotonPaso(QWidget* padre, const char* nombre, const QString& texto, const QString& accesible) {
    QPushButton* b = CreaBoton(padre, nombre, texto, accesible);
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("+")) + 24);
    return b;
}

QGroupBox* CreaGrupo(QWidget* padre, const char* nombre, const QString& titulo) {
    auto* g = new QGroupBox(titulo, padre);
    g->setObjectName(nombre);
    g->setAccessibleName(titulo);
    return g;
}

QList<QRadioButton*> CreaOpciones(QWidget* padre, const QString& nombre, const QStringList& textos) {
    auto* grupo = new QButtonGroup(padre);
    grupo->setExclusive(true);
    QList<QRadioButton*> opciones;
    for (int i = 0; i < textos.size(); ++i) {
        auto* r = new QRadioButton(textos[i], padre);
        r->setObjectName(QStringLiteral("%1_%2").arg(nombre).arg(i));
        grupo->addButton(r, i);
        opciones.append(r);
    }
    return opciones;
}

int OpcionMarcada(const QList<QRadioButton*>& opciones) {
    for (int i = 0; i < opciones.size(); ++i)
        if (opciones[i]->isChecked()) return i;
    return -1;
}

void MarcaOpcionSinEventos(const QList<QRadioButton*>& opciones, int i) {
    if (i < 0 || i >= opciones.size()) return;
    // The exclusive group unchecks the previous option, which would signal too.
    std::vector<QSignalBlocker> bloqueos;
    bloqueos.reserve(static_cast<std::size_t>(opciones.size()));
    for (QRadioButton* r : opciones) bloqueos.emplace_back(r);
    opciones[i]->setChecked(true);
}

QScrollBar* CreaBarra(QWidget* padre, const char* nombre, const QString& accesible, Qt::Orientation orientacion,
                      int minimo, int maximo, int pasoGrande) {
    auto* b = new QScrollBar(orientacion, padre);
    b->setObjectName(nombre);
    b->setAccessibleName(accesible);
    b->setRange(minimo, maximo);
    b->setPageStep(pasoGrande);
    b->setSingleStep(1);
    b->setFocusPolicy(Qt::StrongFocus);
    if (orientacion == Qt::Horizontal) {
        b->setMinimumWidth(110);
        // Qt inverts the keys of its scroll bars; on a horizontal one Right would lower the value
        // and move the thumb to the left.
        b->setInvertedControls(false);
    }
    return b;
}

int PosicionBarra(const QScrollBar* barra, double valor) {
    const auto entero = AEntero16(valor);
    const double v = entero ? *entero : (std::isnan(valor) ? barra->minimum() : valor);
    const double minimo = barra->minimum(), maximo = barra->maximum();
    return static_cast<int>(std::clamp(v, minimo, maximo));
}

void PonBarraSinEventos(QScrollBar* barra, double valor) {
    const QSignalBlocker bloqueo(barra);
    barra->setValue(PosicionBarra(barra, valor));
}

Grafico* CreaGraficoHoras(QWidget* padre, const char* nombre, const QString& titulo, Grafico::Tipo tipo, int series) {
    auto* g = new Grafico(nombre, titulo, tipo, padre);
    g->PonSeries(series);
    g->PonFilas(24);
    return g;
}

std::string TextoGrafico(const Variante& v) { return NumeroSinBlanco(v); }
std::string TextoGrafico(float v) { return NumeroATexto(v); }

QString TextoHora(int h) { return Q(Caption("Hora ", h)); }

}  // namespace hortelia
