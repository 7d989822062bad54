#include "SpVoice.h"

#include "AudioOutput.h"
#include "SapiMarkup.h"
#include "VoiceInfo.h"
#include "VoiceStrings.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>

namespace {

// eSpeak NG hands out samples in pieces of this length; short pieces make the first sound come
// early and let a purge cut in quickly.
constexpr int kPieceMs = 20;

// What the library's callback gets back from a synthesis: whose text it is.
struct TJob {
    TSpVoice *Self;
    quint64 Generation;
    quint64 Prompt;
};

int SynthCallback(short *samples, int count, espeak_EVENT *events) {
    const auto *job = events ? static_cast<const TJob *>(events->user_data) : nullptr;
    return job ? job->Self->Deliver(job->Generation, job->Prompt, samples, count) : 0;
}

QString AgeText(int age) {
    // eSpeak NG gives an age in years, 0 when the voice does not say (its voices are adults).
    if (age == 0)
        return QStringLiteral("Adult");
    if (age < 13)
        return QStringLiteral("Child");
    if (age < 20)
        return QStringLiteral("Teen");
    if (age < 65)
        return QStringLiteral("Adult");
    return QStringLiteral("Senior");
}

// eSpeak NG lists a voice's languages as a priority byte, the tag and a zero, repeated, ended by
// a zero priority.
QStringList LanguagesOf(const char *languages) {
    QStringList tags;
    if (!languages)
        return tags;
    const char *p = languages;
    while (*p) {
        ++p; // priority
        const size_t length = std::strlen(p);
        tags.append(QString::fromUtf8(p, qsizetype(length)));
        p += length + 1;
    }
    return tags;
}

TVoiceToken TokenOf(const espeak_VOICE &voice) {
    TVoiceToken token;
    token.Id = QString::fromUtf8(voice.identifier);
    token.Attributes.insert(QStringLiteral("Name"), QString::fromUtf8(voice.name));
    token.Attributes.insert(QStringLiteral("Vendor"), VoiceStrings::Vendor);
    if (voice.gender == 1)
        token.Attributes.insert(QStringLiteral("Gender"), QStringLiteral("Male"));
    else if (voice.gender == 2)
        token.Attributes.insert(QStringLiteral("Gender"), QStringLiteral("Female"));
    token.Attributes.insert(QStringLiteral("Age"), AgeText(voice.age));
    QStringList ids;
    for (const QString &tag : LanguagesOf(voice.languages))
        if (const auto id = LocaleIdOfLanguage(tag)) {
            const QString hex = QString::number(*id, 16).toUpper();
            if (!ids.contains(hex))
                ids.append(hex);
        }
    if (!ids.isEmpty())
        token.Attributes.insert(QStringLiteral("Language"), ids.join(QLatin1Char(';')));
    return token;
}

} // namespace

TSpVoice::TSpVoice(std::shared_ptr<TSampleSink> sink, QString language,
                   std::shared_ptr<TSampleSink> promptSink)
    : FSink(std::move(sink))
    , FPromptSink(std::move(promptSink))
    , FLanguage(std::move(language)) {
    if (!FSink)
        FSink = std::make_shared<TAudioOutput>(QueueMs);
    if (!FPromptSink)
        FPromptSink = FSink;
    FWorker = std::thread([this] { Run(); });
}

TSpVoice::~TSpVoice() {
    {
        std::lock_guard lock(FMutex);
        FQuit = true;
        FPending.reset();
        FPendingPrompt.reset();
    }
    ++FGeneration;
    FSink->Purge();
    if (FPromptSink != FSink)
        FPromptSink->Purge();
    FWake.notify_all();
    FWorker.join();
}

int TSpVoice::WordsPerMinute(int rate) {
    return std::clamp(int(std::lround(espeakRATE_NORMAL * RateFactor(rate))), espeakRATE_MINIMUM,
                      espeakRATE_MAXIMUM);
}

int TSpVoice::EngineVolume(int volume) {
    return std::clamp(volume, 0, 100);
}

