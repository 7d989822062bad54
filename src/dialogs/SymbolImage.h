#pragma once

#include "Picture.h"

#include <QWidget>

// The symbol page's picture: the graphic drawn as large as fits, centred, keeping its
// proportions; without one, the caption "(None)" of the panel behind it shows.
class TSymbolImage : public QWidget {
    Q_OBJECT

public:
    explicit TSymbolImage(QWidget *parent = nullptr);

    const TPicture &Picture() const { return FPicture; }
    void SetPicture(const TPicture &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TPicture FPicture;
};
