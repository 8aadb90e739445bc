#include "ui/controles.h"

#include "numeros/conversiones.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <vector>

namespace hortelia {

QList<QRadioButton*> CreaOpciones(const QString& nombre, const QStringList& textos, QWidget* padre) {
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

QScrollBar* CreaBarra(const QString& nombre, const QString& accesible, Qt::Orientation orientacion, int minimo,
                      int maximo, int pasoGrande, QWidget* padre) {
    auto* b = new QScrollBar(orientacion, padre);
    b->setObjectName(nombre);
    b->setAccessibleName(accesible);
    b->setRange(minimo, maximo);
    b->setPageStep(pasoGrande);
    b->setSingleStep(1);
    b->setFocusPolicy(Qt::StrongFocus);
    // Qt inverts the keys of its scroll bars; on a horizontal one Right would lower the value
    // and move the thumb to the left.
    if (orientacion == Qt::Horizontal) b->setInvertedControls(false);
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

}  // namespace hortelia
