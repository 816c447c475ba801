#pragma once

#include "front/HostContext.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QWidget;

namespace kelvo::front {

// The three window colours of the host context, as OLE colours 0x00BBGGRR.
struct WindowColours {
    quint32 light = kDefaultFormLightColor; // window background
    quint32 mid = kDefaultFormMidColor;     // buttons and frames
    quint32 dork = kDefaultFormDorkColor;   // shadows and the selection
};

WindowColours ColoursOf(const HostContext& context);

// An OLE colour 0x00BBGGRR as a QColor (the high byte is ignored).
QColor OleColor(quint32 ole);
// A QColor as an OLE colour 0x00BBGGRR.
quint32 ToOleColor(const QColor& colour);

// The font family for Persian text: the first installed of "Nazli", "Homa"
// (the farsiweb fonts), else "DejaVu Sans".
QString PersianFontFamily();
QFont PersianFont();

// A palette with the window colours: Window = light, Button and Mid = mid,
// Dark, Shadow and Highlight = dork. Text boxes keep the base colour.
QPalette WindowPalette(const WindowColours& colours, QPalette base);

// Makes a window look like every window of the system: right to left, the
// Persian font and the window colours. Children inherit all three.
void StyleWindow(QWidget& window, const WindowColours& colours);

} // namespace kelvo::front
