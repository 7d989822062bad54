#pragma once

#include <QString>
#include <QStringList>

class TKeyboardLayout;

// A switch key as the grid dialog's switch fields show it, and the key a typed text names. A
// text names a key by one of the list's names ("Space", "Enter", ...), as a function key F1 to
// F24, as "#" and its code, or as the one
// character it types on the keyboard layout.
namespace SwitchCodeText {

inline constexpr int NameCount = 15;

// The names the switch fields list, in order, and the code of each.
const QStringList &Names();
int NameCode(int index);

// The text a code is shown as: its name from the list, its function key name, the character
// whose number equals the code when that character's key has the code, or "#" and the code.
// Whatever the text, reading it back gives the code again.
QString Text(int code, const TKeyboardLayout &layout);

// The code a text names, 1 to 255; 0 when it names no key (an empty text, a character no key
// types, several characters that are no name).
int Code(const QString &text, const TKeyboardLayout &layout);

// Why a pair of switch codes cannot be used. F8 switches edit mode before any switch sees it,
// so a switch on F8 would neither work nor let the user reach the settings again; two switches
// on one key cannot be told apart.
enum class TRefusal { None, NoKey1, NoKey2, EditKey1, EditKey2, SameKey };
TRefusal Check(int code1, int code2);

} // namespace SwitchCodeText
