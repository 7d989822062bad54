#pragma once

#include <QString>
#include <array>

// Which of the program's sound outputs fail, and why: the window shows it, once and without a box
// to answer, while any output fails, and stops when sound is back.
class TSoundNotice {
public:
    enum TOutput { Speech, Sounds, Prompts, OutputCount };

    // An output failed (with its reason) or works again (empty); true when the notice changes.
    bool Set(TOutput output, const QString &error);
    // What the user is told; empty while every output works.
    QString Text() const;

private:
    std::array<QString, OutputCount> FErrors;
};
