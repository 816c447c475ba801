#include "front/ui/AppStyle.h"

#include "front/HostContext.h"

#include <QApplication>
#include <QFontDatabase>
#include <QWidget>

namespace kelvo::front {

WindowColours ColoursOf(const HostContext& context)
{
    return {context.FormLightColorValue, context.FormMidColorValue, context.FormDorkColorValue};
}

QColor OleColor(quint32 ole)
{
    return QColor(int(ole & 0xFF), int((ole >> 8) & 0xFF), int((ole >> 16) & 0xFF));
}

quint32 ToOleColor(const QColor& c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

QString PersianFontFamily()
{
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"Nazli", "Homa"})
        if (installed.contains(QLatin1String(family), Qt::CaseInsensitive))
            return QLatin1String(family);
    return QStringLiteral("DejaVu Sans");
}

QFont PersianFont()
{
    QFont font(PersianFontFamily());
    font.setPointSize(10);
    return font;
}

QPalette WindowPalette(const WindowColours& colours, QPalette palette)
{
    const QColor light = OleColor(colours.light);
    const QColor mid = OleColor(colours.mid);
    const QColor dork = OleColor(colours.dork);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, light);
        palette.setColor(group, QPalette::Button, mid);
        palette.setColor(group, QPalette::Mid, mid);
        palette.setColor(group, QPalette::Midlight, light.lighter(110));
        palette.setColor(group, QPalette::Dark, dork);
        palette.setColor(group, QPalette::Shadow, dork.darker(150));
        palette.setColor(group, QPalette::Highlight, dork);
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, light);
    palette.setColor(QPalette::Disabled, QPalette::Button, mid);
    return palette;
}

void StyleWindow(QWidget& window, const WindowColours& colours)
{
    window.setLayoutDirection(Qt::RightToLeft);
    window.setFont(PersianFont());
    window.setPalette(WindowPalette(colours, QApplication::palette(&window)));
    window.setAutoFillBackground(true);
}

} // namespace kelvo::front
