// Build-time tool: draws the program's SVG icon as a square PNG of one size.
//
//   hortelia-icono ICONO.svg SALIDA.png LADO
//
// Exit status: 0 written, 1 unreadable SVG or unwritable PNG, 2 wrong usage.

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool ok = false;
    const int lado = args.size() == 4 ? args[3].toInt(&ok) : 0;
    if (!ok || lado < 1 || lado > 4096) {
        std::fprintf(stderr, "uso: hortelia-icono ICONO.svg SALIDA.png LADO\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "hortelia-icono: no se puede leer %s\n", qPrintable(args[1]));
        return 1;
    }
    QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    {
        QPainter pintor(&imagen);
        pintor.setRenderHint(QPainter::Antialiasing);
        svg.setAspectRatioMode(Qt::KeepAspectRatio);
        svg.render(&pintor, QRectF(0, 0, lado, lado));
    }
    if (!imagen.convertToFormat(QImage::Format_ARGB32).save(args[2], "PNG")) {
        std::fprintf(stderr, "hortelia-icono: no se puede escribir %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
