#include "ui/sheet_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "ui/point_sizes.h"
#include "ui/units.h"

namespace cinq::ui {

namespace {

// Frame sizes in twips: top and bottom span the width, left and right the height between them.
constexpr int kTopFrame = 680;
constexpr int kRightFrame = 1400;
constexpr int kBottomFrame = 430;
constexpr int kLeftFrame = 680;

// How long the size sequence of a new computer point lasts on screen.
constexpr int kAnimationMs = 330;
constexpr int kFrameMs = 16;

QRectF boxAt(int i, const Box& box, int width, int height) {
    return {static_cast<double>(targetLeft(i) + box.left),
            static_cast<double>(targetTop(i) + box.top), static_cast<double>(width),
            static_cast<double>(height)};
}

// A pen `width` device-independent pixels wide whatever the painter's scale. A cosmetic pen is
// drawn in device pixels, so on a screen of pixel ratio 2 the width is doubled.
QPen cosmeticPen(const QPainter& painter, const QColor& colour, int width) {
    QPen pen(colour, width * painter.device()->devicePixelRatioF());
    pen.setCosmetic(true);
    return pen;
}

Key keyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left: return Key::Left;
        case Qt::Key_Right: return Key::Right;
        case Qt::Key_Up: return Key::Up;
        case Qt::Key_Down: return Key::Down;
        case Qt::Key_Return:
        case Qt::Key_Enter: return Key::Enter;
        default: return Key::Other;
    }
}

}  // namespace

SheetView::SheetView(Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setObjectName("feuille");
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    animationTimer_.setInterval(kFrameMs);
    connect(&animationTimer_, &QTimer::timeout, this, [this] {
        if (animationClock_.elapsed() >= kAnimationMs) {
            animationTimer_.stop();
            animatedCell_ = -1;
        }
        update();
    });
}

void SheetView::dockFrames(const std::array<QWidget*, 4>& frames) {
    frames_ = frames;
    for (QWidget* frame : frames_) {
        frame->setParent(this);
        frame->show();
    }
    resizeEvent(nullptr);
}

void SheetView::resizeEvent(QResizeEvent* event) {
    if (frames_[0] == nullptr) {
        return;
    }
    const int w = width();
    const int h = height();
    const int top = px(kTopFrame);
    const int bottom = px(kBottomFrame);
    frames_[0]->setGeometry(0, 0, w, top);
    frames_[1]->setGeometry(w - px(kRightFrame), top, px(kRightFrame), h - top - bottom);
    frames_[2]->setGeometry(0, h - bottom, w, bottom);
    frames_[3]->setGeometry(0, top, px(kLeftFrame), h - top - bottom);
    if (event != nullptr) {
        emit resized();
    }
}

void SheetView::animateComputerPoint(int cell) {
    animatedCell_ = cell;
    animationClock_.start();
    animationTimer_.start();
    update();
}

int SheetView::animatedSize(int cell) const {
    const int last = static_cast<int>(kComputerPointSizes.size()) - 1;
    if (cell != animatedCell_ || !animationTimer_.isActive()) {
        return kComputerPointSizes[static_cast<std::size_t>(last)];
    }
    const auto step = static_cast<int>(animationClock_.elapsed() * last / kAnimationMs);
    return kComputerPointSizes[static_cast<std::size_t>(std::min(step, last))];
}

void SheetView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), kWindowGrey);
    painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);

    // What the game drew lies under the grid lines and the points.
    for (const Shape& shape : game_.state().drawing) {
        painter.setPen(cosmeticPen(painter, paletteColour(shape.colour), 2));
        painter.setBrush(Qt::NoBrush);
        if (shape.kind == Shape::Kind::Line) {
            painter.drawLine(shape.x1, shape.y1, shape.x2, shape.y2);
        } else {
            painter.drawRect(QRectF(QPointF(shape.x1, shape.y1), QPointF(shape.x2, shape.y2)));
        }
    }

    painter.setPen(cosmeticPen(painter, Qt::black, 1));
    for (int k = 0; k < kVerticalLines; ++k) {
        painter.drawLine(kPitch * k, 0, kPitch * k, kGridLineLength);
    }
    for (int k = 0; k < kHorizontalLines; ++k) {
        painter.drawLine(0, kPitch * k, kGridLineLength, kPitch * k);
    }

    painter.setRenderHint(QPainter::Antialiasing);
    const Board& board = game_.board();
    for (int i = kFirstGridSlot; i < kSlotCount; ++i) {
        const Slot& slot = board.at(i);
        if (slot.hasPoint) {
            const int size = slot.colour == PointColour::Red ? animatedSize(i) : kPointDisc.width;
            painter.setBrush(pointColour(slot.colour));
            painter.drawEllipse(boxAt(i, kPointDisc, size, size));
        }
    }
    if (const int hover = hoverIndex(); hover >= 0) {
        painter.setBrush(kYellow);
        painter.drawEllipse(
            boxAt(hover, kHoverIndicator, kHoverIndicator.width, kHoverIndicator.height));
    }
    painter.setBrush(Qt::NoBrush);
    const int sight = game_.state().sightIndex;
    painter.drawEllipse(boxAt(sight, kSight, kSight.width, kSight.height));
}

int SheetView::slotAtPixel(QPointF position) const {
    const int x = static_cast<int>(std::floor(position.x() * kTwipsPerPixel));
    const int y = static_cast<int>(std::floor(position.y() * kTwipsPerPixel));
    return slotAt(x, y);
}

// A click is a press and a release on the same intersection's target; it plays on the release.
void SheetView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = slotAtPixel(event->position());
    }
}

void SheetView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int i = pressed_;
    pressed_ = -1;
    if (i >= 0 && slotAtPixel(event->position()) == i) {
        game_.click(i);
        emit modelChanged();
    }
}

// A double-click is one click: its first press and release have played, so the second press
// plays nothing when it is released.
void SheetView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = -1;
    }
}

void SheetView::mouseMoveEvent(QMouseEvent* event) {
    // Only the targets of playable intersections take mouse moves.
    const int i = slotAtPixel(event->position());
    const int hover = hoverIndex();
    if (i >= 0 && i != hover && game_.board().isPlayable(i)) {
        // Only the disc's old and new places are repainted.
        const auto discArea = [](int cell) {
            const QRectF twips =
                boxAt(cell, kHoverIndicator, kHoverIndicator.width, kHoverIndicator.height);
            return QRectF(twips.topLeft() / kTwipsPerPixel, twips.size() / kTwipsPerPixel)
                .toAlignedRect()
                .adjusted(-2, -2, 2, 2);
        };
        if (hover >= 0) {
            update(discArea(hover));
        }
        game_.mouseOver(i);
        update(discArea(i));
    }
}

void SheetView::keyPressEvent(QKeyEvent* event) {
    game_.keyDown(keyOf(event->key()));
    emit modelChanged();
}

}  // namespace cinq::ui
