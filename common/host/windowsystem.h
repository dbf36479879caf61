#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <optional>

/// One top-level window of the desktop as the start-up check sees it.
struct TopWindow {
    QString caption;
    bool visible = false;
};

/// Lists the desktop's top-level windows, topmost first.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    /// nullopt when there is no window list at all (no display server).
    virtual std::optional<QList<TopWindow>> topLevelWindows() = 0;
};

/// True when a visible top-level window captioned exactly `title` exists (case and trailing
/// blanks count); hidden windows are skipped whatever their caption.
bool CorreApp(const QList<TopWindow>& windows, const QString& title);

/// For tests: a fixed list of windows, or none at all.
class FakeWindowSystem : public WindowSystem {
public:
    std::optional<QList<TopWindow>> windows = QList<TopWindow>{};
    std::optional<QList<TopWindow>> topLevelWindows() override { return windows; }
};

/// True when a display server is there (DISPLAY or WAYLAND_DISPLAY set).
bool hasDisplay();

/// The desktop's window list through X11, or a list that answers "no display" when there is
/// no X server to ask.
std::unique_ptr<WindowSystem> createWindowSystem();
