#include "EngineLoader.h"

#include "TText.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMetaObject>

TEngineLoader::TEngineLoader(QStringList candidates, TEngineOptions options)
    : FCandidates(std::move(candidates))
    , FOptions(std::move(options)) {}

TEngineLoader::~TEngineLoader() {
    if (FThread.joinable())
        FThread.join();
}

QStringList TEngineLoader::Candidates(const QString &programDir, const QString &moduleDir) {
    const QString name = QStringLiteral("orvanta-engines.so");
    QStringList files{QDir(programDir).filePath(name)};
    if (!moduleDir.isEmpty())
        files.append(
            QDir::cleanPath(QDir(programDir).filePath(moduleDir + QLatin1Char('/') + name)));
    return files;
}

void TEngineLoader::Start(TDone done) {
    if (FThread.joinable())
        return;
    QObject *receiver = FReceiver.get();
    FThread = std::thread([this, receiver, done = std::move(done)] {
        QString error;
        TEngineSet *engines = nullptr;
        const auto file = std::find_if(FCandidates.begin(), FCandidates.end(),
                                       [](const QString &f) { return QFileInfo(f).isFile(); });
        if (file == FCandidates.end()) {
            error = TText("EngineLoader", "Řeč a zvuky chybí: soubor %1 nebyl nalezen.")
                        .arg(FCandidates.value(0));
        } else {
            // Never unloaded: the engines' threads run its code to the end of the program.
            QLibrary library(*file);
            // Every symbol now: one missing is told here, not as a crash later.
            library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
            const auto make = reinterpret_cast<TMakeEngines>(library.resolve(MakeEnginesSymbol));
            if (!make)
                error = TText("EngineLoader", "Řeč a zvuky nelze spustit: %1")
                            .arg(library.errorString());
            else if (!(engines = make(&FOptions)))
                error = TText("EngineLoader", "Řeč a zvuky nelze spustit.");
        }
        // Owned by the call until it is told; dropped with it when the receiver has gone.
        auto owned = std::make_shared<std::unique_ptr<TEngineSet>>(engines);
        QMetaObject::invokeMethod(
            receiver, [done, owned, error] { done(std::move(*owned), error); },
            Qt::QueuedConnection);
    });
}
