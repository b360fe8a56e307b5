#include <QCoreApplication>
#include <QFile>

#include "calc/calc_command.h"

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QFile out, err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return RunCalc(args, out, err);
}
