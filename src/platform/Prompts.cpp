#include "Prompts.h"

#include <cstdio>

namespace {

class TFallbackPrompts final : public TPrompts {
public:
    void Message(const QString &text) override { Print(text); }
    void Error(const QString &text) override { Print(text); }
    bool Question(const QString &text) override {
        Print(text);
        return false;
    }
    QString OpenFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString SaveFileName(const QString &, const QString &, const QString &,
                         const QString &) override {
        return {};
    }
    std::optional<QColor> ChooseColor(const QColor &) override { return std::nullopt; }
    std::optional<QFont> ChooseFont(const QFont &) override { return std::nullopt; }
    bool SetupPrinter(TPrinter &) override { return false; }

private:
    static void Print(const QString &text) {
        std::fprintf(stderr, "%s\n", MessageText(text).toLocal8Bit().constData());
    }
};

TFallbackPrompts gFallback;
TPrompts *gPrompts = nullptr;

} // namespace

TPrompts &Prompts() {
    return gPrompts ? *gPrompts : gFallback;
}

TPrompts *SetPrompts(TPrompts *prompts) {
    TPrompts *old = gPrompts;
    gPrompts = prompts;
    return old;
}

QString MessageText(const QString &text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}
