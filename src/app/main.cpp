#include "AboutBox.h"
#include "AppStrings.h"
#include "AudioOutput.h"
#include "CommandLine.h"
#include "DBusAutomation.h"
#include "DesktopShell.h"
#include "Directories.h"
#include "KeyRepeat.h"
#include "LocalSocketDde.h"
#include "MainForm.h"
#include "PulseRouting.h"
#include "QtPrompts.h"
#include "QtSoundPlayer.h"
#include "QuitSignals.h"
#include "SingleInstance.h"
#include "SoundNotice.h"
#include "SpVoice.h"
#include "SpdVoice.h"
#include "SystemVoice.h"
#include "Translation.h"
#include "Voice.h"
#include "VoiceOutput.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSessionManager>
#include <QStandardPaths>
#include <cstdio>

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
    QApplication app(argc, argv);
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
    QApplication::setWindowIcon(TAboutBox::ProgramIconImage());

    // The speech engines; the system engine itself is made by the main window.
    TDBusAutomation automation;
    TLocalSocketDde dde;
    // Speech, the scan's prompts and sounds each have an output of their own, which outlives the
    // engines using it; the prompts may play on another device (the user's headphones).
    const auto speechOut = std::make_shared<TAudioOutput>(TSpVoice::QueueMs);
    const auto promptOut = std::make_shared<TAudioOutput>(TSpVoice::QueueMs);
    const auto soundOut = std::make_shared<TAudioOutput>(TQtSoundPlayer::QueueMs);
    // The bundled click stands for any sound that cannot be found.
    TQtSoundPlayer sounds(Dirs().ProgramDir + AppStrings::EchoSound, soundOut);
    TDesktopShell shell;
    // Until the user chooses a voice, one of the interface's language speaks.
    const QString speechLanguage =
        InterfaceLanguage() == TLanguage::English ? QStringLiteral("en") : QStringLiteral("cs");
    // The embedded engine, joined by the voices of the desktop's speech service when it runs.
    TVoice voice({[speechOut, promptOut, speechLanguage] {
                      return std::make_unique<TSystemVoice>(
                          std::make_unique<TSpVoice>(speechOut, speechLanguage, promptOut),
                          std::make_unique<TSpdVoice>());
                  },
                  &automation, &dde, &sounds, &shell});
    TPulseRouting routing(speechOut, promptOut, soundOut);
    TVoiceOutput speech(voice, &routing);

    QStringList arguments;
    if (!commandLine.TableFile().isEmpty())
        arguments.append(commandLine.TableFile());
    int status = 0;
    {
        TForm1 form(arguments, &speech);
        prompts.SetParent(&form);
        form.setWindowTitle(AppStrings::MainCaption);
        // A failing output is shown in the window, told from the audio threads.
        const auto watch = [&form](TAudioOutput &out, TSoundNotice::TOutput which) {
            out.SetOnHealth([&form, which](const QString &error) {
                QMetaObject::invokeMethod(
                    &form, [&form, which, error] { form.SetSoundProblem(which, error); },
                    Qt::QueuedConnection);
            });
        };
        watch(*speechOut, TSoundNotice::Speech);
        watch(*soundOut, TSoundNotice::Sounds);
        watch(*promptOut, TSoundNotice::Prompts);
        // Ended from outside (a signal, the session logging out): closed as "&Konec" closes it,
        // so the text and the settings are kept.
        TQuitSignals quitSignals;
        QObject::connect(&quitSignals, &TQuitSignals::Requested, &form,
                         [&form] { form.EndFromOutside(); });
        QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                         [&form](QSessionManager &) { form.EndFromOutside(); });
        form.show();
        status = QApplication::exec();
        speechOut->SetOnHealth({});
        soundOut->SetOnHealth({});
        promptOut->SetOnHealth({});
        prompts.SetParent(nullptr);
    }
    voice.CloseVoice();
    SetPrompts(nullptr);
    return status;
}
