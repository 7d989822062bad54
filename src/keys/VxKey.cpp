#include "VxKey.h"

#include "VxKeyAccessible.h"

#include <QAccessible>
#include <QMenu>

int TVxKey::ActiveFrameWidth = 3;
int TVxKey::SelectedFrameWidth = 1;

namespace {

TVxKey::TMenuNamer &MenuNamer() {
    static TVxKey::TMenuNamer namer;
    return namer;
}

// Pointer shapes by their stored numbers (crDefault 0, crArrow -2, ..., crHandPoint -21).
Qt::CursorShape CursorShape(int cursor, bool *known) {
    struct TEntry {
        int Code;
        Qt::CursorShape Shape;
    };
    static constexpr TEntry Shapes[] = {
        {-1, Qt::BlankCursor},      {-2, Qt::ArrowCursor},      {-3, Qt::CrossCursor},
        {-4, Qt::IBeamCursor},      {-5, Qt::SizeAllCursor},    {-6, Qt::SizeBDiagCursor},
        {-7, Qt::SizeVerCursor},    {-8, Qt::SizeFDiagCursor},  {-9, Qt::SizeHorCursor},
        {-10, Qt::UpArrowCursor},   {-11, Qt::WaitCursor},      {-12, Qt::DragMoveCursor},
        {-13, Qt::ForbiddenCursor}, {-14, Qt::SplitHCursor},    {-15, Qt::SplitVCursor},
        {-16, Qt::DragCopyCursor},  {-17, Qt::BusyCursor},      {-18, Qt::ForbiddenCursor},
        {-19, Qt::BusyCursor},      {-20, Qt::WhatsThisCursor}, {-21, Qt::PointingHandCursor},
        {-22, Qt::SizeAllCursor},
    };
    for (const TEntry &entry : Shapes) {
        if (entry.Code == cursor) {
            *known = true;
            return entry.Shape;
        }
    }
    *known = false;
    return Qt::ArrowCursor;
}

} // namespace

TVxKey::TVxKey(QWidget *parent)
    : QWidget(parent) {
    InstallKeyAccessibility();
    if (ActiveFrameWidth <= 0)
        ActiveFrameWidth = 3;
    if (SelectedFrameWidth <= 0)
        SelectedFrameWidth = 1;
    resize(100, 100);
    QWidget::setFont(FFont.ToQFont());
    setFocusPolicy(Qt::NoFocus);
    SetSpecialKey(TSpecialKey::None); // a new key's face is the normal key colour
}

TVxKey::~TVxKey() = default;

void TVxKey::SetSymbol(const TPicture &symbol) {
    FSymbol = symbol;
    update();
}

void TVxKey::SetStatus(TVxKeyStatus status) {
    FStatus = status;
    update();
}

void TVxKey::SetText(const QString &text) {
    if (text == FText)
        return;
    FText = text;
    update();
    NotifyAccessibleName();
}

void TVxKey::SetTextSh(const QString &text) {
    if (text == FTextSh)
        return;
    FTextSh = text;
    update();
    NotifyAccessibleName();
}

void TVxKey::SetFont(const TKeyFont &font) {
    FFont = font;
    QWidget::setFont(FFont.ToQFont());
    update();
}

void TVxKey::SetBorderWidth(int width) {
    FBorderWidth = width;
    update();
}

void TVxKey::SetColorSelected(std::uint32_t color) {
    FColorSelected = color;
    update();
}

void TVxKey::SetColorFocused(std::uint32_t color) {
    FColorFocused = color;
    update();
}

void TVxKey::SetSelected(bool selected) {
    const bool changed = selected != FSelected;
    FSelected = selected;
    if (changed)
        NotifyAccessibleState(true, false);
}

void TVxKey::SetActive(bool active) {
    if (active == FActive)
        return;
    FActive = active;
    update();
    NotifyAccessibleState(false, true);
}

void TVxKey::SetSpecKeyColor(std::uint32_t color) {
    FSpecKeyColor = color;
    update();
}

