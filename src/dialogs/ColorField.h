#pragma once

#include <QAbstractButton>
#include <cstdint>

// A colour field of a settings dialog, showing one colour in the stored layout (0x00BBGGRR,
// system colours 0xFF0000nn, none, default). The owner opens the colour dialog on ColorRequested;
// what asks for it is the field's trigger:
// - Click: a button with the colour inside; a click or Space asks.
// - DoubleClick: a sunken field; a double click, or Space or Enter with the focus, asks.
// Both paint a colour the same way: a system colour from the palette, the default as the
// palette's button face, none as nothing. A screen reader reads the colour as the field's
// description (#rrggbb), after its accessible name.
class TColorField : public QAbstractButton {
    Q_OBJECT

public:
    enum class TTrigger { Click, DoubleClick };

    TColorField(TTrigger trigger, const QString &accessibleName, QWidget *parent = nullptr);

    TTrigger Trigger() const { return FTrigger; }
    // A system colour stays what it is until another colour is chosen.
    std::uint32_t Color() const { return FColor; }
    void SetColor(std::uint32_t color);
    // The colour as painted; invalid for none.
    QColor Shown() const;

    QSize sizeHint() const override;

signals:
    void ColorRequested(TColorField *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void Describe();

    TTrigger FTrigger;
    std::uint32_t FColor = 0xFFFFFF;
};
