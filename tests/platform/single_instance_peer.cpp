// Takes the single-instance lock in the folder given as argument 1; prints "primary" and holds
// it until stdin closes, or prints "refused" and exits with status 1.
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    TSingleInstance instance(QStringLiteral("orvanta"), QString::fromLocal8Bit(argv[1]));
    if (!instance.Acquire()) {
        std::puts("refused");
        return 1;
    }
    std::puts("primary");
    std::fflush(stdout);
    QFile in;
    if (in.open(stdin, QIODevice::ReadOnly))
        in.readAll();
    return 0;
}
