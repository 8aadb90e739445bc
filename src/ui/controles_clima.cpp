#include "ui/controles_clima.h"

#include "numeros/conversiones.h"
#include "ui/resumen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace hortelia {

QScrollBar* CreaBarraHorizontal(QWidget* parent, const char* nombre, const QString& accesible, int minimo, int maximo,
                                int pasoGrande) {
    QScrollBar* b = CreaBarra(nombre, accesible, Qt::Horizontal, minimo, maximo, pasoGrande, parent);
    b->setMinimumWidth(110);
    return b;
}

QLabel* CreaEtiqueta(QWidget* parent, const char* nombre, const QString& texto) {
    auto* l = new QLabel(texto, parent);
    l->setObjectName(nombre);
    return l;
}

QPushButton* CreaBoton(QWidget* parent, const char* nombre, const QString& texto, const QString& accesible) {
    auto* b = new QPushButton(texto, parent);
    b->setObjectName(nombre);
    b->setAccessibleName(accesible);
    b->setToolTip(accesible);
    b->setFixedWidth(30);
    b->setAutoDefault(false);
    return b;
}

Grafico* CreaGraficoHoras(QWidget* parent, const char* nombre, const QString& titulo, Grafico::Tipo tipo, int series) {
    auto* g = new Grafico(nombre, titulo, tipo, parent);
    g->PonSeries(series);
    g->PonFilas(24);
    return g;
}

std::string TextoGrafico(const Variante& v) { return NumeroSinBlanco(v); }
std::string TextoGrafico(float v) { return NumeroATexto(v); }

void MuestraTextoCarga(QLabel* etiqueta, const std::string& texto) {
    if (!texto.empty()) etiqueta->setText(Q(texto));
    etiqueta->show();
}

QString TextoHora(int h) { return Q(Caption("Hora ", h)); }

void DisponePanelDeCurva(QWidget* panel, QLabel* lMax, QScrollBar* barraMax, QLabel* lMin, QScrollBar* barraMin,
                         QLabel* lHora, QScrollBar* barraHora, QLabel* valor, QPushButton* menos, QPushButton* mas,
                         Grafico* grafico, QPushButton* acepta) {
    auto* extremos = new QGridLayout;
    extremos->addWidget(lMax, 0, 0);
    extremos->addWidget(barraMax, 1, 0);
    extremos->addWidget(lMin, 2, 0);
    extremos->addWidget(barraMin, 3, 0);
    auto* botones = new QHBoxLayout;
    botones->addWidget(valor, 1);
    botones->addWidget(menos);
    botones->addWidget(mas);
    auto* hora = new QVBoxLayout;
    hora->addWidget(lHora);
    hora->addWidget(barraHora);
    hora->addLayout(botones);
    hora->addStretch(1);
    auto* arriba = new QHBoxLayout;
    arriba->addLayout(extremos, 1);
    arriba->addSpacing(24);
    arriba->addLayout(hora, 1);
    auto* pie = new QHBoxLayout;
    pie->addStretch(1);
    pie->addWidget(acepta);
    auto* caja = new QVBoxLayout(panel);
    caja->addLayout(arriba);
    caja->addWidget(grafico, 1);
    caja->addLayout(pie);
}

}  // namespace hortelia
