#include "shell/MainModule.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return tessaro::MainModule::run(app.arguments());
}
