#pragma once

#include <QtGlobal>

// What one table, key file or picture may ask of the program. Files are documents people send
// each other: a few bytes must not be able to make the program allocate gigabytes, loop for
// minutes or build more widgets than it can paint. Every reader checks these where the data
// comes in, before allocating or looping, and refuses the file when one is exceeded.
namespace Limits {

// Grid columns and rows. The grid dialog offers 1..100; a file may ask for more, up to what
// can still be scanned (a row sweep of 1000 steps) and painted (a line per column on a screen
// a few thousand pixels wide). 1000 x 1000 cells also fit the cell list's slot limit below.
constexpr int MaxGridCols = 1000;
constexpr int MaxGridRows = 1000;
// Slots of the grid's cell list: every cell of the largest grid, and no more.
constexpr qint64 MaxGridCells = qint64(MaxGridCols) * MaxGridRows;

// Keys in one table and in one key file, and in the window at once: the largest grid the dialog
// offers (100 x 100), filled. The keys are sibling widgets, and the toolkit paints siblings
// recursively: near 30000 of them its stack runs out.
constexpr int MaxKeys = 10000;

// Characters of one string of a key (texts, file names, font name, hint). A key's text may be a
// whole prepared message; laid out again on every paint it must stay cheap.
constexpr int MaxKeyText = 4096;

// Key position and size in pixels. The window system keeps window positions in 16 signed bits
// and sizes in 16 unsigned bits, so nothing beyond can be shown; within them, no sum of two
// coordinates overflows.
constexpr int MinKeyCoordinate = -32768;
constexpr int MaxKeyCoordinate = 32767;
constexpr int MaxKeySize = 65535;
// The key's border (margin round the symbol), either sign.
constexpr int MaxKeyBorder = 32767;

// Pictures, checked from their headers before anything is decoded. A side of 16384 pixels is
// more than any screen; the pixel counts bound the decoded image (4 bytes a pixel): 256 MB for
// a photograph (JPEG is decoded scaled down to the key's size, so only its header is trusted
// for the full count), 64 MB for an uncompressed bitmap, whose file is as large, and 4 MB for a
// run-length bitmap, whose two stored bytes can claim a large area: a table of 200 of them
// must still paint within a second.
constexpr int MaxPictureSide = 16384;
constexpr qint64 MaxJpegPixels = qint64(1) << 26;
constexpr qint64 MaxBitmapPixels = qint64(1) << 24;
constexpr qint64 MaxRlePixels = qint64(1) << 20;
// A picture file loaded by the user from disk.
constexpr qint64 MaxPictureFile = qint64(256) << 20;
// Pixels of one cached drawing of a picture at a key's size.
constexpr qint64 MaxRenderPixels = qint64(1) << 24;

// Metafiles store drawing commands, and a few bytes of them can ask for a lot of work (each
// clip combination works on every edge of the clip so far). Playing one stops after this many
// records, after this much work (a unit is about what drawing one path element costs; the
// players weigh clipping far heavier; the whole budget is some tenths of a second here), or once
// the clip has grown past this many elements.
constexpr qint64 MaxMetafileRecords = 100000;
constexpr qint64 MaxMetafileWork = 2000000;
constexpr int MaxMetafileClipElements = 1024;
// Objects in a metafile's object table.
constexpr int MaxMetafileObjects = 16384;

} // namespace Limits
