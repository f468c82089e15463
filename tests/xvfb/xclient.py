#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Small X11 requests the real-window tests need and xdotool lacks.
  xclient.py close WINDOW_ID   asks the window manager to close a window, as a
                               task bar does (_NET_CLOSE_WINDOW)
  xclient.py delete WINDOW_ID  sends a window the close a window manager sends
                               itself (WM_DELETE_WINDOW), as Weston's does from
                               a frame's close button
  xclient.py desktop RRGGBB    shows a desktop window of that colour under all
                               others, as a desktop session has, until killed;
                               named fretlore-test-desktop"""
import ctypes
import signal
import sys

c_ulong, c_long, c_int, c_void_p = ctypes.c_ulong, ctypes.c_long, ctypes.c_int, ctypes.c_void_p


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", c_int), ("serial", c_ulong), ("send_event", c_int), ("display", c_void_p),
                ("window", c_ulong), ("message_type", c_ulong), ("format", c_int), ("data", c_long * 5),
                ("pad", c_long * 12)]


x = ctypes.cdll.LoadLibrary("libX11.so.6")
for name, result, args in [
        ("XOpenDisplay", c_void_p, [ctypes.c_char_p]), ("XDefaultRootWindow", c_ulong, [c_void_p]),
        ("XDefaultScreen", c_int, [c_void_p]), ("XDisplayWidth", c_int, [c_void_p, c_int]),
        ("XDisplayHeight", c_int, [c_void_p, c_int]), ("XInternAtom", c_ulong, [c_void_p, ctypes.c_char_p, c_int]),
        ("XSendEvent", c_int, [c_void_p, c_ulong, c_int, c_long, c_void_p]),
        ("XCreateSimpleWindow", c_ulong, [c_void_p, c_ulong, c_int, c_int, ctypes.c_uint, ctypes.c_uint,
                                          ctypes.c_uint, c_ulong, c_ulong]),
        ("XChangeProperty", c_int, [c_void_p, c_ulong, c_ulong, c_ulong, c_int, c_int, c_void_p, c_int]),
        ("XMapWindow", c_int, [c_void_p, c_ulong]), ("XStoreName", c_int, [c_void_p, c_ulong, ctypes.c_char_p]), ("XFlush", c_int, [c_void_p]),
        ("XCloseDisplay", c_int, [c_void_p])]:
    getattr(x, name).restype = result
    getattr(x, name).argtypes = args

display = x.XOpenDisplay(None)
if not display:
    sys.exit("xclient: no display")
root = x.XDefaultRootWindow(display)
atom = lambda name: x.XInternAtom(display, name, 0)

if sys.argv[1] == "close":
    event = ClientMessage(type=33, send_event=1, display=display, window=int(sys.argv[2], 0),
                          message_type=atom(b"_NET_CLOSE_WINDOW"), format=32)
    event.data[1] = 2  # from a pager or task bar
    x.XSendEvent(display, root, 0, (1 << 19) | (1 << 20), ctypes.byref(event))  # substructure redirect, notify
    x.XFlush(display)
elif sys.argv[1] == "delete":
    window = int(sys.argv[2], 0)
    event = ClientMessage(type=33, send_event=1, display=display, window=window,
                          message_type=atom(b"WM_PROTOCOLS"), format=32)
    event.data[0] = atom(b"WM_DELETE_WINDOW")
    x.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x.XFlush(display)
elif sys.argv[1] == "desktop":
    screen = x.XDefaultScreen(display)
    window = x.XCreateSimpleWindow(display, root, 0, 0, x.XDisplayWidth(display, screen),
                                   x.XDisplayHeight(display, screen), 0, 0, int(sys.argv[2], 16))
    kind = c_ulong(atom(b"_NET_WM_WINDOW_TYPE_DESKTOP"))
    x.XChangeProperty(display, window, atom(b"_NET_WM_WINDOW_TYPE"), 4, 32, 0, ctypes.byref(kind), 1)  # XA_ATOM
    x.XStoreName(display, window, b"fretlore-test-desktop")
    x.XMapWindow(display, window)
    x.XFlush(display)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    signal.pause()
x.XCloseDisplay(display)
