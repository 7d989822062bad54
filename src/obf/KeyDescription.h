#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>

// One key as its record stores it, without the key widget. Boards are imported into tables and
// exported from them without a window, so the record is read and written here, entry for entry as
// the key control writes it: a description written with ToRecord is the record a key with the same
// properties saves (the tests hold the two writers to the same bytes).
struct TKeyDescription {
    qint32 Tag = 0;
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Width = 100;
    qint32 Height = 100;
    qint32 Cursor = 0;
    QString Hint;
    QByteArray HelpType; // empty: the default, which is not written
    QString HelpKeyword;
    qint32 HelpContext = 0;
    bool Enabled = true;
    qint32 TabOrder = -1; // a key in a table: its place among the keys
    bool TabStop = false;
    QByteArray SymbolData; // the "Symbol.Data" value; empty when the key has no picture
    QList<QByteArray> Status = {QByteArrayLiteral("vxo3Deffect"),
                                QByteArrayLiteral("vxoSendClick")};
    QString Text = QStringLiteral("VxKey");
    QString TextSh;
    qint32 FontCharset = 1;
    std::uint32_t FontColor = 0x800000;
    qint32 FontHeight = -16;
    QString FontName = QStringLiteral("MS Sans Serif");
    QByteArray FontPitch;        // empty: the default pitch, which is not written
    QList<QByteArray> FontStyle; // "fsBold", ... in ordinal order
    qint32 BorderWidth = 5;
    std::uint32_t ColorSelected = 0xFF0000;
    std::uint32_t ColorFocused = 0x0000FF;
    QByteArray PopupMenu = QByteArrayLiteral("Form1.TablePopup");
    std::uint32_t SpecKeyColor = 0xC0C0C0;
    std::uint32_t NormKeyColor = 0xFFFFFF;
    int SpecialKey = 0; // ordinal of the special-key kind
    QString WavName;
    QString KbdName;
    double Aspect = 0;

    // The face colour: the special colour for a special key, the normal one otherwise.
    std::uint32_t FaceColor() const { return SpecialKey != 0 ? SpecKeyColor : NormKeyColor; }
    void SetFaceColor(std::uint32_t color);

    // The record (signature "TPF0", class "TVxKey", no name, the entries, two end bytes).
    QByteArray ToRecord() const;
    // Reads a record as the key control does (entries over the defaults, Selected and Active
    // always false); throws TStreamError on damage or an unknown property.
    static TKeyDescription FromRecord(const QByteArray &record);

    bool operator==(const TKeyDescription &) const = default;
};

// The kind named by a record identifier (letter case ignored); -1 when there is none.
int SpecialKeyOrdinal(const QByteArray &ident);
QByteArray SpecialKeyIdent(int ordinal);
