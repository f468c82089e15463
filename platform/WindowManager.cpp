// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowManager.h"

#include "platform/X11Connection.h"

#include <cstdlib>
#include <memory>
#include <string_view>

namespace fretlore {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t Atom(xcb_connection_t* connection, std::string_view name)
{
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.data()), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The root's property `name` as a list of 32-bit values, or nothing.
Reply<xcb_get_property_reply_t> RootList(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t name,
                                         xcb_atom_t type)
{
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, root, name, type, 0, 1024), nullptr));
    if (reply && reply->format == 32 && reply->type == type)
        return reply;
    return nullptr;
}

} // namespace

bool WindowManagerKeepsAbove()
{
    xcb_connection_t* connection = X11Connection();
    if (!connection)
        return true;
    const xcb_window_t root = X11Root(connection);
    if (!RootList(connection, root, Atom(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW))
        return true;  // no window manager that says what it does
    const auto supported = RootList(connection, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (!supported)
        return false;
    const xcb_atom_t above = Atom(connection, "_NET_WM_STATE_ABOVE");
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
    const int count = xcb_get_property_value_length(supported.get()) / int(sizeof(xcb_atom_t));
    for (int i = 0; i < count; ++i)
        if (atoms[i] == above)
            return true;
    return false;
}

} // namespace fretlore
