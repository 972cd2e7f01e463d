#pragma once

class QVBoxLayout;
class QWidget;

namespace quelvan::ui {

// Adds to a window's layout an area named "figures" that scrolls, and gives the layout of what
// it holds. A study window's figures scroll so that, on a small screen, it opens beside the form
// smaller than its figures rather than over the form's read-outs; what the window's layout gets
// after it (the buttons) stays in view.
QVBoxLayout& AddScrolledFigures(QVBoxLayout& windowLayout, QWidget& window);

} // namespace quelvan::ui
