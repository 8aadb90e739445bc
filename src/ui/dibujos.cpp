#include "ui/dibujos.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace hortelia {
namespace {

// Every picture is drawn on a 300 x 200 sheet, scaled into the widget keeping its shape.
constexpr double kAncho = 300, kAlto = 200;

const QColor kEstructura(60, 60, 70);
const QColor kCubierta(170, 215, 235, 150);
const QColor kSuelo(150, 115, 80);
const QColor kCota(170, 30, 30);

// Roof line of one module from (x0, alero) to (x0 + w, alero), rising `flecha` above the eaves.
// `y` grows downwards, so the ridge is at alero - flecha.
QPainterPath LineaTecho(Techo tipo, double x0, double w, double alero, double flecha) {
    QPainterPath p;
    p.moveTo(x0, alero);
    switch (tipo) {
    case Techo::DosAguas:
        p.lineTo(x0 + w / 2, alero - flecha);
        p.lineTo(x0 + w, alero);
        break;
    case Techo::PlanoInclinado:
        p.lineTo(x0 + w, alero - flecha);
        p.lineTo(x0 + w, alero);
        break;
    case Techo::Tunel: p.arcTo(QRectF(x0, alero - w / 2, w, w), 180, -180); break;
    case Techo::Parabolico:
        for (int i = 1; i <= 24; ++i) {
            const double t = -1 + 2.0 * i / 24;
            p.lineTo(x0 + w / 2 * (1 + t), alero - flecha * (1 - t * t));
        }
        break;
    }
    return p;
}

// Closed outline of one module: posts, roof and floor.
QPainterPath Modulo(Techo tipo, double x0, double w, double suelo, double alero, double flecha) {
    QPainterPath p;
    p.moveTo(x0, suelo);
    p.lineTo(x0, alero);
    p.connectPath(LineaTecho(tipo, x0, w, alero, flecha));
    p.lineTo(x0 + w, suelo);
    p.closeSubpath();
    return p;
}

double FlechaDibujo(Techo tipo, double w) {
    switch (tipo) {
    case Techo::Tunel: return w / 2;
    case Techo::PlanoInclinado: return w * 0.3;
    default: return w * 0.4;
    }
}

void Suelo(QPainter& p, double x0, double x1, double y) {
    p.setPen(QPen(kSuelo, 3));
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    p.setPen(QPen(kSuelo, 1));
    for (double x = x0 + 4; x < x1; x += 10) p.drawLine(QPointF(x, y + 2), QPointF(x - 6, y + 8));
}

// A dimension line between a and b with a number beside it.
void Cota(QPainter& p, QPointF a, QPointF b, const QString& texto, QPointF desplazamiento) {
    p.setPen(QPen(kCota, 1.2));
    p.drawLine(a, b);
    const double ang = std::atan2(b.y() - a.y(), b.x() - a.x());
    auto punta = [&](QPointF o, double dir) {
        const double l = 6, ab = 0.45;
        QPolygonF t;
        t << o << o + QPointF(std::cos(dir + ab) * l, std::sin(dir + ab) * l)
          << o + QPointF(std::cos(dir - ab) * l, std::sin(dir - ab) * l);
        p.setBrush(kCota);
        p.drawPolygon(t);
        p.setBrush(Qt::NoBrush);
    };
    punta(a, ang);
    punta(b, ang + std::numbers::pi);
    QFont f = p.font();
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    const QPointF medio = (a + b) / 2 + desplazamiento;
    p.drawText(QRectF(medio.x() - 10, medio.y() - 9, 20, 18), Qt::AlignCenter, texto);
}

void DibujaTecho(QPainter& p, Techo tipo) {
    const double w = 80, suelo = 160, alero = 105, x0 = 30;
    const double f = FlechaDibujo(tipo, w) * 0.9;
    for (int m = 0; m < 3; ++m) {
        p.setPen(QPen(kEstructura, 2));
        p.setBrush(kCubierta);
        p.drawPath(Modulo(tipo, x0 + m * w, w, suelo, alero, f));
    }
    p.setBrush(Qt::NoBrush);
    Suelo(p, x0 - 12, x0 + 3 * w + 12, suelo);
}

void DibujaDimensiones(QPainter& p, Techo tipo) {
    // Front face of one module, its back face up and to the right, joined at the corners.
    const double w = 130, suelo = 165, alero = 110, x0 = 45, dx = 55, dy = -35;
    const double f = FlechaDibujo(tipo, w) * 0.75;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kEstructura, 1, Qt::DashLine));
    p.drawPath(Modulo(tipo, x0 + dx, w, suelo + dy, alero + dy, f));
    p.setPen(QPen(kEstructura, 1.5));
    const double cimaX = tipo == Techo::PlanoInclinado ? x0 + w : x0 + w / 2;
    for (QPointF esquina : {QPointF(x0, suelo), QPointF(x0, alero), QPointF(x0 + w, suelo), QPointF(x0 + w, alero),
                            QPointF(cimaX, alero - f)})
        p.drawLine(esquina, esquina + QPointF(dx, dy));
    p.setPen(QPen(kEstructura, 2));
    p.setBrush(kCubierta);
    p.drawPath(Modulo(tipo, x0, w, suelo, alero, f));
    p.setBrush(Qt::NoBrush);
    Suelo(p, 15, 275, suelo);

    Cota(p, QPointF(x0, suelo + 18), QPointF(x0 + w, suelo + 18), QStringLiteral("1"), QPointF(0, 10));
    Cota(p, QPointF(x0 + w + 10, suelo), QPointF(x0 + w + 10 + dx, suelo + dy), QStringLiteral("2"), QPointF(14, 6));
    Cota(p, QPointF(x0 - 14, suelo), QPointF(x0 - 14, alero), QStringLiteral("3"), QPointF(-11, 0));
    const double xm = tipo == Techo::PlanoInclinado ? x0 + w - 14 : cimaX;
    Cota(p, QPointF(xm, suelo), QPointF(xm, alero - f), QStringLiteral("4"),
         QPointF(tipo == Techo::PlanoInclinado ? -11 : 11, 10));

    QFont fuente = p.font();
    fuente.setPixelSize(12);
    fuente.setBold(false);
    p.setFont(fuente);
    p.setPen(kCota);
    p.drawText(QRectF(160, 6, 138, 18), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("5 = módulos"));
}

