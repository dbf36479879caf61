#include "windowsystem.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

class NoWindowSystem : public WindowSystem {
public:
    std::optional<QList<TopWindow>> topLevelWindows() override { return std::nullopt; }
};

/// Walks the X server's window tree: the root's children are the top-level windows in
/// stacking order, bottom first. Under a window manager they are frames, and the caption
/// lives on the client window inside (the one that carries WM_STATE).
class X11WindowSystem : public WindowSystem {
public:
    X11WindowSystem(xcb_connection_t* connection, xcb_window_t root) : m_connection(connection), m_root(root)
    {
        m_netWmName = atom("_NET_WM_NAME");
        m_utf8 = atom("UTF8_STRING");
        m_wmState = atom("WM_STATE");
    }
    ~X11WindowSystem() override { xcb_disconnect(m_connection); }

    std::optional<QList<TopWindow>> topLevelWindows() override
    {
        QList<TopWindow> result;
        QList<xcb_window_t> stack = children(m_root);
        std::reverse(stack.begin(), stack.end());
        for (xcb_window_t window : stack)
            result.append({caption(clientOf(window)), isViewable(window)});
        return result;
    }

private:
    xcb_atom_t atom(const char* name)
    {
        auto* reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return result;
    }

    QList<xcb_window_t> children(xcb_window_t window)
    {
        QList<xcb_window_t> result;
        auto* reply = xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, window), nullptr);
        if (!reply)
            return result;
        const xcb_window_t* list = xcb_query_tree_children(reply);
        for (int i = 0; i < xcb_query_tree_children_length(reply); ++i)
            result.append(list[i]);
        std::free(reply);
        return result;
    }

    bool hasProperty(xcb_window_t window, xcb_atom_t property)
    {
        auto* reply = xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, window, property, XCB_ATOM_ANY, 0, 0), nullptr);
        const bool found = reply && reply->type != XCB_ATOM_NONE;
        std::free(reply);
        return found;
    }

    xcb_window_t clientOf(xcb_window_t frame)
    {
        if (hasProperty(frame, m_wmState))
            return frame;
        for (xcb_window_t child : children(frame)) {
            if (hasProperty(child, m_wmState))
                return child;
            for (xcb_window_t grandchild : children(child))
                if (hasProperty(grandchild, m_wmState))
                    return grandchild;
        }
        return frame;
    }

    QString property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
    {
        auto* reply = xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, window, name, type, 0, 1024), nullptr);
        QString result;
        if (reply && reply->type != XCB_ATOM_NONE) {
            const auto* data = static_cast<const char*>(xcb_get_property_value(reply));
            const int length = xcb_get_property_value_length(reply);
            result = type == m_utf8 ? QString::fromUtf8(data, length) : QString::fromLatin1(data, length);
        }
        std::free(reply);
        return result;
    }

    QString caption(xcb_window_t window)
    {
        const QString utf8 = property(window, m_netWmName, m_utf8);
        return utf8.isEmpty() ? property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) : utf8;
    }

    bool isViewable(xcb_window_t window)
    {
        auto* reply = xcb_get_window_attributes_reply(
            m_connection, xcb_get_window_attributes(m_connection, window), nullptr);
        const bool viewable = reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(reply);
        return viewable;
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    xcb_atom_t m_netWmName = XCB_ATOM_NONE;
    xcb_atom_t m_utf8 = XCB_ATOM_NONE;
    xcb_atom_t m_wmState = XCB_ATOM_NONE;
};

} // namespace

std::unique_ptr<WindowSystem> createWindowSystem()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return std::make_unique<NoWindowSystem>();
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (!connection || xcb_connection_has_error(connection)) {
        if (connection)
            xcb_disconnect(connection);
        return std::make_unique<NoWindowSystem>();
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    return std::make_unique<X11WindowSystem>(connection, it.data->root);
}
