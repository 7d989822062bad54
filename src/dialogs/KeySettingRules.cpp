#include "KeySettingRules.h"

#include "SpecialKey.h"

#include <cmath>

namespace KeySettingRules {

namespace {

constexpr int kSoundCode = SpecialCodeOf(TSpecialKey::Sound);
constexpr int kOtherCode = SpecialCodeOf(TSpecialKey::Other);

QString TrimFraction(QString digits) {
    if (!digits.contains(QLatin1Char('.')))
        return digits;
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    if (digits.endsWith(QLatin1Char('.')))
        digits.chop(1);
    return digits;
}

} // namespace

TApplyTarget ApplyTarget(bool hasSelectionReference, qsizetype selectedCount) {
    if (!hasSelectionReference)
        return TApplyTarget::EditedKey;
    if (selectedCount <= 0)
        return TApplyTarget::NoSelection;
    return selectedCount == 1 ? TApplyTarget::OneKey : TApplyTarget::AppearanceToEach;
}

TPageState PageState(int specialCode, qsizetype selectedCount) {
    const bool one = selectedCount <= 1;
    TPageState s;
    s.SymbolPage = one;
    s.TextEnabled = one;
    s.SpecialEnabled = one && specialCode != 0;
    s.OtherPage = one && (specialCode == kSoundCode || specialCode == kOtherCode);
    s.SoundEnabled = specialCode == kSoundCode;
    s.TableEnabled = specialCode == kOtherCode;
    return s;
}

double SymbolAspect(const QSize &size) {
    if (!size.isValid() || size.isEmpty())
        return 1.0;
    return double(size.height()) / double(size.width());
}

QString FormatAspect(double aspect, const QLocale &locale) {
    if (aspect == 0 || !std::isfinite(aspect))
        return QStringLiteral("0");
    // Rounded to 4 significant digits first, so 9999.7 counts as 1.000E4.
    const QString scientific = QString::number(aspect, 'e', 3);
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    const int exponent = scientific.mid(e + 1).toInt();
    QString text;
    if (exponent >= 4 || exponent < -5) {
        text = TrimFraction(scientific.left(e)) + QLatin1Char('E') + QString::number(exponent);
    } else {
        const double rounded = scientific.toDouble();
        text = TrimFraction(QString::number(rounded, 'f', std::max(0, 3 - exponent)));
    }
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}

std::optional<double> ParseAspect(const QString &text, const QLocale &locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    // Thousands separators are refused: "1,5" must never be read as 15.
    QLocale strict(locale);
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    double value = strict.toDouble(trimmed, &ok);
    if (!ok) {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::RejectGroupSeparator);
        value = c.toDouble(trimmed, &ok);
    }
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace KeySettingRules
