#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QSize>
#include <QStringList>
#include <memory>

class QMenu;
class QWidget;
class TVxKey;

// Keys written by hand: a key entry may hold, instead of its raw "properties", an object "key"
// with the key's properties by name. The record is made by a real TVxKey (defaults, setters,
// SaveToStream), so a bundled key is exactly what the program itself would write:
//
//   { "col": 0, "row": 4, "key": { "Text": "Mezera", "SpecialKey": "Space",
//       "Symbol": "Images/mezera.jpg", "Aspect": 1.0, "WavName": "zvonek.wav",
//       "KbdName": "cisla.kbt", "TextSh": "A", "Font": { "Name": "Arial", "Height": -16,
//       "Color": 8388608, "Charset": "EASTEUROPE_CHARSET", "Style": ["fsBold"] },
//       "NormKeyColor": 16777215, "SpecKeyColor": "clSilver", "Left": 5, ... } }
//
// The table may give "keyDefaults" (merged under every "key"; a "Font" is merged field by field)
// and "gridWidth"/"gridHeight" (the grid assumed for keys of a scanning table that give no
// position or size of their own: their cell, inset as the grid lays keys out).
class TKeyAuthor {
public:
    struct TOptions {
        // Folders in which picture files named by "Symbol" are looked up, in order.
        QStringList SearchDirs;
        bool Scanning = true;
        int nCol = 0;
        int nRow = 0;
        QSize GridSize = QSize(650, 300);
        QJsonObject Defaults;
    };

    // Needs a QApplication: keys are widgets.
    explicit TKeyAuthor(TOptions options);
    ~TKeyAuthor();

    // The record of the next key of the file. Keys are created in file order under one parent,
    // as the table loader creates them, so each writes the tab order the program would.
    // Throws TError naming the field at fault.
    QByteArray Record(const QJsonObject &key, int col, int row);
    // A key of the file given in raw form: it still takes its place in the tab order.
    void Skip();

    // The rectangle (left, top, width, height) a scanning grid of `gridSize` gives the key in
    // cell (col, row): the cell, inset by 5 pixels on every side.
    static QRect KeyRectInCell(QSize gridSize, int nCol, int nRow, int col, int row);

private:
    void Apply(TVxKey &key, const QJsonObject &fields, int col, int row);

    TOptions FOptions;
    std::unique_ptr<QWidget> FForm;
    QMenu *FPopup = nullptr;
    QWidget *FGrid = nullptr;
};