void TSpVoice::Run() {
    // The library is brought up once per process and never shut down: its shutdown can wait
    // forever for its own idle queue thread when it comes soon after the start.
    static int rate = 0;
    static bool initialized = false;
    if (!initialized) {
        initialized = true;
        rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, kPieceMs, nullptr,
                                 espeakINITIALIZE_DONT_EXIT);
    }
    QList<TVoiceToken> voices;
    QString byTag;    // a voice with exactly the default language's tag
    QString byPrefix; // else one of its regional variants
    const QString prefix = FLanguage + QLatin1Char('-');
    if (rate > 0) {
        espeak_SetSynthCallback(&SynthCallback);
        if (const espeak_VOICE **list = espeak_ListVoices(nullptr)) {
            for (; *list; ++list) {
                // Voices that need the separate MBROLA synthesizer cannot speak here.
                if (std::strncmp((*list)->identifier, "mb/", 3) == 0)
                    continue;
                voices.append(TokenOf(**list));
                for (const QString &tag : LanguagesOf((*list)->languages)) {
                    if (byTag.isEmpty() && tag == FLanguage)
                        byTag = voices.last().Id;
                    if (byPrefix.isEmpty() && tag.startsWith(prefix))
                        byPrefix = voices.last().Id;
                }
            }
        }
    }
    std::unique_lock lock(FMutex);
    FSampleRate = rate > 0 ? rate : 0;
    FVoices = voices;
    FDefaultId = byTag.isEmpty() ? byPrefix : byTag;
    FReady = true;
    FChanged.notify_all();
    while (true) {
        FWake.wait(lock, [this] { return FQuit || FPending || FPendingPrompt; });
        if (FQuit)
            break;
        // A text goes first; a prompt waits for it.
        std::optional<TRequest> &next = FPending ? FPending : FPendingPrompt;
        TRequest request = *next;
        next.reset();
        // A prompt that waited for a text plays after it.
        if (request.Prompt != 0)
            request.Generation = FGeneration;
        FPromptSounding = request.Prompt != 0;
        FBusy = true;
        lock.unlock();
        if (FSampleRate > 0 && Current(request.Generation, request.Prompt)) {
            Synthesize(request);
            // A prompt cut short by a text counts as heard: only another prompt or a cut
            // makes its end meaningless.
            if (request.Heard && Current(request.Generation, request.Prompt))
                request.Heard(std::max<qint64>(FAudioEnd - Now(), 0));
            else if (request.Heard && FPromptGeneration == request.Prompt)
                request.Heard(0);
            if (request.Prompt == 0 && Current(request.Generation, 0)) {
                lock.lock();
                const TPromptHeard heard = FOnTextHeard;
                lock.unlock();
                if (heard)
                    heard(std::max<qint64>(FAudioEnd - Now(), 0));
            }
        }
        lock.lock();
        FBusy = false;
        FChanged.notify_all();
    }
}

void TSpVoice::Synthesize(const TRequest &request) {
    const QString voice = request.VoiceId.isEmpty() ? FDefaultId : request.VoiceId;
    const TSpeechText speech = TranslateMarkup(request.Text, request.Rate);
    // A voice element switches the library's voice; the next text starts from ours again.
    if (voice != FLoadedVoice || speech.IsSsml) {
        if (voice.isEmpty() || espeak_SetVoiceByName(voice.toUtf8().constData()) != EE_OK)
            espeak_SetVoiceByName(FLanguage.toUtf8().constData());
        FLoadedVoice = speech.IsSsml ? QString() : voice;
    }
    espeak_SetParameter(espeakRATE, WordsPerMinute(request.Rate), 0);
    espeak_SetParameter(espeakVOLUME, EngineVolume(request.Volume), 0);
    (request.Prompt != 0 ? FPromptSink : FSink)->Begin(FSampleRate, 1);
    const QByteArray text = speech.Text.toUtf8();
    TJob job{this, request.Generation, request.Prompt};
    espeak_Synth(text.constData(), size_t(text.size()) + 1, 0, POS_CHARACTER, 0,
                 espeakCHARS_UTF8 | (speech.IsSsml ? espeakSSML : 0), nullptr, &job);
}

