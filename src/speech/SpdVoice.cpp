#include "SpdVoice.h"

#include "VoiceInfo.h"
#include "VoiceStrings.h"

#include <libspeechd.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>

namespace {

// How long the destructor waits for the service's thread before leaving it to a hung service.
constexpr auto kQuitWait = std::chrono::milliseconds(300);

struct TRequest {
    QString Text;
    QString VoiceId;
    int Rate = 0;
    int Volume = 100;
    quint64 Prompt = 0; // a prompt's number; 0 for a text
    TSpeechVoice::TPromptHeard Heard;
};

// "spd:module/voice" -> module, voice
std::pair<QString, QString> SplitId(const QString &id) {
    const QString rest = id.mid(4);
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return {rest, QString()};
    return {rest.left(slash), rest.mid(slash + 1)};
}

} // namespace

struct TSpdVoice::TState {
    std::mutex Mutex;
    std::condition_variable Wake;
    std::condition_variable Changed;
    QString Address;
    bool Settled = false; // connected and listed, or found absent
    bool Connected = false;
    bool Quit = false;
    bool Done = false; // the thread has ended
    QList<TVoiceToken> Voices;
    QString VoiceId;
    int Rate = 0;
    int Volume = 100;
    std::optional<TRequest> PendingText;
    std::optional<TRequest> PendingPrompt;
    bool CutPending = false; // the prompt sounding is to be silenced
    quint64 PromptGeneration = 0;
    // What is sounding: its message id and what it was.
    int SpeakingId = -1;
    TRequest Speaking;
    TPromptHeard OnTextEnd;
    SPDConnection *Connection = nullptr;

    void Run();
    void Connect();
    void Ended(size_t messageId, bool cancelled);
};

namespace {

// The library's callbacks carry no context: the one living connection's state is found here.
std::mutex gLiveMutex;
std::weak_ptr<TSpdVoice::TState> gLive;

void OnEnd(size_t messageId, size_t, SPDNotificationType type) {
    std::shared_ptr<TSpdVoice::TState> state;
    {
        std::lock_guard lock(gLiveMutex);
        state = gLive.lock();
    }
    if (state)
        state->Ended(messageId, type == SPD_EVENT_CANCEL);
}

} // namespace

void TSpdVoice::TState::Ended(size_t messageId, bool cancelled) {
    TPromptHeard textEnd;
    TPromptHeard heard;
    {
        std::lock_guard lock(Mutex);
        if (SpeakingId < 0 || size_t(SpeakingId) != messageId)
            return;
        SpeakingId = -1;
        if (Speaking.Prompt == 0)
            textEnd = OnTextEnd;
        // A prompt cut by another prompt or a cut is never reported; one cut by a text is heard.
        else if (Speaking.Prompt == PromptGeneration && (!cancelled || PendingText))
            heard = Speaking.Heard;
        Wake.notify_all();
        Changed.notify_all();
    }
    if (textEnd)
        textEnd(0);
    if (heard)
        heard(0);
}

