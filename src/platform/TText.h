#pragma once

#include <QCoreApplication>
#include <QString>

#include <utility>

// A text the user reads, in the interface language. The strings headers are initialised before
// any translator is installed, so a TText keeps the Czech source and its context and looks up
// the translation each time it is used. `lupdate -tr-function-alias QT_TRANSLATE_NOOP+=TText`
// extracts every TText("Context", "source") written out in full.
class TText {
public:
    constexpr TText(const char *context, const char *source)
        : FContext(context)
        , FSource(source) {}

    QString Text() const { return QCoreApplication::translate(FContext, FSource); }
    operator QString() const { return Text(); }

    template <typename... Args>
    QString arg(Args &&...args) const {
        return Text().arg(std::forward<Args>(args)...);
    }

    const char *Context() const { return FContext; }
    const char *Source() const { return FSource; }

private:
    const char *FContext;
    const char *FSource;
};

inline QString operator+(const TText &a, const QString &b) {
    return a.Text() + b;
}
inline QString operator+(const QString &a, const TText &b) {
    return a + b.Text();
}
inline QString operator+(const TText &a, const TText &b) {
    return a.Text() + b.Text();
}
inline bool operator==(const TText &a, const QString &b) {
    return a.Text() == b;
}
