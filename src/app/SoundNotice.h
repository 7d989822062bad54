#pragma once

#include <QString>
#include <array>

// Tells the user, once and without a box to answer, that sound cannot be played: the window's
// title carries the reason while any output fails, and loses it when sound is back.
class TSoundNotice {
public:
    enum TOutput { Speech, Sounds, OutputCount };

    // An output failed (with its reason) or works again (empty); true when the title changes.
    bool Set(TOutput output, const QString &error);
    // The window's title for its usual caption.
    QString Title(const QString &caption) const;

private:
    std::array<QString, OutputCount> FErrors;
};
