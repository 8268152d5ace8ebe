#include "ui/common/ClickHandler.h"

#include <QEvent>
#include <QMouseEvent>

namespace vitrano {

namespace {

class TClickFilter : public QObject {
public:
    TClickFilter(QWidget* widget, std::function<void()> action)
        : QObject(widget)
        , FAction(std::move(action)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const auto* widget = static_cast<QWidget*>(watched);
            if (mouse->button() == Qt::LeftButton &&
                widget->rect().contains(mouse->position().toPoint())) {
                FAction();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> FAction;
};

} // namespace

void OnClick(QWidget* widget, std::function<void()> action) {
    new TClickFilter(widget, std::move(action));
}

} // namespace vitrano
