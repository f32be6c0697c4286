// The Q4150 Programmer: edits, keeps, prints and transfers the set-up of a Q4000-30 unit.
#include "ui/CQ4150App.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    CQ4150App theApp;
    if (!theApp.InitInstance(QApplication::arguments().mid(1)))
        return 1;
    return app.exec();
}
