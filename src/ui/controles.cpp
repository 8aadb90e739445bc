#include "ui/controles.h"

#include "numeros/conversiones.h"
#include "ui/texto_qt.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
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
namespace {
// What a screen reader hears of the bars and date fields made here.
void InstalaFabricaAccesible();
}  // namespace

EditorFecha::EditorFecha(QWidget* padre, const char* nombre, const QString& accesible)
    : QDateEdit(padre), accesible_(accesible) {
    InstalaFabricaAccesible();
    setObjectName(nombre);
    connect(this, &QDateEdit::dateChanged, this, &EditorFecha::Nombra);
    Nombra();
}

void EditorFecha::Nombra() {
    setAccessibleName(accesible_ + QStringLiteral(": ") + text());
    setAccessibleDescription(text());
}

// Arrows and typing move between day, month and year; Tab goes on to the next control.
bool EditorFecha::focusNextPrevChild(bool siguiente) { return QWidget::focusNextPrevChild(siguiente); }

QLabel* CreaEtiqueta(QWidget* padre, const char* nombre, const QString& texto) {
    auto* l = new QLabel(texto, padre);
    if (nombre) l->setObjectName(nombre);
    return l;
}

QPushButton* CreaBoton(QWidget* padre, const char* nombre, const QString& texto, const QString& accesible) {
    auto* b = new QPushButton(texto, padre);
    if (nombre) b->setObjectName(nombre);
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
    if (nombre) g->setObjectName(nombre);
    g->setAccessibleName(titulo);
    return g;
}

QList<QRadioButton*> CreaOpciones(QWidget* padre, const QString& nombre, const QStringList& textos) {
    auto* grupo = new QButtonGroup(padre);
    grupo->setExclusive(true);
    QList<QRadioButton*> opciones;
    for (int i = 0; i < textos.size(); ++i) {
        auto* r = new QRadioButton(textos[i], padre);
        if (!nombre.isEmpty()) r->setObjectName(QStringLiteral("%1_%2").arg(nombre).arg(i));
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

namespace {

// A scroll bar that knows what its position means to the user.
class Barra : public QScrollBar {
public:
    Barra(Qt::Orientation orientacion, Lectura lectura, QWidget* padre)
        : QScrollBar(orientacion, padre), lectura_(std::move(lectura)) {}
    double Valor(int posicion) const { return posicion * lectura_.factor + 0.0; }  // + 0.0: no -0
    QString Texto(int posicion) const {
        return lectura_.texto ? lectura_.texto(posicion) : Q(NumeroSinBlanco(Valor(posicion)));
    }
    double Factor() const { return lectura_.factor; }

private:
    Lectura lectura_;
};

// What a screen reader asks of such a bar: its value in the user's terms.
class AccesibleBarra : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccesibleBarra(Barra* b) : QAccessibleWidget(b, QAccessible::ScrollBar) {}

    void* interface_cast(QAccessible::InterfaceType tipo) override {
        if (tipo == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(tipo);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return B()->Texto(B()->value());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return B()->Valor(B()->value()); }
    void setCurrentValue(const QVariant& valor) override {
        B()->setValue(static_cast<int>(std::lround(valor.toDouble() / B()->Factor())));
    }
    QVariant maximumValue() const override { return std::max(B()->Valor(B()->minimum()), B()->Valor(B()->maximum())); }
    QVariant minimumValue() const override { return std::min(B()->Valor(B()->minimum()), B()->Valor(B()->maximum())); }
    QVariant minimumStepSize() const override { return std::fabs(B()->Factor()); }

private:
    Barra* B() const { return static_cast<Barra*>(widget()); }
};

// A date field speaks its date as its value; Qt's spin box would say "0" of a range 0 to 0.
class AccesibleFecha : public QAccessibleWidget {
public:
    explicit AccesibleFecha(EditorFecha* f) : QAccessibleWidget(f, QAccessible::EditableText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return static_cast<EditorFecha*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* FabricaAccesible(const QString&, QObject* objeto) {
    if (auto* b = dynamic_cast<Barra*>(objeto)) return new AccesibleBarra(b);
    if (auto* f = dynamic_cast<EditorFecha*>(objeto)) return new AccesibleFecha(f);
    return nullptr;
}

void InstalaFabricaAccesible() {
    static const bool instalada = [] {
        QAccessible::installFactory(FabricaAccesible);
        return true;
    }();
    (void)instalada;
}

}  // namespace

Lectura EnUnidad(double factor, const QString& unidad) {
    return {factor, [factor, unidad](int posicion) {
                const QString n = Q(NumeroSinBlanco(posicion * factor + 0.0));  // + 0.0: closed is 0, not -0
                return unidad.isEmpty()
                           ? n
                           : n + (unidad == QStringLiteral("°") ? QString() : QStringLiteral(" ")) + unidad;
            }};
}

void Explica(QWidget* control, const QString& texto) {
    control->setToolTip(texto);
    control->setStatusTip(texto);
}

QScrollBar* CreaBarra(QWidget* padre, const char* nombre, const QString& accesible, Qt::Orientation orientacion,
                      int minimo, int maximo, int pasoGrande, Lectura lectura) {
    InstalaFabricaAccesible();
    auto* b = new Barra(orientacion, std::move(lectura), padre);
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
    g->TituloEjeX(QStringLiteral("Hora"));
    return g;
}

std::string TextoGrafico(const Variante& v) { return NumeroSinBlanco(v); }
std::string TextoGrafico(float v) { return NumeroATexto(v); }

QString TextoHora(int h) { return Q(Caption("Hora ", h)); }

}  // namespace hortelia
