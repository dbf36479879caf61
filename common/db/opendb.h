#pragma once

#include "hostdatabase.h"
#include "session.h"

#include <memory>

/// Opens the host database named by the session (AbreBaseDatos) and records the workgroup file
/// in KV000.INI once it is open. Throws DbError; the caller shows openErrorText() and ends.
std::unique_ptr<HostDatabase> AbreBaseDatos(const Session& session,
                                            const HostDatabase::Options& options = HostDatabase::Options{});
