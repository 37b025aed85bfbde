#include "app/shell/Appearance.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace {

struct Start {
    QString style;
    QPalette palette;
};

// What the desktop gave before the first change.
const Start& start() {
    static const Start first{QApplication::style()->name(), QApplication::palette()};
    return first;
}

} // namespace

void Appearance::apply(int mode) {
    const Start& desktop = start();
    if (mode != Light && mode != Dark) {
        if (QApplication::style()->name() != desktop.style)
            QApplication::setStyle(QStyleFactory::create(desktop.style));
        QApplication::setPalette(desktop.palette);
        return;
    }
    // Fusion draws with the palette alone, so both schemes look as meant
    // under any desktop.
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(mode == Dark ? darkPalette()
                                          : QApplication::style()->standardPalette());
}

QPalette Appearance::darkPalette() {
    const QColor window(0x2d, 0x2d, 0x30), base(0x1e, 0x1e, 0x1e), text(0xe8, 0xe8, 0xe8);
    const QColor disabled(0x80, 0x80, 0x80), highlight(0x3d, 0x7e, 0xd6);
    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Light, window.lighter(150));
    p.setColor(QPalette::Midlight, window.lighter(125));
    p.setColor(QPalette::Mid, window.lighter(110));
    p.setColor(QPalette::Dark, window.darker(150));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Link, highlight.lighter(130));
    p.setColor(QPalette::LinkVisited, highlight.lighter(110));
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}
