#pragma once

#include <QEvent>

namespace venkar {

// The numbered messages the program's windows exchange, as Qt events whose
// type is the message number; the two arguments ride along.
namespace windowmessages {
// From the number field to its parent: the text was changed by the user.
inline constexpr int numberChanged = 1025;
// A grid re-lays out its columns (posted to itself on resize).
inline constexpr int gridLayout = 3024;
// To a grid: delete the current row without asking.
inline constexpr int deleteRow = 3025;
// To a grid (wParam data row, lParam grid column): move the cursor there.
// Posted to every child window with wParam 0 (model changed) or 1 (only the
// plot settings changed).
inline constexpr int modelChanged = 3027;
inline constexpr int moveCursor = 3027;
} // namespace windowmessages

class WindowMessage : public QEvent {
public:
    explicit WindowMessage(int number, long long wParam = 0, long long lParam = 0)
        : QEvent(static_cast<QEvent::Type>(number)), wParam_(wParam), lParam_(lParam) {}
    int number() const { return static_cast<int>(type()); }
    long long wParam() const { return wParam_; }
    long long lParam() const { return lParam_; }

private:
    long long wParam_;
    long long lParam_;
};

} // namespace venkar
