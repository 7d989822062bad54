#include "AboutBox.h"
#include "AppStrings.h"
#include "Directories.h"
#include "MainForm.h"
#include "QtPrompts.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

int main(int argc, char *argv[]) {
    // On X11 every shared-memory paint is answered by a completion event, which wakes the
    // program twice more on every scan step; the cursor's small repaints go cheaper by socket.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    Dirs() = DeriveDirectories(QDir::currentPath(), QCoreApplication::applicationFilePath(),
                               [](const QString &dir) { return QFileInfo(dir).isDir(); });
    AutoReadMode = 0;

    TQtPrompts prompts;
    SetPrompts(&prompts);

    TSingleInstance instance(QStringLiteral("orvanta"));
    if (!instance.Acquire()) {
        prompts.Message(AppStrings::AlreadyRunning);
        return 1;
    }
    // Only the name: a display name would be appended to the window title.
    QApplication::setApplicationName(AppStrings::ApplicationTitle);
    QApplication::setWindowIcon(TAboutBox::ProgramIconImage());

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    int status = 0;
    {
        TForm1 form(arguments);
        prompts.SetParent(&form);
        form.setWindowTitle(AppStrings::MainCaption);
        form.show();
        status = QApplication::exec();
        prompts.SetParent(nullptr);
    }
    SetPrompts(nullptr);
    return status;
}
