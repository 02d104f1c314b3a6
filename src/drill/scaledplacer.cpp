// Scaled placement of controls and the clickable label.
#include "drill/scaledplacer.h"

#include <QMouseEvent>
#include <algorithm>
#include <cmath>

void ScaledPlacer::place(QWidget* w, const QRect& design, double fontPoints, bool bold) {
    items_.insert(w, Item{design, fontPoints, bold});
    applyOne(w, items_.value(w));
}

void ScaledPlacer::setRect(QWidget* w, const QRect& design) {
    items_[w].design = design;
    applyOne(w, items_.value(w));
}

void ScaledPlacer::setFontPoints(QWidget* w, double fontPoints) {
    items_[w].fontPoints = fontPoints;
    applyOne(w, items_.value(w));
}

void ScaledPlacer::apply() {
    const double sx = static_cast<double>(screen_->width()) / kDesignWidth;
    const double sy = static_cast<double>(screen_->height()) / kDesignHeight;
    scale_ = std::max(0.25, std::min(sx, sy));
    origin_ = QPoint(static_cast<int>((screen_->width() - kDesignWidth * scale_) / 2),
                     static_cast<int>((screen_->height() - kDesignHeight * scale_) / 2));
    for (auto it = items_.cbegin(); it != items_.cend(); ++it)
        applyOne(it.key(), it.value());
}

void ScaledPlacer::applyOne(QWidget* w, const Item& item) {
    auto s = [this](int v) { return static_cast<int>(std::lround(v * scale_)); };
    QPoint offset = w->parentWidget() == screen_ ? origin_ : QPoint();
    // Edges are scaled rather than sizes, so neighbouring cells stay joined.
    const int left = s(item.design.left()) + offset.x();
    const int top = s(item.design.top()) + offset.y();
    const int right = s(item.design.left() + item.design.width()) + offset.x();
    const int bottom = s(item.design.top() + item.design.height()) + offset.y();
    w->setGeometry(left, top, std::max(0, right - left), std::max(0, bottom - top));
    if (item.fontPoints > 0) {
        QFont f = drillFont();
        // Points of the design are taken at 96 dots per inch, so the screen looks the same on
        // every display density.
        f.setPixelSize(
            std::max(1, static_cast<int>(std::lround(item.fontPoints * 4.0 / 3.0 * scale_))));
        f.setBold(item.bold);
        w->setFont(f);
    }
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(event);
}

QFont drillFont() {
    QFont f(QStringLiteral("IPAGothic"));
    f.setStyleHint(QFont::Monospace);
    return f;
}
