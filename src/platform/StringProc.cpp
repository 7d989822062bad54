#include "StringProc.h"

#include <QDir>

namespace {

bool IsSeparator(QChar c) {
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

qsizetype LastSeparator(const QString &path) {
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (IsSeparator(path.at(i)))
            return i;
    }
    return -1;
}

qsizetype FirstSeparator(const QString &path) {
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (IsSeparator(path.at(i)))
            return i;
    }
    return -1;
}

// Base letters and results of each dead accent, in the same order.
struct TAccentRow {
    QChar Accent;
    const char16_t *Bases;
    const char16_t *Results;
};

const TAccentRow kAccentRows[] = {
    {kAccentRing, u"uU", u"\u016F\u016E"},
    {kAccentCaron, u"ezscrdtnEZSCRDTN",
     u"\u011B\u017E\u0161\u010D\u0159\u010F\u0165\u0148"
     u"\u011A\u017D\u0160\u010C\u0158\u010E\u0164\u0147"},
    // "i" stands twice in the acute row; the first one decides and both agree.
    {kAccentAcute, u"aeiouiyAEIOUIY",
     u"\u00E1\u00E9\u00ED\u00F3\u00FA\u00ED\u00FD\u00C1\u00C9\u00CD\u00D3\u00DA\u00CD\u00DD"},
};

} // namespace

bool IsAbsoluteName(const QString &name) {
    return name.contains(QLatin1Char(':')) || name.contains(QLatin1String("\\\\")) ||
           name.startsWith(QLatin1Char('/'));
}

QString ResolvePath(const QString &name, const QString &directory) {
    if (IsAbsoluteName(name))
        return name;
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QDir::separator());
    return directory + relative;
}

QString StripDirPrefix(const QString &name, const QString &directory) {
    if (directory.isEmpty() || name.size() < directory.size())
        return name;
    for (qsizetype i = 0; i < directory.size(); ++i) {
        const QChar a = name.at(i);
        const QChar b = directory.at(i);
        if (IsSeparator(a) && IsSeparator(b))
            continue;
        if (a.toUpper() != b.toUpper())
            return name;
    }
    return name.mid(directory.size());
}

QString ExtractDir(const QString &path) {
    const qsizetype last = LastSeparator(path);
    if (last < 0)
        return QString();
    const QString part = path.left(last);
    const qsizetype first = FirstSeparator(part);
    if (first >= 0 && first == part.size() - 1)
        return part;
    return part + path.at(last);
}

QString ExtractName(const QString &path) {
    return path.mid(LastSeparator(path) + 1);
}

QChar ComposeAccent(QChar character, QChar accent) {
    for (const TAccentRow &row : kAccentRows) {
        if (row.Accent != accent)
            continue;
        for (int k = 0; row.Bases[k]; ++k) {
            if (row.Bases[k] == character.unicode())
                return QChar(row.Results[k]);
        }
        return character;
    }
    return character;
}

bool IsDeadAccent(QChar c) {
    return c == kAccentCaron || c == kAccentRing || c == kAccentAcute;
}

QString WithTrailingSeparator(const QString &directory) {
    const qsizetype first = FirstSeparator(directory);
    if (first >= 0 && first == directory.size() - 1)
        return directory;
    if (!directory.isEmpty() && IsSeparator(directory.back()))
        return directory;
    return directory + QDir::separator();
}
