#pragma once

#include "Limits.h"

#include <QtGlobal>

// What an imported board or package may hold. Real board sets stay far below these; anything
// larger is refused with a message before it is expanded or allocated. A board becomes one of
// our tables, so it may hold no more keys than a table (Limits.h); its grid stays within what
// the grid dialog offers, and its pictures within what a key shows.
namespace ObfLimits {

inline constexpr qint64 MaxBoardBytes = 64 * 1024 * 1024;     // one .obf, data URIs included
inline constexpr qint64 MaxPackageBytes = 512 * 1024 * 1024;  // the .obz file itself
inline constexpr qint64 MaxEntryBytes = 64 * 1024 * 1024;     // one file inside the zip, expanded
inline constexpr qint64 MaxExpandedBytes = 256 * 1024 * 1024; // all files of the zip, expanded
inline constexpr qint64 MaxEntries = 20000;                   // files in the zip
inline constexpr int MaxBoards = 500;                         // boards in one package
inline constexpr int MaxGridSide = 100;                       // rows and columns of a board
inline constexpr int MaxButtons = Limits::MaxKeys;            // buttons of a board
inline constexpr int MaxKeys = 50000;                         // keys of all boards together
inline constexpr int MaxPictureSide = 8192;                   // pixels, either way
inline constexpr qint64 MaxPicturePixels = 40'000'000;
inline constexpr qint64 MaxImportPixels = 1'000'000'000; // all pictures of one import, decoded
inline constexpr int SymbolSide = 512; // larger pictures are scaled down to this for a key
// On a grid, a key gets at most its share of the widest screens' 4096 pixels, and its picture
// no more than that (nor less than this): a board of 100 x 100 keys sharing one picture makes a
// table of megabytes, not of hundreds.
inline constexpr int GridScreenSide = 4096;
inline constexpr int MinGridSymbolSide = 64;

} // namespace ObfLimits
