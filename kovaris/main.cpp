#include "configuration.h"
#include "hostutilities.h"
#include "integrator.h"
#include "kovariswindow.h"
#include "opendb.h"
#include "qtmessages.h"
#include "sendflow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

void print(const QString& text, FILE* stream = stdout)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
}

int usage()
{
    print(QStringLiteral("Uso: kovaris                 abre la ventana del integrador\n"
                         "     kovaris init CARPETA    prepara la carpeta del integrador y su base de datos\n"
                         "     kovaris enviar RUC PERIODO  envía una declaración grabada (PERIODO AAAAMM)\n"
                         "     kovaris detener         no deja que los módulos inicien acciones\n"
                         "     kovaris reanudar        vuelve a permitirlo"),
          stderr);
    return 2;
}

int init(const QString& folder)
{
    try {
        const integrator::InitResult result = integrator::initIntegrator(folder, kovaIniFolder());
        if (result.alreadyExisted)
            print(QStringLiteral("La carpeta %1 ya tenía una base de datos; se conservan sus datos.")
                      .arg(result.folder));
        else
            print(QStringLiteral("Integrador preparado en %1 (base de datos %2).")
                      .arg(result.folder, result.databasePath));
        print(QStringLiteral("Configuración: %1").arg(kovaIniPath()));
        return 0;
    } catch (const integrator::SetupError& e) {
        print(e.message(), stderr);
    } catch (const DbError& e) {
        print(errorBoxText(e), stderr);
    }
    return 1;
}

int send(const QString& ruc, const QString& periodo)
{
    Session session;
    std::unique_ptr<HostDatabase> db;
    try {
        LeeConfiguracion(session);
        db = AbreBaseDatos(session);
    } catch (const ConfigError& e) {
        print(e.message(), stderr);
        return 2;
    } catch (const DbError& e) {
        print(openErrorText(e), stderr);
        return 2;
    }
    const integrator::SendOutcome outcome = integrator::sendDeclaration(session, *db, {ruc, periodo});
    switch (outcome.result) {
    case integrator::SendOutcome::Sent:
        print(QStringLiteral("Enviada: control %1, correl %2").arg(outcome.control, outcome.correl));
        return 0;
    case integrator::SendOutcome::Inconsistent:
        print(outcome.message + QLatin1Char('\n') + outcome.reportText, stderr);
        return 1;
    case integrator::SendOutcome::Failed:
        break;
    }
    print(outcome.message, stderr);
    return 2;
}

int setStopped(bool stopped)
{
    Session session;
    try {
        LeeConfiguracion(session);
    } catch (const ConfigError& e) {
        print(e.message(), stderr);
        return 1;
    }
    const QString flag = HostUtilities::stopFlagPath(session.rutaSistema);
    if (stopped) {
        QFile file(flag);
        if (!file.open(QIODevice::WriteOnly)) {
            print(QStringLiteral("No se pudo crear ") + flag, stderr);
            return 1;
        }
    } else {
        QFile::remove(flag);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list.append(QString::fromLocal8Bit(argv[i]));
        return list;
    }();
    if (!args.isEmpty()) {
        QCoreApplication app(argc, argv);
        if (args.size() == 2 && args[0] == QLatin1String("init"))
            return init(args[1]);
        if (args.size() == 3 && args[0] == QLatin1String("enviar"))
            return send(args[1], args[2]);
        if (args.size() == 1 && args[0] == QLatin1String("detener"))
            return setStopped(true);
        if (args.size() == 1 && args[0] == QLatin1String("reanudar"))
            return setStopped(false);
        return usage();
    }

    QApplication app(argc, argv);
    QtMessages messages;
    KovarisWindow window(messages);
    window.show();
    return app.exec();
}
