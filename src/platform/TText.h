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

// A text that is the same in every language: a file name, a file dialog's filter, the name of
// a format or of an outside program. It is a constant, so the headers that hold such texts add
// no code to the program's start in every file that includes them; used, it is a QString that
// shares the literal, as QStringLiteral makes one.
class TFixedText {
public:
    template <qsizetype N>
    constexpr TFixedText(const char16_t (&text)[N])
        : FText(text)
        , FSize(N - 1) {}

    QString Text() const {
        return QString(QStringPrivate(nullptr, const_cast<char16_t *>(FText), FSize));
    }
    operator QString() const { return Text(); }

    template <typename... Args>
    QString arg(Args &&...args) const {
        return Text().arg(std::forward<Args>(args)...);
    }

private:
    const char16_t *FText;
    qsizetype FSize;
};

inline QString operator+(const TFixedText &a, const QString &b) {
    return a.Text() + b;
}
inline QString operator+(const QString &a, const TFixedText &b) {
    return a + b.Text();
}
inline bool operator==(const TFixedText &a, const QString &b) {
    return a.Text() == b;
}
