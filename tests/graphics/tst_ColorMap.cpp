#include "ColorMap.h"
#include "Edge3D.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

// Every role a distinct colour, so a test sees which role a stored colour went to.
QPalette DistinctPalette() {
    QPalette p;
    int n = 1;
    for (QPalette::ColorRole role :
         {QPalette::Button, QPalette::Window, QPalette::Dark, QPalette::Mid, QPalette::Light,
          QPalette::Shadow, QPalette::Midlight, QPalette::Base, QPalette::Text,
          QPalette::WindowText, QPalette::Highlight, QPalette::HighlightedText,
          QPalette::ToolTipBase, QPalette::ToolTipText, QPalette::ButtonText, QPalette::Link}) {
        p.setColor(QPalette::Active, role, QColor(n * 13, 255 - n * 11, n * 7));
        p.setColor(QPalette::Inactive, role, QColor(n * 13, 255 - n * 11, n * 7));
        ++n;
    }
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(1, 2, 3));
    return p;
}

} // namespace

class TestColorMap : public QObject {
    Q_OBJECT

private slots:
    void systemColours_data() {
        QTest::addColumn<uint>("stored");
        QTest::addColumn<int>("role");
        QTest::newRow("clBtnFace") << 0xFF00000Fu << int(QPalette::Button);
        QTest::newRow("clBtnShadow") << 0xFF000010u << int(QPalette::Dark);
        QTest::newRow("clBtnHighlight") << 0xFF000014u << int(QPalette::Light);
        QTest::newRow("cl3DDkShadow") << 0xFF000015u << int(QPalette::Shadow);
        QTest::newRow("cl3DLight") << 0xFF000016u << int(QPalette::Midlight);
        QTest::newRow("clWindow") << 0xFF000005u << int(QPalette::Base);
        QTest::newRow("clWindowText") << 0xFF000008u << int(QPalette::Text);
        QTest::newRow("clHighlight") << 0xFF00000Du << int(QPalette::Highlight);
        QTest::newRow("clHighlightText") << 0xFF00000Eu << int(QPalette::HighlightedText);
        QTest::newRow("clInfoBk") << 0xFF000018u << int(QPalette::ToolTipBase);
        QTest::newRow("clInfoText") << 0xFF000017u << int(QPalette::ToolTipText);
        QTest::newRow("clBtnText") << 0xFF000012u << int(QPalette::ButtonText);
        QTest::newRow("clMenu") << 0xFF000004u << int(QPalette::Window);
        QTest::newRow("clMenuText") << 0xFF000007u << int(QPalette::WindowText);
    }
    void systemColours() {
        QFETCH(uint, stored);
        QFETCH(int, role);
        const QPalette palette = DistinctPalette();
        QCOMPARE(ToQColor(stored, palette), palette.color(QPalette::ColorRole(role)));
    }

    void plainAndSpecialValues_data() {
        QTest::addColumn<uint>("stored");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("clRed is 0x0000FF") << 0x000000FFu << QColor(255, 0, 0);
        QTest::newRow("clBlue is 0xFF0000") << 0x00FF0000u << QColor(0, 0, 255);
        QTest::newRow("clMoneyGreen") << 0x00C0DCC0u << QColor(0xC0, 0xDC, 0xC0);
        QTest::newRow("clNone draws nothing") << 0x1FFFFFFFu << QColor();
        QTest::newRow("clDefault takes the fallback") << 0x20000000u << QColor(9, 8, 7);
        QTest::newRow("clGrayText from the disabled group") << 0xFF000011u << QColor(1, 2, 3);
        QTest::newRow("caption colour has a fixed value")
            << 0xFF00001Bu << QColor(0x99, 0xB4, 0xD1);
        QTest::newRow("unknown system index is black") << 0xFF000040u << QColor(0, 0, 0);
        QTest::newRow("palette-relative keeps its RGB") << 0x02102030u << QColor(0x30, 0x20, 0x10);
    }
    void plainAndSpecialValues() {
        QFETCH(uint, stored);
        QFETCH(QColor, expected);
        QCOMPARE(ToQColor(stored, DistinctPalette(), QColor(9, 8, 7)), expected);
    }

    void fromQColor() {
        QCOMPARE(FromQColor(QColor(0x12, 0x34, 0x56)), 0x00563412u);
        QCOMPARE(FromQColor(QColor()), 0x1FFFFFFFu);
        QCOMPARE(FromQColor(QColor(255, 255, 255, 0)), 0x00FFFFFFu); // alpha is not stored
        for (std::uint32_t v : {0x0u, 0xFFu, 0x8080u, 0xC0C0C0u, 0xF0CAA6u})
            QCOMPARE(FromQColor(ToQColor(v, QPalette())), v);
    }

    void edgePixels_data() {
        QTest::addColumn<bool>("raised");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<int>("role"); // -1: untouched background
        // Rectangle (2, 3) 10 x 6: outer ring x 2..11, y 3..8; inner ring x 3..10, y 4..7.
        const struct {
            const char *name;
            QPoint at;
            int raised, sunken;
        } rows[] = {
            {"outer top", {5, 3}, QPalette::Midlight, QPalette::Dark},
            {"outer left", {2, 6}, QPalette::Midlight, QPalette::Dark},
            {"outer top-left corner", {2, 3}, QPalette::Midlight, QPalette::Dark},
            {"outer bottom", {5, 8}, QPalette::Shadow, QPalette::Light},
            {"outer right", {11, 5}, QPalette::Shadow, QPalette::Light},
            {"outer top-right corner", {11, 3}, QPalette::Shadow, QPalette::Light},
            {"outer bottom-left corner", {2, 8}, QPalette::Shadow, QPalette::Light},
            {"inner top", {6, 4}, QPalette::Light, QPalette::Shadow},
            {"inner left", {3, 5}, QPalette::Light, QPalette::Shadow},
            {"inner bottom", {6, 7}, QPalette::Dark, QPalette::Midlight},
            {"inner right", {10, 5}, QPalette::Dark, QPalette::Midlight},
            {"inner top-right corner", {10, 4}, QPalette::Dark, QPalette::Midlight},
            {"inside", {6, 5}, -1, -1},
            {"outside right", {12, 5}, -1, -1},
            {"outside below", {5, 9}, -1, -1},
        };
        for (const auto &row : rows) {
            QTest::addRow("raised %s", row.name) << true << row.at << row.raised;
            QTest::addRow("sunken %s", row.name) << false << row.at << row.sunken;
        }
    }
    void edgePixels() {
        QFETCH(bool, raised);
        QFETCH(QPoint, pixel);
        QFETCH(int, role);
        const QPalette palette = DistinctPalette();
        QImage image(16, 12, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing); // the edge must stay pixel exact anyway
        DrawEdge(painter, QRect(2, 3, 10, 6), raised ? TEdge::Raised : TEdge::Sunken, palette);
        painter.end();
        const QColor expected =
            role < 0 ? QColor(Qt::black) : palette.color(QPalette::ColorRole(role));
        QCOMPARE(image.pixelColor(pixel), expected);
    }

    void edgeOfTinyRectStaysInside() {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        DrawEdge(painter, QRect(1, 1, 1, 1), TEdge::Raised, DistinctPalette());
        DrawEdge(painter, QRect(3, 3, 0, 0), TEdge::Sunken, DistinctPalette());
        painter.end();
        QCOMPARE(image.pixelColor(1, 1), DistinctPalette().color(QPalette::Shadow));
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::black));
        QCOMPARE(image.pixelColor(3, 3), QColor(Qt::black));
    }
};

QTEST_MAIN(TestColorMap)
#include "tst_ColorMap.moc"
