#include "AboutBox.h"
#include "AppStrings.h"
#include "CommandLine.h"
#include "DBusAutomation.h"
#include "DesktopShell.h"
#include "Directories.h"
#include "DrawnIcons.h"
#include "EngineLoader.h"
#include "FirstInput.h"
#include "FontWarmup.h"
#include "KeyRepeat.h"
#include "LateEngines.h"
#include "LocalSocketDde.h"
#include "MainForm.h"
#include "QtPrompts.h"
#include "QuitSignals.h"
#include "SingleInstance.h"
#include "SoundNotice.h"
#include "Translation.h"
#include "Voice.h"
#include "VoiceOutput.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSessionManager>
#include <QStandardPaths>
#include <cstdio>

namespace {

// The data directory: the current directory or the program's, and for an installed program
// (whose folder the user cannot write) the user's data folder, filled from the shipped data.
TDirectories StartDirectories() {
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    TDirectories dirs = DeriveDirectories(
        QDir::currentPath(), QCoreApplication::applicationFilePath(), userData,
        [](const QString &dir) { return QFileInfo(dir).isDir(); },
        [](const QString &dir) { return QFileInfo(dir).isWritable(); });
    if (!userData.isEmpty() && dirs.DataDir != dirs.ProgramDir &&
        QDir(dirs.DataDir) == QDir(userData))
        FillDataFolder(dirs.ProgramDir, dirs.DataDir);
    if (!userData.isEmpty())
        dirs.UserDataDir = QDir::toNativeSeparators(userData) + QDir::separator();
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (!config.isEmpty())
        dirs.ConfigDir = QDir::toNativeSeparators(config) + QDir::separator();
    return dirs;
}

} // namespace

