#include "AboutBox.h"

#include "DialogStrings.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QResource>
#include <QScreen>
#include <QVBoxLayout>
#include <QtEndian>

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(DialogStrings::AboutCaption);
    setFixedSize(425, 265);

    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setFixedSize(56, 56);
    ProgramIcon->setPixmap(ProgramIconImage({56, 112}).pixmap(QSize(56, 56)));
    // The picture only repeats the name beside it.
    ProgramIcon->setAccessibleName(DialogStrings::ProgramName);

    ProductLabel = new QLabel(DialogStrings::ProgramName, Panel1);
    QFont large = ProductLabel->font();
    large.setPixelSize(28);
    large.setBold(true);
    ProductLabel->setFont(large);
    ProducName = new QLabel(DialogStrings::ProductName, Panel1);
    QFont product = ProducName->font();
    product.setPixelSize(15);
    ProducName->setFont(product);
    Version = new QLabel(DialogStrings::VersionDesign, Panel1);
    Version->setObjectName(QStringLiteral("Version"));

    auto *titleColumn = new QVBoxLayout;
    titleColumn->setSpacing(2);
    titleColumn->addWidget(ProductLabel);
    titleColumn->addWidget(ProducName);
    titleColumn->addWidget(Version);
    auto *head = new QHBoxLayout;
    head->setSpacing(14);
    head->addWidget(ProgramIcon, 0, Qt::AlignTop);
    head->addLayout(titleColumn, 1);

    auto *panelColumn = new QVBoxLayout(Panel1);
    panelColumn->setContentsMargins(14, 12, 14, 12);
    panelColumn->addLayout(head);
    panelColumn->addSpacing(10);
    for (int i = 0; i < 4; ++i) {
        Credits[i] = new QLabel(DialogStrings::Credits[i], Panel1);
        Credits[i]->setWordWrap(true);
        panelColumn->addWidget(Credits[i]);
    }
    panelColumn->addStretch(1);

    OKButton = new QPushButton(DialogStrings::PlainOk, this);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *column = new QVBoxLayout(this);
    column->addWidget(Panel1, 1);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(OKButton);
    row->addStretch(1);
    column->addLayout(row);
}

QIcon TAboutBox::ProgramIconImage(std::initializer_list<int> sizes) {
    QIcon icon;
    for (const int size : sizes) {
        const QResource pixels(QStringLiteral(":/icon/orvanta-%1.argb").arg(size));
        const QByteArray bytes = pixels.uncompressedData();
        if (bytes.size() != qsizetype(size) * size * 4)
            continue;
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < size; ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < size; ++x)
                row[x] =
                    qFromLittleEndian<quint32>(bytes.constData() + (qsizetype(y) * size + x) * 4);
        }
        icon.addPixmap(QPixmap::fromImage(std::move(image)));
    }
    return icon;
}

void TAboutBox::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    FormActivate();
    // Centred on the screen, not on the main window.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TAboutBox::FormActivate() {
    Version->setText(DialogStrings::VersionPrefix + QStringLiteral(" (") +
                     DialogStrings::VersionUpdate + QStringLiteral(")"));
}