void DibujaSol(QPainter& p, QPointF c, double r) {
    p.setPen(QPen(QColor(235, 170, 20), 2));
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6;
        p.drawLine(c + QPointF(std::cos(a) * (r + 4), std::sin(a) * (r + 4)),
                   c + QPointF(std::cos(a) * (r + 12), std::sin(a) * (r + 12)));
    }
    p.setBrush(QColor(255, 205, 50));
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
}

void DibujaPlanta(QPainter& p, QPointF base, double alto) {
    p.setPen(QPen(QColor(40, 120, 40), 2));
    p.drawLine(base, base - QPointF(0, alto));
    p.setBrush(QColor(70, 160, 60));
    for (int i = 1; i <= 3; ++i) {
        const QPointF nudo = base - QPointF(0, alto * i / 4);
        const double lado = (i % 2 ? -1 : 1) * alto * 0.28;
        QPainterPath hoja;
        hoja.moveTo(nudo);
        hoja.quadTo(nudo + QPointF(lado, -alto * 0.25), nudo + QPointF(lado * 1.2, 0));
        hoja.quadTo(nudo + QPointF(lado * 0.5, alto * 0.08), nudo);
        p.drawPath(hoja);
    }
    p.drawEllipse(base - QPointF(0, alto), alto * 0.1, alto * 0.1);
    p.setBrush(Qt::NoBrush);
}

void DibujaInvernaculo(QPainter& p) {
    DibujaSol(p, QPointF(262, 38), 16);
    // A two-slope greenhouse in perspective: front gable, side wall, roof.
    const QPointF a(40, 165), b(150, 165), c(150, 105), d(95, 65), e(40, 105);
    const QPointF fondo(110, -30);
    p.setPen(QPen(kEstructura, 2));
    p.setBrush(kCubierta);
    p.drawPolygon(QPolygonF({b, b + fondo, c + fondo, c}));
    p.drawPolygon(QPolygonF({c, c + fondo, d + fondo, d}));
    p.drawPolygon(QPolygonF({a, b, c, d, e}));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kEstructura, 1));
    for (int i = 1; i < 4; ++i) {
        const QPointF s = fondo * (i / 4.0);
        p.drawLine(b + s, c + s);
        p.drawLine(c + s, d + s);
    }
    p.drawRect(QRectF(80, 130, 30, 35));
    Suelo(p, 15, 285, 165);
}

void DibujaCultivo(QPainter& p) {
    const double suelo = 170;
    p.setPen(QPen(kEstructura, 2));
    p.setBrush(kCubierta);
    p.drawPath(Modulo(Techo::DosAguas, 20, 260, suelo, 90, 60));
    p.setBrush(Qt::NoBrush);
    // Roof window on the right slope, lifted on its upper hinge.
    const QPointF bisagra(165, 37);
    p.setPen(QPen(kEstructura, 3));
    p.drawLine(bisagra, bisagra + QPointF(34, -4));
    p.setPen(QPen(kEstructura, 1));
    p.drawLine(bisagra + QPointF(28, -3), bisagra + QPointF(30, 13));
    for (double x = 75; x <= 255; x += 30) DibujaPlanta(p, QPointF(x, suelo), 38 + std::fmod(x, 20));
    // Heater with warm air.
    p.setPen(QPen(QColor(120, 60, 30), 1.5));
    p.setBrush(QColor(200, 90, 40));
    p.drawRect(QRectF(28, 140, 16, 28));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(220, 80, 40), 1.5));
    for (int i = 0; i < 3; ++i) {
        QPainterPath ola;
        const double x = 30 + i * 6;
        ola.moveTo(x, 136);
        ola.cubicTo(x - 5, 128, x + 5, 122, x, 112);
        p.drawPath(ola);
    }
    Suelo(p, 10, 290, suelo);
}

}  // namespace

Dibujo::Dibujo(const QString& nombre, Tipo tipo, Techo techo, const QString& descripcion, QWidget* parent)
    : QWidget(parent), tipo_(tipo), techo_(techo) {
    setObjectName(nombre);
    setAccessibleName(descripcion);
    setToolTip(descripcion);
    setMinimumSize(150, 100);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize Dibujo::sizeHint() const { return {300, 200}; }

void Dibujo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double escala = std::min(width() / kAncho, height() / kAlto);
    p.translate((width() - kAncho * escala) / 2, (height() - kAlto * escala) / 2);
    p.scale(escala, escala);
    switch (tipo_) {
    case Tipo::Techo: DibujaTecho(p, techo_); break;
    case Tipo::Dimensiones: DibujaDimensiones(p, techo_); break;
    case Tipo::Invernaculo: DibujaInvernaculo(p); break;
    case Tipo::Cultivo: DibujaCultivo(p); break;
    }
}

}  // namespace hortelia