void TSpdVoice::TState::Connect() {
    char *error = nullptr;
    SPDConnectionAddress *address = nullptr;
    if (!Address.isEmpty()) {
        address = spd_get_default_address(&error);
        free(error);
        error = nullptr;
        if (address) {
            free(address->unix_socket_name);
            address->method = SPD_METHOD_UNIX_SOCKET;
            address->unix_socket_name = strdup(Address.mid(12).toLocal8Bit().constData());
        }
    }
    // Never start a service of our own: without the desktop's, its group is simply missing.
    SPDConnection *connection =
        spd_open2("orvanta", "main", nullptr, SPD_MODE_THREADED, address, 0, &error);
    if (address)
        SPDConnectionAddress__free(address);
    free(error);
    QList<TVoiceToken> voices;
    if (connection) {
        connection->callback_end = OnEnd;
        connection->callback_cancel = OnEnd;
        spd_set_notification_on(connection, SPD_END);
        spd_set_notification_on(connection, SPD_CANCEL);
        if (char **modules = spd_list_modules(connection)) {
            for (char **m = modules; *m; ++m) {
                const QString module = QString::fromUtf8(*m);
                // The stand-in module speaks nothing.
                if (module == QLatin1String("dummy") || spd_set_output_module(connection, *m))
                    continue;
                SPDVoice **list = spd_list_synthesis_voices(connection);
                for (SPDVoice **v = list; v && *v; ++v) {
                    // Variants multiply every voice many times over; the voices themselves are
                    // what a user chooses among.
                    if ((*v)->variant && qstrcmp((*v)->variant, "none") != 0)
                        continue;
                    TVoiceToken token;
                    token.Id = QStringLiteral("spd:") + module + QLatin1Char('/') +
                               QString::fromUtf8((*v)->name);
                    token.Attributes.insert(QStringLiteral("Name"), QString::fromUtf8((*v)->name));
                    token.Attributes.insert(QStringLiteral("Vendor"),
                                            VoiceStrings::ServiceVendor.arg(module));
                    token.Attributes.insert(QStringLiteral("Age"), QStringLiteral("Adult"));
                    if (const auto id = LocaleIdOfLanguage(QString::fromUtf8((*v)->language)))
                        token.Attributes.insert(QStringLiteral("Language"),
                                                QString::number(*id, 16).toUpper());
                    voices.append(token);
                }
                if (list)
                    free_spd_voices(list);
            }
            free_spd_modules(modules);
        }
    }
    std::lock_guard lock(Mutex);
    Connection = connection;
    Connected = connection != nullptr;
    Voices = voices;
    Settled = true;
    Changed.notify_all();
}

void TSpdVoice::TState::Run() {
    Connect();
    std::unique_lock lock(Mutex);
    while (!Quit && Connection) {
        Wake.wait(lock, [this] {
            return Quit || PendingText || CutPending || (PendingPrompt && SpeakingId < 0) ||
                   (PendingPrompt && Speaking.Prompt != 0);
        });
        if (Quit)
            break;
        if (CutPending) {
            CutPending = false;
            if (SpeakingId >= 0 && Speaking.Prompt != 0) {
                lock.unlock();
                spd_cancel(Connection);
                lock.lock();
            }
            continue;
        }
        // A text goes first and cuts whatever sounds; a prompt cuts only a prompt.
        std::optional<TRequest> &next = PendingText ? PendingText : PendingPrompt;
        TRequest request = std::move(*next);
        next.reset();
        const bool cut = SpeakingId >= 0;
        // A prompt cut short by a text counts as heard; its own end will not be recognised.
        TPromptHeard cutHeard;
        if (cut && request.Prompt == 0 && Speaking.Prompt != 0 &&
            Speaking.Prompt == PromptGeneration)
            cutHeard = std::move(Speaking.Heard);
        SpeakingId = -1;
        lock.unlock();
        if (cut)
            spd_cancel(Connection);
        if (cutHeard)
            cutHeard(0);
        const auto [module, name] = SplitId(request.VoiceId);
        bool ok = spd_set_output_module(Connection, module.toUtf8().constData()) == 0 &&
                  spd_set_synthesis_voice(Connection, name.toUtf8().constData()) == 0;
        ok = ok && spd_set_voice_rate(Connection, ServiceRate(request.Rate)) == 0 &&
             spd_set_volume(Connection, ServiceVolume(request.Volume)) == 0;
        const int id = ok ? spd_say(Connection, SPD_TEXT, request.Text.toUtf8().constData()) : -1;
        lock.lock();
        if (id < 0) {
            // The service has gone: the program speaks with its own engine from now on.
            Connected = false;
            Changed.notify_all();
            if (request.Prompt != 0 && request.Heard) {
                lock.unlock();
                request.Heard(0);
                lock.lock();
            }
            break;
        }
        SpeakingId = id;
        Speaking = std::move(request);
    }
    if (Connection) {
        SPDConnection *connection = Connection;
        Connection = nullptr;
        lock.unlock();
        spd_close(connection);
        lock.lock();
    }
    Connected = false;
    Done = true;
    Changed.notify_all();
}

