#pragma once

#include <QWidget>
#include <functional>

namespace vitrano {

// Runs the action when the widget (a label or picture) is clicked with the left mouse button.
void OnClick(QWidget* widget, std::function<void()> action);

} // namespace vitrano
