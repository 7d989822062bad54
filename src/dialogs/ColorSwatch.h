#pragma once

#include <QFrame>
#include <cstdint>

// A sunken field showing one of a key's colours (stored layout 0x00BBGGRR, system colours
// 0xFF0000nn). A double click, or Space or Enter while it has the focus, asks for a new colour.
class TColorSwatch : public QFrame {
    Q_OBJECT

public:
    explicit TColorSwatch(const QString &accessibleName, QWidget *parent = nullptr);

    std::uint32_t Color() const { return FColor; }
    void SetColor(std::uint32_t color);

signals:
    void DoubleClicked(TColorSwatch *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::uint32_t FColor = 0xFFFFFF;
};
