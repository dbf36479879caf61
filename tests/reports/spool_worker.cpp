// Registers reports in a loop, as another program sharing the host database would.
#include "hostdatabase.h"
#include "spool.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    try {
        std::unique_ptr<HostDatabase> db =
            HostDatabase::open(QString::fromLocal8Bit(argv[1]), {30000, false});
        const int count = QString::fromLocal8Bit(argv[2]).toInt();
        for (int i = 0; i < count; ++i)
            RegistraSpool(*db, reportcode::Declaration, 6, QStringLiteral("20100123453"),
                          QStringLiteral("ADMIN"));
    } catch (const DbError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
    return 0;
}
