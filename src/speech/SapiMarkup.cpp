#include "SapiMarkup.h"

#include "VoiceInfo.h"

#include <QList>
#include <QStringList>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

namespace {

// An element being read: what closes its translation, and what elements without content opened
// inside it (they reach to the end of this element).
struct TFrame {
    QString Closer;
    QStringList Open;
};

QString Escape(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<int> Number(const QXmlStreamAttributes &attributes, const char *name) {
    bool ok = false;
    const int value = attributes.value(QLatin1String(name)).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString Percent(double factor) {
    return QString::number(std::lround(factor * 100)) + QLatin1Char('%');
}

// "Gender=Female;Language=405" as SSML voice attributes. A part without "=" continues the value
// before it ("Language=405;409").
QString VoiceAttributes(const QXmlStreamAttributes &attributes) {
    QString gender, language, name;
    for (const char *attribute : {"optional", "required"}) {
        QString key;
        for (const QString &part : attributes.value(QLatin1String(attribute))
                                       .toString()
                                       .split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const qsizetype eq = part.indexOf(QLatin1Char('='));
            QString value = part;
            if (eq >= 0) {
                key = part.left(eq).trimmed().toLower();
                value = part.mid(eq + 1);
            } else if (key != QLatin1String("language")) {
                continue;
            }
            value = value.trimmed();
            if (key == QLatin1String("gender"))
                gender = value.toLower();
            else if (key == QLatin1String("name"))
                name = value;
            else if (key == QLatin1String("language") && (eq >= 0 || language.isEmpty())) {
                bool ok = false;
                const QString tag = LanguageOfLocaleId(std::int32_t(value.toUInt(&ok, 16)));
                if (ok && !tag.isEmpty())
                    language = tag;
            }
        }
    }
    QString out;
    if (!name.isEmpty())
        out += QStringLiteral(" name=\"%1\"").arg(Escape(name));
    if (!language.isEmpty())
        out += QStringLiteral(" xml:lang=\"%1\"").arg(language);
    if (gender == QLatin1String("male") || gender == QLatin1String("female"))
        out += QStringLiteral(" gender=\"%1\"").arg(gender);
    return out;
}

} // namespace

double RateFactor(int rate) {
    return std::pow(3.0, std::clamp(rate, -10, 10) / 10.0);
}

TSpeechText TranslateMarkup(const QString &text, int rate) {
    if (!text.contains(QLatin1Char('<')))
        return {text, false};

    QXmlStreamReader reader(QStringLiteral("<orvanta-markup>") + text +
                            QStringLiteral("</orvanta-markup>"));
    QString out = QStringLiteral("<speak>");
    QList<TFrame> frames;
    bool justOpened = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            const QString name = reader.name().toString().toLower();
            const QXmlStreamAttributes attributes = reader.attributes();
            QString opener, closer;
            if (name == QLatin1String("volume")) {
                if (const auto level = Number(attributes, "level")) {
                    opener = QStringLiteral("<prosody volume=\"%1\">")
                                 .arg(Percent(std::clamp(*level, 0, 100) / 100.0));
                    closer = QStringLiteral("</prosody>");
                }
            } else if (name == QLatin1String("rate")) {
                std::optional<double> factor;
                if (const auto speed = Number(attributes, "speed"))
                    factor = RateFactor(*speed);
                else if (const auto absolute = Number(attributes, "absspeed"))
                    factor = RateFactor(*absolute) / RateFactor(rate);
                if (factor) {
                    opener = QStringLiteral("<prosody rate=\"%1\">").arg(Percent(*factor));
                    closer = QStringLiteral("</prosody>");
                }
            } else if (name == QLatin1String("pitch")) {
                auto middle = Number(attributes, "middle");
                if (!middle)
                    middle = Number(attributes, "absmiddle");
                if (middle) {
                    // One step of -10..10 is a tenth of the voice's pitch.
                    opener = QStringLiteral("<prosody pitch=\"%1\">")
                                 .arg(Percent(1.0 + std::clamp(*middle, -10, 10) / 10.0));
                    closer = QStringLiteral("</prosody>");
                }
            } else if (name == QLatin1String("silence")) {
                if (const auto msec = Number(attributes, "msec"))
                    opener =
                        QStringLiteral("<break time=\"%1ms\"/>").arg(std::clamp(*msec, 0, 60000));
            } else if (name == QLatin1String("emph")) {
                opener = QStringLiteral("<emphasis>");
                closer = QStringLiteral("</emphasis>");
            } else if (name == QLatin1String("spell")) {
                opener = QStringLiteral("<say-as interpret-as=\"characters\">");
                closer = QStringLiteral("</say-as>");
            } else if (name == QLatin1String("voice")) {
                opener = QStringLiteral("<voice%1>").arg(VoiceAttributes(attributes));
                closer = QStringLiteral("</voice>");
            }
            out += opener;
            frames.append(TFrame{closer, {}});
            justOpened = true;
            break;
        }
        case QXmlStreamReader::EndElement: {
            TFrame frame = frames.takeLast();
            const bool empty = justOpened;
            justOpened = false;
            for (auto it = frame.Open.crbegin(); it != frame.Open.crend(); ++it)
                out += *it;
            // <volume level="50"/> sets the volume for the rest of the enclosing element.
            if (empty && !frame.Closer.isEmpty() && !frames.isEmpty() &&
                !frame.Closer.startsWith(QLatin1String("</emphasis")) &&
                !frame.Closer.startsWith(QLatin1String("</say-as")))
                frames.last().Open.append(frame.Closer);
            else
                out += frame.Closer;
            break;
        }
        case QXmlStreamReader::Characters:
            justOpened = false;
            out += Escape(reader.text());
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        return {text, false};
    out += QStringLiteral("</speak>");
    return {out, true};
}
