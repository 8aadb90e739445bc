#include "ui/resumen.h"

#include "ui/texto_qt.h"

#include <QLabel>
#include <QVBoxLayout>

namespace hortelia {
namespace {

using Linea = Resumen::Linea;

struct Descripcion {
    const char* nombre;                 ///< objectName
    const char* encabezado;             ///< a heading's fixed caption; null for a line
    std::string TextosResumen::*texto;  ///< where a line's caption is kept, if the sheet repeats it
};

// In the order of Resumen::Linea.
const Descripcion kDescripciones[] = {
    {"LEstruct", "Estructura:", nullptr},
    {"LTTecho", nullptr, &TextosResumen::tipoTecho},
    {"LDTecho", nullptr, &TextosResumen::dobleTecho},
    {"LDimens", "Dimensiones:", nullptr},
    {"LDSuecub", nullptr, &TextosResumen::suelo},
    {"LDSupinv", nullptr, &TextosResumen::superficie},
    {"LDVolinv", nullptr, &TextosResumen::volumen},
    {"LCob", "Cobertura:", nullptr},
    {"LCobertura", nullptr, &TextosResumen::material},
    {"LManten", nullptr, &TextosResumen::mantenimiento},
    {"LVentil", "Ventilación:", nullptr},
    {"LVentanas", nullptr, &TextosResumen::ventanas},
    {"LCenital", nullptr, &TextosResumen::cenital},
    {"LCalef", "Calefacción:", nullptr},
    {"LEfic", nullptr, &TextosResumen::eficiencia},
    {"LPoCal", nullptr, &TextosResumen::poderCalorico},
    {"LCultivo", "Cultivo:", nullptr},
    {"LMaxTol", nullptr, &TextosResumen::maxTol},
    {"LMinTol", nullptr, &TextosResumen::minTol},
    {"Liaf", nullptr, &TextosResumen::iaf},
    {"LFTemp", "Temperatura:", nullptr},
    {"LFTMax", nullptr, &TextosResumen::tMax},
    {"LFTMin", nullptr, &TextosResumen::tMin},
    {"LFHRel", "Humedad relativa:", nullptr},
    {"LFHRMax", nullptr, &TextosResumen::hrMax},
    {"LFHRMin", nullptr, &TextosResumen::hrMin},
    {"LFRad", "Radiación:", nullptr},
    {"LLat", nullptr, &TextosResumen::latitud},
    {"LFecha", nullptr, &TextosResumen::fecha},
};
static_assert(std::size(kDescripciones) == Resumen::kLineas);

const Descripcion& De(Linea l) { return kDescripciones[static_cast<std::size_t>(l)]; }

}  // namespace

Resumen::Resumen(QWidget* parent) : QWidget(parent) {
    setObjectName("Resumen");
    auto* caja = new QVBoxLayout(this);
    caja->setContentsMargins(6, 4, 6, 4);
    caja->setSpacing(1);
    for (int i = 0; i < kLineas; ++i) {
        const Descripcion& d = kDescripciones[i];
        auto* l = new QLabel(this);
        l->setObjectName(d.nombre);
        if (d.encabezado) {
            l->setText(QString::fromUtf8(d.encabezado));
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
            caja->addSpacing(4);
        } else {
            l->setIndent(10);
        }
        l->hide();
        caja->addWidget(l);
        etiquetas_[static_cast<std::size_t>(i)] = l;
    }
    caja->addStretch(1);
    Etiqueta(Linea::Mantenimiento)
        ->setToolTip(QStringLiteral("Renovaciones del aire interior por hora por las fugas del invernáculo (l/h)"));
    PintaTextos();
}

void Resumen::PintaTextos() {
    for (int i = 0; i < kLineas; ++i)
        if (kDescripciones[i].texto)
            etiquetas_[static_cast<std::size_t>(i)]->setText(Q(textos_.*kDescripciones[i].texto));
}

void Resumen::Escribe(Linea linea, const QString& texto) {
    const Descripcion& d = De(linea);
    if (!d.texto) return;
    textos_.*d.texto = texto.toStdString();
    Etiqueta(linea)->setText(texto);
}

void Resumen::Muestra(Linea linea, const QString& texto) {
    Escribe(linea, texto);
    Muestra(linea);
}

void Resumen::Muestra(Linea linea) { Etiqueta(linea)->show(); }

void Resumen::Oculta(Linea linea) { Etiqueta(linea)->hide(); }

QString Resumen::Texto(Linea linea) const { return Etiqueta(linea)->text(); }

void Resumen::Carga(const Escenario& e, bool dimensionesValidas) {
    AplicaCarga(textos_, e, dimensionesValidas);
    PintaTextos();
    for (int i = 0; i < kLineas; ++i) {
        const auto linea = static_cast<Linea>(i);
        const bool figura = linea == Linea::Dimensiones || linea == Linea::Suelo || linea == Linea::Superficie ||
                            linea == Linea::Volumen;
        Etiqueta(linea)->setVisible(!figura || dimensionesValidas);
    }
}

}  // namespace hortelia
