#include "ui/resumen.h"

#include <QVBoxLayout>

namespace hortelia {

Resumen::Resumen(QWidget* parent) : QWidget(parent) {
    setObjectName("Resumen");
    auto* caja = new QVBoxLayout(this);
    caja->setContentsMargins(6, 4, 6, 4);
    caja->setSpacing(1);
    auto etiqueta = [&](const char* nombre, const char* texto, bool titulo = false) {
        auto* l = new QLabel(QString::fromUtf8(texto), this);
        l->setObjectName(nombre);
        if (titulo) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
            caja->addSpacing(4);
        } else {
            l->setIndent(10);
        }
        l->hide();
        caja->addWidget(l);
        return l;
    };
    LEstruct = etiqueta("LEstruct", "Estructura:", true);
    LTTecho = etiqueta("LTTecho", "Tipo de techo: A dos aguas ");
    LDTecho = etiqueta("LDTecho", "Doble techo:    No");
    LDimens = etiqueta("LDimens", "Dimensiones:", true);
    LDSuecub = etiqueta("LDSuecub", "Suelo cubierto = ");
    LDSupinv = etiqueta("LDSupinv", "Superficie inv. =");
    LDVolinv = etiqueta("LDVolinv", "Volumen inv.   =");
    LCob = etiqueta("LCob", "Cobertura:", true);
    LCobertura = etiqueta("LCobertura", "Mat. cobertura: ");
    LManten = etiqueta("LManten", "Mantenimiento:");
    LVentil = etiqueta("LVentil", "Ventilación:", true);
    LVentanas = etiqueta("LVentanas", "Ventanas=");
    LCenital = etiqueta("LCenital", "Cenital:");
    LCalef = etiqueta("LCalef", "Calefacción:", true);
    LEfic = etiqueta("LEfic", "Eficiencia =");
    LPoCal = etiqueta("LPoCal", "P.Calorífico =");
    LCultivo = etiqueta("LCultivo", "Cultivo:", true);
    LMaxTol = etiqueta("LMaxTol", "Máxima tolerable=");
    LMinTol = etiqueta("LMinTol", "Mínima tolerable=");
    Liaf = etiqueta("Liaf", "Índice área foliar=");
    LFTemp = etiqueta("LFTemp", "Temperatura:", true);
    LFTMax = etiqueta("LFTMax", "Máxima =");
    LFTMin = etiqueta("LFTMin", "Mínima =");
    LFHRel = etiqueta("LFHRel", "Humedad relativa:", true);
    LFHRMax = etiqueta("LFHRMax", "Máxima =");
    LFHRMin = etiqueta("LFHRMin", "Mínima =");
    LFRad = etiqueta("LFRad", "Radiación:", true);
    LLat = etiqueta("LLat", "Latitud =");
    LFecha = etiqueta("LFecha", "Fecha:");
    caja->addStretch(1);
}

}  // namespace hortelia
