#include "ui/common/TitlePanel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <utility>

namespace vitrano {

// The header band: a raised panel with the title in its middle that sinks while the mouse
// button is held on it.
class TTitlePanel::THeader : public QFrame {
public:
    THeader(QWidget* parent, std::function<void()> onClick)
        : QFrame(parent)
        , FOnClick(std::move(onClick)) {
        setObjectName(QStringLiteral("FHeader"));
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        setLineWidth(1);
        QFont font = QApplication::font();
        font.setBold(true);
        setFont(font);
        setForegroundRole(QPalette::WindowText);
        setFixedHeight(MinTitleHeight);
    }

    const QString& Text() const { return FText; }
    void SetText(const QString& text) {
        FText = text;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextSingleLine, FText);
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) {
            QFrame::mousePressEvent(event);
            return;
        }
        FPressed = true;
        setFrameShadow(QFrame::Sunken);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton || !FPressed) {
            QFrame::mouseReleaseEvent(event);
            return;
        }
        FPressed = false;
        setFrameShadow(QFrame::Raised);
        if (rect().contains(event->position().toPoint())) {
            FOnClick();
        }
    }

private:
    std::function<void()> FOnClick;
    QString FText;
    bool FPressed = false;
};

TTitlePanel::TTitlePanel(QWidget* parent)
    : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    FHeader = new THeader(this, [this] { Q_EMIT TitleClick(); });
    FHeader->SetText(QStringLiteral("Title"));
    FContent = new QWidget(this);
    auto* layout = new QVBoxLayout(this);
    const int frame = frameWidth();
    layout->setContentsMargins(frame, frame, frame, frame);
    layout->setSpacing(0);
    layout->addWidget(FHeader);
    layout->addWidget(FContent, 1);
}

QFrame* TTitlePanel::Header() const {
    return FHeader;
}

QString TTitlePanel::Title() const {
    return FHeader->Text();
}

void TTitlePanel::SetTitle(const QString& title) {
    FHeader->SetText(title);
}

QFont TTitlePanel::TitleFont() const {
    return FHeader->font();
}

void TTitlePanel::SetTitleFont(const QFont& font) {
    FHeader->setFont(font);
}

QColor TTitlePanel::TitleColor() const {
    return FHeader->palette().color(QPalette::Window);
}

void TTitlePanel::SetTitleColor(const QColor& color) {
    QPalette palette = FHeader->palette();
    palette.setColor(QPalette::Window, color);
    FHeader->setPalette(palette);
    FHeader->setAutoFillBackground(true);
}

int TTitlePanel::TitleHeight() const {
    return FHeader->minimumHeight();
}

void TTitlePanel::SetTitleHeight(int height) {
    FHeader->setFixedHeight(std::max(height, MinTitleHeight));
}

} // namespace vitrano
