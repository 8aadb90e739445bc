#include "results/ui/fila_diseno.h"

#include "numeros/conversiones.h"
#include "results/ui/cifras_temporada.h"
#include "scenario/limites.h"
#include "ui/controles.h"
#include "ui/interaccion.h"
#include "ui/texto_qt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace hortelia {

FilaDiseno::FilaDiseno(Interaccion& interaccion, QWidget* parent) : QWidget(parent), interaccion_(interaccion) {
    temperatura_ = new QLineEdit(this);
    temperatura_->setObjectName("TemperaturaDiseno");
    viento_ = new QLineEdit(this);
    viento_->setObjectName("VientoDiseno");
    viento_->setPlaceholderText(NumeroDeCampo(kVientoDiseno));
    auto* etiquetaTemperatura = CreaEtiqueta(this, "LTemperaturaDiseno", QStringLiteral("Tem&peratura de diseño (°C)"));
    auto* etiquetaViento = CreaEtiqueta(this, "LVientoDiseno", QStringLiteral("Vien&to de diseño (m/s)"));
    etiquetaTemperatura->setBuddy(temperatura_);
    etiquetaViento->setBuddy(viento_);
    Explica(temperatura_,
            QStringLiteral("La temperatura exterior de la noche más fría que la calefacción debe aguantar (la del "
                           "99,6 % de las horas del año), %1; vacía, la del archivo EPW o la hora más fría de los días")
                .arg(Q(limites::kTemperatura.Rango())));
    Explica(viento_, QStringLiteral("El viento de esa noche, %1; vacío, %2 m/s")
                         .arg(Q(limites::kVientoMs.Rango()), NumeroDeCampo(kVientoDiseno)));
    ayuda_ = CreaEtiqueta(this, "AyudaDiseno");
    ayuda_->setWordWrap(true);
    ayuda_->setStyleSheet(QStringLiteral("color: #a0281e;"));  // dark red, 6:1 on the window

    auto* fila = new QHBoxLayout(this);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->addWidget(etiquetaTemperatura);
    fila->addWidget(temperatura_);
    fila->addSpacing(8);
    fila->addWidget(etiquetaViento);
    fila->addWidget(viento_);
    fila->addSpacing(20);
    fila->addWidget(ayuda_, 1);
    for (QLineEdit* campo : {temperatura_, viento_}) {
        campo->setMaximumWidth(campo->fontMetrics().horizontalAdvance(QStringLiteral("-000,00")) + 16);
        connect(campo, &QLineEdit::textChanged, this, &FilaDiseno::MuestraAyuda);
        connect(campo, &QLineEdit::textEdited, this, &FilaDiseno::cambia);
        connect(campo, &QLineEdit::returnPressed, this, &FilaDiseno::calculaPedido);
    }
    MuestraAyuda();
}

void FilaDiseno::PonTabla(const TablaClima& tabla) {
    archivo_ = tabla.diseno;
    normales_ = tabla.tipo == TipoTablaClima::Normales;
    QString delArchivo[2];
    if (archivo_) delArchivo[0] = NumeroDeCampo(archivo_->temperatura), delArchivo[1] = NumeroDeCampo(archivo_->viento);
    QLineEdit* const campos[] = {temperatura_, viento_};
    for (std::size_t k = 0; k < 2; ++k) {
        const QString texto = campos[k]->text().trimmed();
        if (texto.isEmpty() || texto == textos_[k]) campos[k]->setText(delArchivo[k]);
        textos_[k] = delArchivo[k];
    }
    MuestraAyuda();
}

bool FilaDiseno::Lee(OpcionesTemporada& opciones) {
    const QString textos[] = {temperatura_->text().trimmed(), viento_->text().trimmed()};
    const bool cambiado[] = {textos[0] != textos_[0], textos[1] != textos_[1]};
    if (!cambiado[0] && !cambiado[1]) return true;  // the file's condition, or the coldest hour
    if (textos[0].isEmpty()) {
        if (textos[1].isEmpty() || !cambiado[1]) return true;
        interaccion_.Mensaje(Interaccion::Gravedad::Advertencia,
                             QStringLiteral("Escriba también la «Temperatura de diseño»: el viento de diseño va con "
                                            "una temperatura de diseño."));
        temperatura_->setFocus();
        return false;
    }
    // A field still holding the file's figure gives the file's value, not its text.
    opciones.temperaturaDiseno =
        cambiado[0] ? LeeCampo(temperatura_, QStringLiteral("Temperatura de diseño"), limites::kTemperatura)
                    : std::optional(archivo_->temperatura);
    if (!opciones.temperaturaDiseno) return false;
    if (textos[1].isEmpty()) return true;  // the design wind of the guides
    opciones.vientoDiseno = cambiado[1] ? LeeCampo(viento_, QStringLiteral("Viento de diseño"), limites::kVientoMs)
                                        : std::optional(archivo_->viento);
    return opciones.vientoDiseno.has_value();
}

QStringList FilaDiseno::Textos() const { return {temperatura_->text(), viento_->text()}; }

void FilaDiseno::PonTextos(const QStringList& textos) {
    temperatura_->setText(textos.value(0));
    viento_->setText(textos.value(1));
}

std::optional<double> FilaDiseno::LeeCampo(QLineEdit* campo, const QString& nombre, const Limite& limite) {
    const QString texto = campo->text().trimmed();
    const std::optional<double> x = LeeNumeroTecleado(texto.toStdString());
    if (x && limite.Admite(*x)) return x;
    interaccion_.Mensaje(Interaccion::Gravedad::Advertencia,
                         QStringLiteral("Escriba en «%1» un número %2, con coma o punto decimal: \"%3\" no lo es.")
                             .arg(nombre, Q(limite.Rango()), texto));
    campo->setFocus();
    campo->selectAll();
    return std::nullopt;
}

void FilaDiseno::MuestraAyuda() {
    const auto nombra = [](QLineEdit* campo, const QString& que, const QString& unidad, const QString& delArchivo) {
        const QString t = campo->text().trimmed();
        campo->setAccessibleName(
            t.isEmpty() ? QStringLiteral("%1 en %2, vacío").arg(que, unidad)
                        : QStringLiteral("%1: %2 %3%4")
                              .arg(que, t, unidad, t == delArchivo ? QStringLiteral(", del archivo") : QString()));
    };
    nombra(temperatura_, QStringLiteral("Temperatura de diseño"), QStringLiteral("°C"), textos_[0]);
    nombra(viento_, QStringLiteral("Viento de diseño"), QStringLiteral("m/s"), textos_[1]);
    ayuda_->setText(normales_ && temperatura_->text().trimmed().isEmpty() ? PideTemperaturaDiseno() : QString());
}

}  // namespace hortelia
