#include "app/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace venkar {

namespace {

// The border the window manager adds around `window`: measured once the
// window has been shown, before that the style's title bar and frame.
QMargins frameMarginsOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    if (window.testAttribute(Qt::WA_WState_Created) && frame != inner)
        return {inner.left() - frame.left(), inner.top() - frame.top(),
                frame.right() - inner.right(), frame.bottom() - inner.bottom()};
    const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return {border, title + border, border, border};
}

} // namespace

QRect placeWithin(const QSize& wanted, const QPoint& centre, const QRect& available) {
    const QSize size = wanted.boundedTo(available.size());
    QRect placed(QPoint(0, 0), size);
    placed.moveCenter(centre);
    // Pushed back from the right and bottom edges first, so that a window
    // taller or wider than the area keeps its top left corner visible.
    placed.moveRight(std::min(placed.right(), available.right()));
    placed.moveBottom(std::min(placed.bottom(), available.bottom()));
    placed.moveLeft(std::max(placed.left(), available.left()));
    placed.moveTop(std::max(placed.top(), available.top()));
    return placed;
}

void placeOnScreenAt(QWidget& window, const QPoint& centre) {
    QScreen* screen = QGuiApplication::screenAt(centre);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QMargins frame = frameMarginsOf(window);
    const QSize wanted = window.size().grownBy(frame);
    const QRect outer = placeWithin(wanted, centre, screen->availableGeometry());
    const QRect inner = outer.marginsRemoved(frame);
    window.setScreen(screen);
    window.resize(inner.size().expandedTo(window.minimumSize()));
    window.move(outer.topLeft());
}

void placeOnScreenOf(QWidget& window, const QWidget& other) {
    const QWidget* top = other.window();
    placeOnScreenAt(window, top->frameGeometry().center());
}

} // namespace venkar
