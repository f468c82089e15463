// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace fretlore {

namespace {

// The palette colour that stands for a system colour index.
QColor systemColor(int index)
{
    const QPalette pal = qGuiApp ? QGuiApplication::palette() : QPalette(QColor(0xF0, 0xF0, 0xF0));
    switch (index) {
    case 0:  // scroll bar
    case 10: // active border
    case 11: // inactive border
    case 15: // button face
        return pal.color(QPalette::Button);
    case 1:  // desktop
    case 4:  // menu
    case 30: // menu bar
        return pal.color(QPalette::Window);
    case 2:  // active caption
    case 13: // highlight
    case 27: // active caption gradient
    case 29: // menu highlight
        return pal.color(QPalette::Highlight);
    case 3:  // inactive caption
    case 28: // inactive caption gradient
    case 12: // application workspace
        return pal.color(QPalette::Mid);
    case 5: // window
        return pal.color(QPalette::Base);
    case 6:  // window frame
    case 21: // 3-D dark shadow
        return pal.color(QPalette::Shadow);
    case 7:  // menu text
    case 19: // inactive caption text
        return pal.color(QPalette::WindowText);
    case 8: // window text
        return pal.color(QPalette::Text);
    case 9:  // caption text
    case 14: // highlight text
        return pal.color(QPalette::HighlightedText);
    case 16: // button shadow
        return pal.color(QPalette::Dark);
    case 17: // grey text
        return pal.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return pal.color(QPalette::ButtonText);
    case 20: // button highlight
        return pal.color(QPalette::Light);
    case 22: // 3-D light
        return pal.color(QPalette::Midlight);
    case 23: // tool tip text
        return pal.color(QPalette::ToolTipText);
    case 24: // tool tip background
        return pal.color(QPalette::ToolTipBase);
    case 26: // hot-tracked item
        return pal.color(QPalette::Link);
    default:
        return QColor(Qt::black);
    }
}

} // namespace

TColor::TColor(const QColor& c) : TColor(RgbColor(c.red(), c.green(), c.blue())) {}

TColor ResolveColor(TColor c)
{
    if (c.IsSystemColor())
        return systemColor(int(c.Value() & 0xFF));
    return c.Value() & 0xFFFFFF;
}

QColor ToQColor(TColor c)
{
    const TColor rgb = ResolveColor(c);
    return QColor(rgb.Red(), rgb.Green(), rgb.Blue());
}

} // namespace fretlore