qint64 TSpVoice::Now() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int TSpVoice::Deliver(quint64 generation, quint64 prompt, const short *samples, int count) {
    if (!Current(generation, prompt))
        return 1; // a newer text purged this one
    if (samples && count > 0) {
        (prompt != 0 ? FPromptSink : FSink)->Write(samples, count);
        // The sink plays in real time, so the sound ends this much later than what is queued
        // ends, or than now when nothing is queued (also when there is no audio device).
        const qint64 now = Now();
        FAudioEnd = std::max<qint64>(FAudioEnd, now) + qint64(count) * 1000 / FSampleRate;
    }
    return Current(generation, prompt) ? 0 : 1;
}

void TSpVoice::WaitUntilReady() {
    std::unique_lock lock(FMutex);
    FChanged.wait(lock, [this] { return FReady; });
}

void TSpVoice::WaitUntilIdle() {
    std::unique_lock lock(FMutex);
    FChanged.wait(lock, [this] { return FReady && !FBusy && !FPending && !FPendingPrompt; });
}

QList<TVoiceToken> TSpVoice::GetVoices() {
    WaitUntilReady();
    std::lock_guard lock(FMutex);
    return FVoices;
}

TVoiceToken TSpVoice::Voice() {
    WaitUntilReady();
    std::lock_guard lock(FMutex);
    const QString id = FVoiceId.isEmpty() ? FDefaultId : FVoiceId;
    for (const TVoiceToken &token : std::as_const(FVoices))
        if (token.Id == id)
            return token;
    return {};
}

bool TSpVoice::SetVoice(const TVoiceToken &token) {
    WaitUntilReady();
    std::lock_guard lock(FMutex);
    for (const TVoiceToken &known : std::as_const(FVoices))
        if (known.Id == token.Id) {
            FVoiceId = token.Id;
            return true;
        }
    return false;
}

bool TSpVoice::SetRate(int rate) {
    if (rate < -10 || rate > 10)
        return false;
    FRate = rate;
    return true;
}

bool TSpVoice::SetVolume(int volume) {
    if (volume < 0 || volume > 100)
        return false;
    FVolume = volume;
    return true;
}

bool TSpVoice::Speak(const QString &text) {
    TRequest request{text, FVoiceId, FRate, FVolume, 0, 0, {}};
    {
        std::lock_guard lock(FMutex);
        // Until the engine is up a text simply waits for it; afterwards a failed start shows.
        if (FReady && FSampleRate == 0)
            return false;
        request.Generation = ++FGeneration;
        FPending = request;
        FAudioEnd = Now();
    }
    FSink->Purge();
    // A text cuts a prompt short wherever it sounds.
    if (FPromptSink != FSink)
        FPromptSink->Purge();
    FWake.notify_all();
    // The text is tried all the same: the output finds its way back to sound at a new text.
    return !FSink->Failing();
}

bool TSpVoice::SpeakPrompt(const QString &text, const QString &voiceId, int rate, int volume,
                           TPromptHeard heard) {
    TRequest request{text, voiceId, std::clamp(rate, -10, 10), std::clamp(volume, 0, 100),
                     0,    0,       std::move(heard)};
    bool purge = false;
    {
        std::lock_guard lock(FMutex);
        if (FReady && FSampleRate == 0)
            return false;
        request.Generation = FGeneration;
        request.Prompt = ++FPromptGeneration;
        FPendingPrompt = std::move(request);
        // Only a prompt is cut; a text still being heard is waited for.
        purge = FPromptSounding;
        if (purge)
            FAudioEnd = Now();
    }
    if (purge)
        FPromptSink->Purge();
    FWake.notify_all();
    // Its end is reported even while the output is failing, so the scan goes on at its pace.
    return true;
}

void TSpVoice::SetOnTextHeard(TPromptHeard heard) {
    std::lock_guard lock(FMutex);
    FOnTextHeard = std::move(heard);
}

void TSpVoice::CutPrompt() {
    bool purge = false;
    {
        std::lock_guard lock(FMutex);
        ++FPromptGeneration;
        FPendingPrompt.reset();
        purge = FPromptSounding;
        if (purge)
            FAudioEnd = Now();
    }
    if (purge)
        FPromptSink->Purge();
}
