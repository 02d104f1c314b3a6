// Draws the splash picture: the program's name over a soft sky with kanji numerals around it.
#include "startup/splashpicture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

QPixmap splashPicture(int width, int height) {
    QPixmap pm(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(0x8E, 0xC5, 0xFC));
    sky.setColorAt(1, QColor(0xE0, 0xF4, 0xFF));
    p.fillRect(pm.rect(), sky);

    // Scattered numerals in pale colours.
    const QString numerals = QStringLiteral("一二三四五六七八九十百千万億兆");
    QFont small(QStringLiteral("IPAGothic"));
    for (int i = 0; i < numerals.size(); ++i) {
        small.setPixelSize(28 + (i * 7) % 30);
        p.setFont(small);
        p.setPen(QColor(255, 255, 255, 150));
        const int x = (i * 173) % (width - 60) + 10;
        const int y = (i * 97) % (height - 60) + 50;
        p.drawText(x, y, numerals.mid(i, 1));
    }

    // A rounded panel with the title.
    const QRectF panel(width * 0.12, height * 0.28, width * 0.76, height * 0.44);
    p.setPen(QPen(QColor(0x30, 0x60, 0xA0), 4));
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRoundedRect(panel, 24, 24);
    QFont title(QStringLiteral("IPAGothic"));
    title.setPixelSize(height / 6);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0x20, 0x40, 0x80));
    p.drawText(panel.adjusted(0, panel.height() * 0.05, 0, -panel.height() * 0.4), Qt::AlignCenter,
               QStringLiteral("数読庵"));
    QFont sub(QStringLiteral("IPAGothic"));
    sub.setPixelSize(height / 20);
    p.setFont(sub);
    p.setPen(QColor(0x80, 0x50, 0x20));
    p.drawText(panel.adjusted(0, panel.height() * 0.66, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("十二兆三千四百五十六億…　よめるかな？"));
    return pm;
}
