#include "Limits.h"
#include "MetafileDC.h"

#include <algorithm>
#include <cmath>

namespace {

// Object tables are small in real pictures; the cap keeps damaged indexes from costing memory.
constexpr std::size_t MaxObjects = Limits::MaxMetafileObjects;

} // namespace

QColor TMetafileDC::ColorRef(std::uint32_t value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

TMetafileDC::TPen TMetafileDC::MakeGdiPen(std::uint32_t style, double width, std::uint32_t color) {
    TPen pen;
    pen.Color = ColorRef(color);
    pen.Width = std::fabs(width);
    switch (style & 0x0F) {
    case 1:
        pen.Style = Qt::DashLine;
        break;
    case 2:
    case 8:
        pen.Style = Qt::DotLine;
        break;
    case 3:
        pen.Style = Qt::DashDotLine;
        break;
    case 4:
        pen.Style = Qt::DashDotDotLine;
        break;
    case 5:
        pen.Null = true;
        break;
    default:
        break;
    }
    switch (style & 0x0F00) {
    case 0x100:
        pen.Cap = Qt::SquareCap;
        break;
    case 0x200:
        pen.Cap = Qt::FlatCap;
        break;
    default:
        break;
    }
    switch (style & 0xF000) {
    case 0x1000:
        pen.Join = Qt::BevelJoin;
        break;
    case 0x2000:
        pen.Join = Qt::MiterJoin;
        break;
    default:
        break;
    }
    return pen;
}

TMetafileDC::TBrush TMetafileDC::MakeGdiBrush(std::uint32_t style, std::uint32_t color,
                                              std::uint32_t hatch) {
    TBrush brush;
    brush.Color = ColorRef(color);
    if (style == 1) {
        brush.Null = true;
    } else if (style == 2) {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                 Qt::FDiagPattern, Qt::BDiagPattern,
                                                 Qt::CrossPattern, Qt::DiagCrossPattern};
        brush.Style = hatch < 6 ? hatches[hatch] : Qt::SolidPattern;
    } else if (style != 0) {
        // Pattern brushes whose bitmap we do not have: a neutral grey rather than nothing.
        brush.Color = QColor(0x80, 0x80, 0x80);
    }
    return brush;
}

void TMetafileDC::SaveDC() {
    if (FSaved.size() < 4096)
        FSaved.push_back(FState);
}

void TMetafileDC::RestoreDC(int which) {
    // Negative: relative to the last save; positive: the n-th saved state counted from 1.
    const long long index = which < 0 ? (long long)FSaved.size() + which : (long long)which - 1;
    if (which == 0 || index < 0 || index >= (long long)FSaved.size())
        return;
    FState = FSaved[std::size_t(index)];
    FSaved.resize(std::size_t(index));
}

void TMetafileDC::SetTableSize(int size) {
    FObjects.assign(std::clamp<std::size_t>(std::size_t(std::max(size, 0)), 0, MaxObjects),
                    TObject());
    FFreeHint = 0;
}

void TMetafileDC::CreateInFreeSlot(const TObject &object) {
    std::size_t i = FFreeHint;
    while (i < FObjects.size() && FObjects[i].Type != TObject::otEmpty)
        ++i;
    if (i == FObjects.size()) {
        // Writers that miscount their objects still work; the table grows up to its cap.
        if (FObjects.size() >= MaxObjects)
            return;
        FObjects.emplace_back();
    }
    FObjects[i] = object;
    FFreeHint = i + 1;
}

void TMetafileDC::CreateAt(std::uint32_t index, const TObject &object) {
    if (index >= MaxObjects)
        return;
    if (index >= FObjects.size())
        FObjects.resize(index + 1);
    FObjects[index] = object;
}

void TMetafileDC::Select(std::uint32_t index) {
    if (index & 0x80000000u) {
        SelectStock(index & 0x7FFFFFFFu);
        return;
    }
    if (index >= FObjects.size())
        return;
    const TObject &object = FObjects[index];
    switch (object.Type) {
    case TObject::otPen:
        FState.Pen = object.Pen;
        break;
    case TObject::otBrush:
        FState.Brush = object.Brush;
        break;
    case TObject::otFont:
        FState.Font = object.Font;
        break;
    default:
        break;
    }
}

void TMetafileDC::SelectStock(std::uint32_t stock) {
    static const QRgb brushes[] = {qRgb(255, 255, 255), qRgb(0xC0, 0xC0, 0xC0),
                                   qRgb(0x80, 0x80, 0x80), qRgb(0x40, 0x40, 0x40), qRgb(0, 0, 0)};
    if (stock <= 4) {
        FState.Brush = TBrush();
        FState.Brush.Color = QColor::fromRgb(brushes[stock]);
    } else if (stock == 5) {
        FState.Brush = TBrush();
        FState.Brush.Null = true;
    } else if (stock == 6 || stock == 7 || stock == 19) {
        FState.Pen = TPen();
        FState.Pen.Color = stock == 6 ? Qt::white : Qt::black;
    } else if (stock == 8) {
        FState.Pen = TPen();
        FState.Pen.Null = true;
    } else if (stock == 18) {
        FState.Brush = TBrush();
    } else if (stock >= 10 && stock <= 17 && stock != 15) {
        FState.Font = TFont();
    }
}

void TMetafileDC::Delete(std::uint32_t index) {
    if (index >= FObjects.size())
        return;
    FObjects[index] = TObject();
    FFreeHint = std::min<std::size_t>(FFreeHint, index);
}
