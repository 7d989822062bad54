#pragma once

#include "Lexicon.h"
#include "UserModel.h"

#include <QMap>
#include <QSet>
#include <QStringList>

// What choosing a candidate does to the text: remove `Remove` characters before the caret (the
// part of the word typed so far) and write `Insert` there (the word and a space).
struct TReplacement {
    qsizetype Remove = 0;
    QString Insert;
};

// Word prediction for one language. The window uses it in three calls:
//
//   Candidates(textBeforeCaret, capital, slotCount)  the words for the slots, best first; call it
//       whenever the display changes. `capital` is true when the composer would write a capital
//       at the start of the word being typed (start of a sentence, Shift, Caps Lock); otherwise
//       the candidates follow the case typed so far.
//   Accept(textBeforeCaret, candidate)  what choosing a slot writes (see TReplacement).
//   Observe(text)  on every change of the display, with its text before the caret; a word is
//       learned once when a later text shows it followed by a space or punctuation.
//
// Setting up: TLexicon::Load on Predict/cs.lex or Predict/en.lex of the data folder (a few
// milliseconds; do it once the window shows), SetLexicon, then UserModel().Load on the file of
// learned words in the user's data folder. When Load refuses a damaged file, show its message
// and carry on: the model starts empty and the next Save replaces the file.
// Save the user model (UserModel().Save) when the program ends or at a quiet moment; nothing is
// written behind the caller's back. "Forget what was learned" is ForgetAll and a Save.
// Punctuation typed right after a chosen word takes the place of its space: that edit is the
// window's. Not thread-safe; one instance per display.
class TPredictor {
public:
    void SetLexicon(TLexicon lexicon) {
        FLexicon = std::move(lexicon);
        FLexiconCache.clear();
        FUser.ClearPriors();
    }
    const TLexicon &Lexicon() const { return FLexicon; }
    TUserModel &UserModel() { return FUser; }
    const TUserModel &UserModel() const { return FUser; }

    QStringList Candidates(const QString &textBeforeCaret, bool capital, int slotCount);
    TReplacement Accept(const QString &textBeforeCaret, const QString &candidate);
    void Observe(const QString &text);
    // Takes `text` as observed without learning from it: a text already there when prediction
    // starts (one kept from an earlier run) was learned when it was written.
    void StartFrom(const QString &text) {
        FLastText = text;
        FCounted.clear();
    }
    // Forgets everything learned, the words counted in the current text and whether the user
    // types diacritics included.
    void ForgetAll();

private:
    struct TCandidate {
        QString Shown;
        double Score = 0;
    };
    struct TCounted {
        QString Previous;
        QString Word;
    };
    void AddCompletions(const QString &typed, const QString &previous,
                        QHash<QString, TCandidate> *pool, qsizetype wanted) const;
    void AddNextWords(const QString &previous, QHash<QString, TCandidate> *pool,
                      qsizetype wanted) const;
    double UserScore(const TWordUse &use) const;
    // What a word with a diacritic where a base letter was typed loses, for one who types them.
    double Loose(const QString &typed, const QString &word) const;
    double Recency(const TWordUse &use) const;
    // The lexicon's frequency and spelling of a learned word, looked up once.
    struct TLexiconInfo {
        quint32 Frequency = 0;
        float LogFrequency = 0;
        QString Shown;
    };
    const TLexiconInfo &LexiconInfo(const QString &word) const;
    double PairScore(const TWordUse &use) const;
    double ShippedScore(quint32 count) const;
    // The shipped pairs that start with `previous` ("" for a sentence start).
    std::pair<qsizetype, qsizetype> ShippedFollowers(const QString &previous) const;

    TLexicon FLexicon;
    TUserModel FUser;
    mutable QHash<QString, TLexiconInfo> FLexiconCache;

    // Offers for the word being typed: where it starts, the text before it, what was typed when
    // the slots last changed, what they showed then, and what earlier letters of it showed.
    qsizetype FOfferStart = -1;
    QString FOfferContext;
    QString FOfferTyped;
    QStringList FShown;
    QSet<QString> FOffered;

    // Set once the user types a letter with a diacritic into a word: from then on a base letter
    // typed is most likely meant as one.
    bool FTypesDiacritics = false;

    // Learning: the text last observed and the words of it already counted, by their start.
    QString FLastText;
    QMap<qsizetype, TCounted> FCounted;
};