TSpdVoice::TSpdVoice(QString address)
    : FState(std::make_shared<TState>()) {
    FState->Address = std::move(address);
    {
        std::lock_guard lock(gLiveMutex);
        gLive = FState;
    }
    std::thread([state = FState] { state->Run(); }).detach();
}

TSpdVoice::~TSpdVoice() {
    std::unique_lock lock(FState->Mutex);
    FState->Quit = true;
    FState->OnTextEnd = nullptr;
    FState->Wake.notify_all();
    // A hung service keeps the thread; it holds its own share of the state and ends with it.
    FState->Changed.wait_for(lock, kQuitWait, [this] { return FState->Done; });
}

QList<TVoiceToken> TSpdVoice::GetVoices() {
    std::lock_guard lock(FState->Mutex);
    return FState->Connected ? FState->Voices : QList<TVoiceToken>();
}

TVoiceToken TSpdVoice::Voice() {
    std::lock_guard lock(FState->Mutex);
    for (const TVoiceToken &token : std::as_const(FState->Voices))
        if (token.Id == FState->VoiceId)
            return token;
    return {};
}

bool TSpdVoice::SetVoice(const TVoiceToken &token) {
    std::lock_guard lock(FState->Mutex);
    for (const TVoiceToken &known : std::as_const(FState->Voices))
        if (known.Id == token.Id) {
            FState->VoiceId = token.Id;
            return true;
        }
    return false;
}

int TSpdVoice::Rate() const {
    std::lock_guard lock(FState->Mutex);
    return FState->Rate;
}

bool TSpdVoice::SetRate(int rate) {
    if (rate < -10 || rate > 10)
        return false;
    std::lock_guard lock(FState->Mutex);
    FState->Rate = rate;
    return true;
}

int TSpdVoice::Volume() const {
    std::lock_guard lock(FState->Mutex);
    return FState->Volume;
}

bool TSpdVoice::SetVolume(int volume) {
    if (volume < 0 || volume > 100)
        return false;
    std::lock_guard lock(FState->Mutex);
    FState->Volume = volume;
    return true;
}

bool TSpdVoice::Available() const {
    std::lock_guard lock(FState->Mutex);
    return FState->Connected;
}

bool TSpdVoice::Speak(const QString &text) {
    std::lock_guard lock(FState->Mutex);
    if (!FState->Connected || FState->VoiceId.isEmpty())
        return false;
    FState->PendingText = TRequest{text, FState->VoiceId, FState->Rate, FState->Volume, 0, {}};
    FState->Wake.notify_all();
    return true;
}

bool TSpdVoice::SpeakPrompt(const QString &text, const QString &voiceId, int rate, int volume,
                            TPromptHeard heard) {
    std::lock_guard lock(FState->Mutex);
    if (!FState->Connected)
        return false;
    FState->PendingPrompt =
        TRequest{text, voiceId, rate, volume, ++FState->PromptGeneration, std::move(heard)};
    FState->Wake.notify_all();
    return true;
}

void TSpdVoice::CutPrompt() {
    std::lock_guard lock(FState->Mutex);
    ++FState->PromptGeneration;
    FState->PendingPrompt.reset();
    FState->CutPending = true;
    FState->Wake.notify_all();
}

void TSpdVoice::SetOnTextHeard(TPromptHeard heard) {
    std::lock_guard lock(FState->Mutex);
    FState->OnTextEnd = std::move(heard);
}

bool TSpdVoice::WaitUntilSettled(int ms) {
    std::unique_lock lock(FState->Mutex);
    return FState->Changed.wait_for(lock, std::chrono::milliseconds(ms),
                                    [this] { return FState->Settled; });
}

bool TSpdVoice::WaitUntilIdle(int ms) {
    std::unique_lock lock(FState->Mutex);
    return FState->Changed.wait_for(lock, std::chrono::milliseconds(ms), [this] {
        return FState->SpeakingId < 0 && !FState->PendingText && !FState->PendingPrompt;
    });
}
