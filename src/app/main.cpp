#include "app/programapp.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("htprog"));
    QApplication::setApplicationDisplayName(QStringLiteral("Program"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/htprog.svg")));
    QApplication::setDesktopFileName(QStringLiteral("htprog"));

    CProgramApp program;
    if (!program.initInstance(QApplication::arguments().mid(1)))
        return 1;
    return app.exec();
}
