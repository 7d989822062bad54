// The configuration file of the main window.
#include "MainForm.h"

bool TForm1::LoadConfig(const QString &) {
    // No configuration is read yet: the program starts with its design values.
    return false;
}

bool TForm1::SaveConfig(const QString &) {
    return false;
}