int main(int argc, char *argv[]) {
    // The command line is read before any window exists, so help, version and a wrong word are
    // answered also where no display is at hand.
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words.append(QString::fromLocal8Bit(argv[i]));
    const TCommandLine commandLine(words);
    switch (commandLine.Action()) {
    case TCommandLine::caHelp:
        std::fputs(TCommandLine::HelpText().toLocal8Bit().constData(), stdout);
        return commandLine.ExitCode();
    case TCommandLine::caVersion:
        std::fputs(TCommandLine::VersionText().toLocal8Bit().constData(), stdout);
        return commandLine.ExitCode();
    case TCommandLine::caError:
        std::fprintf(stderr, "orvanta: %s\nTry 'orvanta --help' for more information.\n",
                     commandLine.Error().toLocal8Bit().constData());
        return commandLine.ExitCode();
    case TCommandLine::caRun:
        break;
    }

    // On X11 every shared-memory paint is answered by a completion event, which wakes the
    // program twice more on every scan step; the cursor's small repaints go cheaper by socket.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    // Meanwhile the font configuration is read, which the window's first text needs: setting up
    // the toolkit keeps one core busy and leaves the other to it. Then, while the window is
    // built, the toolkit's list of fonts is filled.
    TFontWarmup fonts;
    QApplication app(argc, argv);
    fonts.ToolkitUp();
    const auto fontsDone = qScopeGuard([&fonts] { fonts.Finish(); });
    QApplication::setStyle(new TDrawnIconStyle);
    UseDetectableKeyRepeat();
    // The command line has checked the word already.
    InstallTranslation(app, ChooseLanguage(ParseLanguage(commandLine.Lang()), SystemLanguages()));
    // Only the name: a display name would be appended to the window title. The user's folders
    // are named after it.
    QApplication::setApplicationName(AppStrings::ApplicationTitle);
    // The desktop entry that started it, so the desktop shows its name and icon for the window.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvanta.Orvanta"));
    Dirs() = StartDirectories();
    AutoReadMode = 0;

    TQtPrompts prompts;
    SetPrompts(&prompts);

    TSingleInstance instance(QStringLiteral("orvanta"));
    if (!instance.Acquire()) {
        prompts.Message(AppStrings::AlreadyRunning);
        return TCommandLine::ExitFailure;
    }

    // The speech engines; the system engine itself is made by the main window.
    TDBusAutomation automation;
    TLocalSocketDde dde;
    TDesktopShell shell;
    // Until the user chooses a voice, one of the interface's language speaks.
    const QString speechLanguage =
        InterfaceLanguage() == TLanguage::English ? QStringLiteral("en") : QStringLiteral("cs");
    // eSpeak NG, the desktop's speech service, the sounds and the sound server come in a module
    // loaded when they are first wanted; until then these stand in for them. The bundled click
    // stands for any sound that cannot be found.
    const QString defaultSound = Dirs().ProgramDir + AppStrings::EchoSound;
    // The module is loaded once the window exists; wanted before, it is loaded then.
    std::function<void()> loadEngines;
    bool enginesWantedEarly = false;
    const auto enginesWanted = [&loadEngines, &enginesWantedEarly] {
        if (loadEngines)
            loadEngines();
        else
            enginesWantedEarly = true;
    };
    TLateSounds sounds(defaultSound);
    sounds.SetOnWanted(enginesWanted);
    TLateRouting routing;
    routing.SetOnWanted(enginesWanted);
    // The system engine the main window makes (and frees when it goes).
    TLateVoice *systemVoice = nullptr;
    TVoice voice({[&systemVoice, enginesWanted]() -> std::unique_ptr<TSpeechVoice> {
                      auto late = std::make_unique<TLateVoice>();
                      late->SetOnWanted(enginesWanted);
                      systemVoice = late.get();
                      return late;
                  },
                  &automation, &dde, &sounds, &shell});
    TVoiceOutput speech(voice, &routing);
    std::unique_ptr<TEngineSet> engines;
    TEngineLoader loader(TEngineLoader::Candidates(QCoreApplication::applicationDirPath(),
                                                   QStringLiteral(ORVANTA_MODULE_DIR)),
                         {speechLanguage, defaultSound});

    QStringList arguments;
    if (!commandLine.TableFile().isEmpty())
        arguments.append(commandLine.TableFile());
    int status = 0;
    {
        fonts.WaitForConfiguration();
        TForm1 form(arguments, &speech);
        prompts.SetParent(&form);
        form.setWindowTitle(AppStrings::MainCaption);
        // The engines, once they have come: what was asked of them meanwhile is handed on.
        const auto arrived = [&](std::unique_ptr<TEngineSet> set, const QString &error) {
            if (!set) {
                std::fprintf(stderr, "orvanta: %s\n", qPrintable(error));
                sounds.Fail();
                if (systemVoice && voice.SapiVoice() == systemVoice)
                    systemVoice->Fail();
                form.SetSoundProblem(TSoundNotice::Speech, error);
                return;
            }
            engines = std::move(set);
            // A failing output is shown in the window, told from the audio threads.
            engines->SetOnHealth([&form](TEngineSet::TOutput output, const QString &error) {
                const TSoundNotice::TOutput which =
                    output == TEngineSet::TOutput::Speech    ? TSoundNotice::Speech
                    : output == TEngineSet::TOutput::Prompts ? TSoundNotice::Prompts
                                                             : TSoundNotice::Sounds;
                QMetaObject::invokeMethod(
                    &form, [&form, which, error] { form.SetSoundProblem(which, error); },
                    Qt::QueuedConnection);
            });
            routing.Attach(&engines->Routing());
            sounds.Attach(&engines->Sounds());
            std::unique_ptr<TSpeechVoice> real = engines->TakeVoice();
            if (systemVoice && voice.SapiVoice() == systemVoice) {
                systemVoice->Attach(std::move(real));
                voice.SapiVoiceReady();
                systemVoice->Flush();
            }
        };
        // Loading starts when the engines are first wanted: on the user's first input, which
        // comes before the key it reaches is spoken, or on the first text, prompt or sound asked
        // for (an automation client's, a spoken prompt of the scan). Until then the program
        // keeps to what its window needs.
        loadEngines = [&loader, arrived] { loader.Start(arrived); };
        if (enginesWantedEarly)
            loadEngines();
        std::unique_ptr<TFirstInput> firstInput;
        // The program's icon once the first frame is on the screen: the drawing is a vector
        // one, drawn through a plug-in.
        form.SetOnFirstFrame([&firstInput, enginesWanted] {
            firstInput = std::make_unique<TFirstInput>(enginesWanted);
            QApplication::setWindowIcon(TAboutBox::ProgramIconImage());
        });
        // Ended from outside (a signal, the session logging out): closed as "&Konec" closes it,
        // so the text and the settings are kept.
        TQuitSignals quitSignals;
        QObject::connect(&quitSignals, &TQuitSignals::Requested, &form,
                         [&form] { form.EndFromOutside(); });
        QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                         [&form](QSessionManager &) { form.EndFromOutside(); });
        form.show();
        status = QApplication::exec();
        loadEngines = nullptr;
        if (engines)
            engines->SetOnHealth({});
        prompts.SetParent(nullptr);
    }
    voice.CloseVoice();
    routing.Attach(nullptr);
    sounds.Attach(nullptr);
    SetPrompts(nullptr);
    return status;
}