void TVxKey::SetNormKeyColor(std::uint32_t color) {
    FNormKeyColor = color;
    update();
}

void TVxKey::SetSpecialKey(TSpecialKey kind) {
    // A value outside the table (a cast from a damaged number) is no kind at all.
    if (int(kind) >= SpecialKeyCount)
        kind = TSpecialKey::None;
    FSpecialKey = kind;
    FSpecialCode = SpecialCodeOf(kind);
    FColor = kind != TSpecialKey::None ? FSpecKeyColor : FNormKeyColor;
    update();
    NotifyAccessibleName();
}

void TVxKey::SetAspect(double aspect) {
    FAspect = aspect;
    update();
}

void TVxKey::SetColor(std::uint32_t color) {
    FColor = color;
    update();
}

void TVxKey::SetCursor(int cursor) {
    FCursor = cursor;
    bool known = false;
    const Qt::CursorShape shape = CursorShape(cursor, &known);
    if (known)
        setCursor(shape);
    else
        unsetCursor();
}

int TVxKey::TabOrder() const {
    const QWidget *parent = parentWidget();
    if (!parent || isWindow())
        return -1;
    int index = 0;
    for (const QObject *child : parent->children()) {
        if (child == this)
            return index;
        const auto *widget = qobject_cast<const QWidget *>(child);
        // Popups and dialogs parented to the panel are windows of their own, not controls on it.
        if (widget && !widget->isWindow())
            ++index;
    }
    return -1;
}

void TVxKey::SetTabStop(bool on) {
    FTabStop = on;
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

void TVxKey::EndDrag() {
    const int before = PressedOffset();
    FDragging = false;
    FLeftDown = false;
    if (PressedOffset() != before)
        update();
}

void TVxKey::UpdateLayout() {
    update();
    emit Resized(this);
}

void TVxKey::Assign(const QObject *source) {
    const auto *key = qobject_cast<const TVxKey *>(source);
    if (!key)
        return;
    SetFont(key->FFont);
    FBorderWidth = key->FBorderWidth;
    FColorFocused = key->FColorFocused;
    FColorSelected = key->FColorSelected;
    FSpecKeyColor = key->FSpecKeyColor;
    FNormKeyColor = key->FNormKeyColor;
    SetActive(key->FActive);
    FColor = key->FColor;
    FBrushColor = key->FBrushColor;
    resize(key->width(), key->height());
    FStatus = key->FStatus;
    FAspect = key->FAspect;
    update();
}

void TVxKey::AssignKey(const TVxKey *source) {
    if (!source)
        return;
    Assign(source);
    FSymbol = source->FSymbol;
    FStatus = source->FStatus;
    SetText(source->FText);
    SetTextSh(source->FTextSh);
    FWavName = source->FWavName;
    FKbdName = source->FKbdName;
    SetSpecialKey(source->FSpecialKey);
    FPopupMenu = source->FPopupMenu;
    update();
}

void TVxKey::SetPopupMenuNamer(TMenuNamer namer) {
    MenuNamer() = std::move(namer);
}

QByteArray TVxKey::PopupMenuName(const QMenu *menu) {
    if (!menu)
        return QByteArray();
    if (MenuNamer())
        return MenuNamer()(menu);
    const QByteArray name = menu->objectName().toLatin1();
    if (name.isEmpty())
        return QByteArray();
    const QObject *owner = menu->parent();
    const QByteArray ownerName = owner ? owner->objectName().toLatin1() : QByteArray();
    return ownerName.isEmpty() ? name : ownerName + '.' + name;
}

void TVxKey::NotifyAccessibleName() {
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void TVxKey::NotifyAccessibleState(bool selectedChanged, bool activeChanged) {
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.selected = selectedChanged;
    changed.focused = activeChanged;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
    // The key stepped onto in the free layout is where the user is; a screen reader speaks it.
    if (activeChanged && FActive) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}
