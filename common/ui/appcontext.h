#pragma once

class HostDatabase;
class HostUtilities;
class Messages;
class WindowOpener;
struct Session;

/// What every window of declform is given: the process-wide values, the open host database,
/// the message boxes, the integrator's utility object and the modal opener.
struct AppContext {
    Session& session;
    HostDatabase& db;
    Messages& messages;
    HostUtilities& host;
    WindowOpener& opener;
};
