#pragma once

#include "KeyFont.h"
#include "KeyLayout.h"
#include "KeyStatus.h"
#include "Picture.h"
#include "SpecialKey.h"

#include <QMenu>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

class QIODevice;
class TComponentReader;

// One on-screen key: a self-painted control showing a text, an optional shifted text and an
// optional symbol, which fires VxKClick on a left-button release and writes itself to a key
// record. Colours are stored values 0x00BBGGRR (system colours 0xFF0000nn, clNone, clDefault).
class TVxKey : public QWidget {
    Q_OBJECT

public:
    // Finds the menu a record names ("Form1.TablePopup"); nullptr drops the reference.
    using TMenuResolver = std::function<QMenu *(const QByteArray &name)>;
    // The name under which a key's menu is written; empty writes no PopupMenu entry.
    using TMenuNamer = std::function<QByteArray(const QMenu *menu)>;
    enum THelpType : std::uint8_t { htKeyword, htContext };

    // Shared by every key: pen widths of the focus and the selection frame. Each constructor
    // puts back 3 and 1 when they are not positive.
    static int ActiveFrameWidth;
    static int SelectedFrameWidth;

    explicit TVxKey(QWidget *parent = nullptr);
    ~TVxKey() override;

    // A new key under `parent` with one key record from the device's current position applied
    // over the defaults; Selected and Active are false afterwards. Throws TStreamError (and
    // nothing of the half-made key survives) when the record is damaged or names a property or
    // value a key does not have.
    static std::unique_ptr<TVxKey> CreateFromStream(QWidget *parent, QIODevice *device,
                                                    const TMenuResolver &resolveMenu = {});
    // The same from a reader positioned at the record (ReadKeys hands one over the file).
    static std::unique_ptr<TVxKey> CreateFromStream(QWidget *parent, TComponentReader &reader,
                                                    const TMenuResolver &resolveMenu = {});
    // Writes the key record at the device's current position; TStreamError on a failed write.
    virtual void SaveToStream(QIODevice *device) const;

    // The appearance only (font, border, colours, Active, size, Status, Aspect); a source that
    // is not a key changes nothing.
    virtual void Assign(const QObject *source);
    // Every persistent property but the position: Assign, then symbol, Status, texts, sound,
    // table, special key and menu. Null changes nothing.
    virtual void AssignKey(const TVxKey *source);
    // Repaints and raises Resized; the layout itself is computed afresh whenever it is asked for.
    virtual void UpdateLayout();
    // Fires VxKClick with the payload the key's special code calls for, unless vxoEdit is set.
    virtual void SendKeyClick();

    // Replaces how keys name their menu in records (by default "<owner name>.<menu name>" from
    // the object names); an empty function restores the default.
    static void SetPopupMenuNamer(TMenuNamer namer);
    static QByteArray PopupMenuName(const QMenu *menu);

