#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QString>

namespace vitrano {

// A sunken panel with a header band at its top that shows a title and can be clicked like a
// button. Child widgets go into Content(), below the header.
class TTitlePanel : public QFrame {
    Q_OBJECT
    // Named "title" so that form translation translates it like a caption.
    Q_PROPERTY(QString title READ Title WRITE SetTitle)
    Q_PROPERTY(QFont titleFont READ TitleFont WRITE SetTitleFont)
    Q_PROPERTY(QColor titleColor READ TitleColor WRITE SetTitleColor)
    Q_PROPERTY(int titleHeight READ TitleHeight WRITE SetTitleHeight)

public:
    static constexpr int MinTitleHeight = 16;

    explicit TTitlePanel(QWidget* parent = nullptr);

    QString Title() const;
    void SetTitle(const QString& title);
    QFont TitleFont() const;
    void SetTitleFont(const QFont& font);
    // The header's background.
    QColor TitleColor() const;
    void SetTitleColor(const QColor& color);
    int TitleHeight() const;
    // Heights below MinTitleHeight are raised to it.
    void SetTitleHeight(int height);

    QFrame* Header() const;
    // The area below the header; give it a layout for the panel's widgets.
    QWidget* Content() const { return FContent; }

Q_SIGNALS:
    // The mouse was pressed and released on the header.
    void TitleClick();

private:
    class THeader;

    THeader* FHeader = nullptr;
    QWidget* FContent = nullptr;
};

} // namespace vitrano
