#pragma once

class QMessageBox;
class QWidget;

namespace venkar {

// The window a message box of the program belongs to: the modal dialog in
// use, else the top-level window of `preferred` when there is one, else the
// active window. Null only while no window of the program is active.
QWidget* messageOwner(QWidget* preferred);

// Runs `box` modally and brings it to the front and into the keyboard focus
// as soon as it shows, so that no other window of the program (the status
// window, a dialog) covers it. Returns what QDialog::exec returns.
int execInFront(QMessageBox& box);

} // namespace venkar
