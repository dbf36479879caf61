#include "opendb.h"

#include "configuration.h"

std::unique_ptr<HostDatabase> AbreBaseDatos(const Session& session, const HostDatabase::Options& options)
{
    std::unique_ptr<HostDatabase> db = HostDatabase::open(session.rutaBaseDatos, options);
    writeSystemDb(session);
    return db;
}
