#include "app/Program.h"

#include <QApplication>

int runMiravela(int argc, char *argv[])
{
    QApplication application(argc, argv);
    return 0;
}
