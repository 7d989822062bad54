// Feeds arbitrary bytes to the readers of prediction: the compact word list (first byte 'L') and
// the file of learned words (anything else). What a reader accepts must also be usable: the word
// list answers queries, and learned words read back the same after writing.
#include "Lexicon.h"
#include "Predictor.h"
#include "UserModel.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    if (data[0] == 'L') {
        TLexicon lexicon;
        if (!lexicon.Read(bytes, nullptr))
            return 0;
        TPredictor predictor;
        predictor.SetLexicon(lexicon);
        // Also after words a list's pairs may start with, and at a sentence start.
        for (const char *text : {"", "a", "po", "Dob", "děk", "x y ", "pes ", "pes p", "Ahoj. "})
            predictor.Candidates(QString::fromUtf8(text), false, 5);
        for (qsizetype i = 0; i < lexicon.Size(); ++i) {
            lexicon.FrequencyOf(lexicon.Word(i));
            const auto pairs = lexicon.Pairs(quint32(i));
            for (qsizetype p = pairs.first; p < pairs.second; ++p)
                lexicon.Word(lexicon.PairSecond(p));
        }
        return 0;
    }
    TUserModel model;
    if (!model.Parse(bytes, nullptr))
        return 0;
    TUserModel again;
    if (!again.Parse(model.Serialize(), nullptr) || again.Serialize() != model.Serialize())
        std::abort();
    return 0;
}
