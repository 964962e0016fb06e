#include <QApplication>

#include "app/stelux_unit_main.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TForm_Main fenster;
    fenster.show();
    return app.exec();
}
