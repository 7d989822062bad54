#pragma once

#include <QPushButton>
#include <cstdint>

// A colour field of a settings dialog: a button filled with its colour. Clicking it (or Space)
// is the cue to choose another; the owner opens the colour dialog.
class TColorPanel : public QPushButton {
    Q_OBJECT

public:
    explicit TColorPanel(QWidget *parent = nullptr);

    // The colour in the stored layout (0x00BBGGRR or a system colour); a system colour stays
    // what it is until another colour is chosen.
    std::uint32_t Color() const { return FColor; }
    void SetColor(std::uint32_t color);

    QSize sizeHint() const override { return QSize(60, 22); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::uint32_t FColor = 0;
};
