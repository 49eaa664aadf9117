// Kartogram: junction flow diagrams for traffic engineers.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel okno(QString::fromUtf8("Kartogram"));
    okno.setWindowTitle(QString::fromUtf8("Kartogram"));
    okno.resize(640, 400);
    okno.show();
    return app.exec();
}
