#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Opening documents, starting programs and the file-type association of the synthesizer program.
class TShell {
public:
    static constexpr int ShowNormal = 1;
    static constexpr int ShowMinimized = 2;

    virtual ~TShell() = default;
    // Opens a document or starts a program; above 32 on success, a small error number otherwise.
    virtual std::int32_t ExecuteFile(const QString &file, const QString &parameters, int show,
                                     const QString &directory) = 0;
    // The command that opens files of type `suffix`, as the association states it; nothing when
    // no application is associated.
    virtual std::optional<QString> OpenCommand(const QString &suffix) = 0;
};