    // Own properties.
    const TPicture &Symbol() const { return FSymbol; }
    void SetSymbol(const TPicture &symbol);
    TVxKeyStatus Status() const { return FStatus; }
    void SetStatus(TVxKeyStatus status);
    const QString &Text() const { return FText; }
    void SetText(const QString &text);
    const QString &TextSh() const { return FTextSh; }
    void SetTextSh(const QString &text);
    const TKeyFont &Font() const { return FFont; }
    void SetFont(const TKeyFont &font);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int width);
    std::uint32_t ColorSelected() const { return FColorSelected; }
    void SetColorSelected(std::uint32_t color);
    std::uint32_t ColorFocused() const { return FColorFocused; }
    void SetColorFocused(std::uint32_t color);
    bool Selected() const { return FSelected; }
    void SetSelected(bool selected); // stores only: the caller repaints
    bool Active() const { return FActive; }
    void SetActive(bool active);
    std::uint32_t SpecKeyColor() const { return FSpecKeyColor; }
    void SetSpecKeyColor(std::uint32_t color);
    std::uint32_t NormKeyColor() const { return FNormKeyColor; }
    void SetNormKeyColor(std::uint32_t color);
    // Always the table's code of SpecialKey; a stored value never overrides it.
    int SpecialCode() const { return SpecialCodeOf(FSpecialKey); }
    void SetSpecialCode(int code) { FSpecialCode = code; }
    TSpecialKey SpecialKey() const { return FSpecialKey; }
    void SetSpecialKey(TSpecialKey kind);
    const QString &WavName() const { return FWavName; }
    void SetWavName(const QString &name) { FWavName = name; }
    const QString &KbdName() const { return FKbdName; }
    void SetKbdName(const QString &name) { FKbdName = name; }
    double Aspect() const { return FAspect; }
    void SetAspect(double aspect);

    // Face colour of the control (set from the special key and on every paint) and the
    // remembered brush colour that the settings dialog shows as the text background.
    std::uint32_t Color() const { return FColor; }
    void SetColor(std::uint32_t color);
    std::uint32_t BrushColor() const { return FBrushColor; }
    void SetBrushColor(std::uint32_t color) { FBrushColor = color; }

    // Properties every control has, as the record knows them.
    int Left() const { return x(); }
    void SetLeft(int left) { move(left, y()); }
    int Top() const { return y(); }
    void SetTop(int top) { move(x(), top); }
    int Width() const { return width(); }
    void SetWidth(int w) { resize(w, height()); }
    int Height() const { return height(); }
    void SetHeight(int h) { resize(width(), h); }
    int Tag() const { return FTag; }
    void SetTag(int tag) { FTag = tag; }
    int Cursor() const { return FCursor; }
    void SetCursor(int cursor);
    QString Hint() const { return toolTip(); }
    void SetHint(const QString &hint) { setToolTip(hint); }
    THelpType HelpType() const { return FHelpType; }
    void SetHelpType(THelpType type) { FHelpType = type; }
    const QString &HelpKeyword() const { return FHelpKeyword; }
    void SetHelpKeyword(const QString &keyword) { FHelpKeyword = keyword; }
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int context) { FHelpContext = context; }
    // The key's own flag, not whether an ancestor is disabled.
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }
    // Position among the parent's child controls; -1 without a parent.
    int TabOrder() const;
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool on);
    QMenu *PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu *menu) { FPopupMenu = menu; }

    // The layout of the face as it would be painted now, with the current pressed offset.
    TKeyLayout Layout() const;
    TKeyRect SymbolRect() const { return Layout().SymbolRect; }
    TKeyRect TextBounds() const { return Layout().TextBounds; }
    TKeyRect TextShBounds() const { return Layout().TextShBounds; }
    // 1 while the left button pressed on a 3D key is held without Shift or Ctrl, else 0.
    int PressedOffset() const;
    // Holds the key down (or lets it up) as if the left button were held on it: a Caps Lock key
    // keeps its pressed look while Caps Lock is on.
    void SetLeftDown(bool down);

    // True from a Shift + left press that started a drag until the left button is released or
    // EndDrag is called (the window calls it when its drag ends some other way).
    bool Dragging() const { return FDragging; }
    void EndDrag();

signals:
    // The key was activated. Codes 0 and 254 carry Text, TextSh and the font; 253 carries
    // KbdName in `text`; other codes carry the code number as text. `font` is null where no font
    // is passed and is valid only during the call.
    void VxKClick(TVxKey *sender, int specCode, const QString &text, const QString &textSh,
                  const TKeyFont *font);
    // After every size change, once the layout follows the new size.
    void Resized(TVxKey *sender);
    // A Shift + left press on a key without vxoEdit: the window drags it from here.
    void StartDrag(TVxKey *sender);
    void MouseDown(TVxKey *sender, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void MouseUp(TVxKey *sender, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // A context menu was asked for. When anything is connected it decides (the window shows the
    // key menu only in edit mode); otherwise the key pops up its PopupMenu itself.
    void ContextMenuRequested(TVxKey *sender, const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void ReadProperty(TComponentReader &reader, const QByteArray &name,
                      const TMenuResolver &resolveMenu);
    void NotifyAccessibleName();
    void NotifyAccessibleState(bool selectedChanged, bool activeChanged);
    // Records the modifiers of a mouse event and repaints when the pressed look changes.
    void TrackModifiers(Qt::KeyboardModifiers modifiers, int pressedBefore);

    TPicture FSymbol;
    TVxKeyStatus FStatus = TVxKeyStatus(vxo3Deffect) | vxoSendClick;
    QString FText = QStringLiteral("VxKey");
    QString FTextSh;
    TKeyFont FFont;
    int FBorderWidth = 5;
    std::uint32_t FColorSelected = 0xFF0000;
    std::uint32_t FColorFocused = 0x0000FF;
    bool FSelected = false;
    bool FActive = false;
    std::uint32_t FSpecKeyColor = 0xC0C0C0;
    std::uint32_t FNormKeyColor = 0xFFFFFF;
    int FSpecialCode = 0;
    TSpecialKey FSpecialKey = TSpecialKey::None;
    QString FWavName;
    QString FKbdName;
    double FAspect = 0;
    std::uint32_t FColor = 0xFFFFFF;
    std::uint32_t FBrushColor = 0xC0C0C0;

    int FTag = 0;
    int FCursor = 0;
    THelpType FHelpType = htContext;
    QString FHelpKeyword;
    int FHelpContext = 0;
    bool FTabStop = false;
    QPointer<QMenu> FPopupMenu;

    bool FLeftDown = false;
    bool FDragging = false;
    Qt::KeyboardModifiers FModifiers;
};
