#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel w("Hortelia");
    w.setWindowTitle("Hortelia");
    w.show();
    return app.exec();
}
