// Screen helpers: controls placed on a 1024 × 768 design that scales with the window, and a
// label that reports clicks (the drill's cells, mode labels and "クリア" are clickable labels).
#pragma once
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QRect>
#include <QWidget>

// Places controls at design coordinates (relative to their parent) and scales positions, sizes
// and type sizes by the window's size against the 1024 × 768 design; the design area is kept
// centred in the window.
class ScaledPlacer {
public:
    static constexpr int kDesignWidth = 1024;
    static constexpr int kDesignHeight = 768;

    explicit ScaledPlacer(QWidget* screen) : screen_(screen) {}
    // fontPoints 0 leaves the control's type size alone.
    void place(QWidget* w, const QRect& design, double fontPoints = 0, bool bold = false);
    void setRect(QWidget* w, const QRect& design);
    void setFontPoints(QWidget* w, double fontPoints);
    QRect designRect(QWidget* w) const { return items_.value(w).design; }
    double fontPoints(QWidget* w) const { return items_.value(w).fontPoints; }
    double scale() const { return scale_; }
    // Lays everything out for the screen's current size.
    void apply();

private:
    struct Item {
        QRect design;
        double fontPoints = 0;
        bool bold = false;
    };
    void applyOne(QWidget* w, const Item& item);

    QWidget* screen_;
    QHash<QWidget*, Item> items_;
    double scale_ = 1.0;
    QPoint origin_;
};

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) {}
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr) : QLabel(text, parent) {}

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The program's fixed-pitch Japanese face.
QFont drillFont();
