#pragma once

#include "ConfigFormat.h"
#include "MainMenu.h"
#include "OutsideTyping.h"
#include "ScanAccess.h"
#include "ScanPacer.h"
#include "SlotRowScan.h"
#include "SoundNotice.h"
#include "SwitchReceiver.h"
#include "TextComposer.h"
#include "TextJournal.h"
#include "VoiceSettings.h"
#include "WordSlots.h"

#include <QList>
#include <QMainWindow>
#include <QPair>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QAction;
class QDialog;
class QLabel;
class QMenu;
class TComponentReader;
class TPrinter;
class QPushButton;
class QSplitter;
class QStatusBar;
class QTextEdit;
class QTimer;
class QToolButton;
class QWidget;
class TAboutBox;
class TConfirmDlg;
class TDirDialog;
class TDlgSAPI5;
class TDlgVoice;
class TDragRect;
class TGridDialog;
class THelpViewer;
class TKeySettingDlg;
class TPromptSpeech;
class TSpeechOutput;
class TSlotRow;
class TSwitchFilter;
class TTimeGrid;
class TVxKey;
struct TKeyFont;
struct TTableFile;

// The main window: the text display on top, the control strip, the key panel with the grid
// and, in edit mode, the menu and the status bar. Its work is split by concern over several
// .cpp files: MainForm (controls), Lifecycle, EditMode, KeyCollection, KeyPopup, Dragging,
// KeyActivation, TableFiles, Switches.
class TForm1 : public QMainWindow, public TSwitchReceiver {
    Q_OBJECT

public:
    // `speech` (not owned) reads texts aloud and plays sounds; none means no speech output.
    explicit TForm1(const QStringList &arguments, TSpeechOutput *speech = nullptr,
                    QWidget *parent = nullptr);
    ~TForm1() override;

    // Controls, under their form names.
    QTextEdit *Display = nullptr;
    QSplitter *Splitter1 = nullptr;
    QWidget *CtrPanel = nullptr;
    QLabel *CapsLockLabel = nullptr;
    QLabel *ShiftLabel = nullptr;
    QLabel *EditLabel = nullptr;
    QLabel *ScanningLabel = nullptr;
    QLabel *SoundLabel = nullptr;   // shown while sound cannot be played
    QLabel *OutsideLabel = nullptr; // shown while the keys type into other applications
    QWidget *Panel1 = nullptr;
    QLabel *DiacrLabel = nullptr;
    QPushButton *EditButton = nullptr;
    QToolButton *BitBtn1 = nullptr;
    QPushButton *Button1 = nullptr;
    QWidget *KeyPanel = nullptr;
    TTimeGrid *TimeGrid1 = nullptr;
    // The word slots above the key panel; shown for the tables that want them.
    TSlotRow *SlotRow = nullptr;
    QStatusBar *StatusBar = nullptr;
    QLabel *StatusPanels[3] = {nullptr, nullptr, nullptr};
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    // A step that waits for more than the scan step (a longer first step, a prompt) comes from
    // here; Timer2 stays the measure of the plain step and of whether the scan runs.
    QTimer *StepTimer = nullptr;
    // Milliseconds of a monotonic clock for pacing the scan; tests replace it.
    std::function<qint64()> ScanClock;
    TMainMenu Menu;
    QMenu *TablePopup = nullptr;
    QAction *LoadItem = nullptr;    // "Nahrát symbol..."
    QAction *ClearItem = nullptr;   // "Smazat symbol"
    QAction *CopyItem = nullptr;    // "Kopírovat symbol"
    QAction *PasteItem = nullptr;   // "Vložit"
    QAction *UpravitItem = nullptr; // "Upravit ..."
    // The window's dialogs, each made the first time it is wanted, so none costs the start.
    TConfirmDlg *ConfirmDlg();
    TGridDialog *GridDialog();
    TKeySettingDlg *KeySettingDlg();
    TDirDialog *DirDialog();
    TAboutBox *AboutBox();
    // The speech output's dialogs, made when first opened; none without a real speech output.
    TDlgVoice *DlgVoice = nullptr;
    TDlgSAPI5 *DlgSAPI5 = nullptr;
    // The help pages' own viewer, made when no browser could show them.
    THelpViewer *HelpViewer = nullptr;
    // Shows a dialog of the window modally and returns its result; tests replace it so that no
    // test waits on a window.
    std::function<int(QDialog &)> ShowModal;
    // The switch keys' filter: installed in work mode, it reports to this window.
    TSwitchFilter *HookKey = nullptr;

    // Typing into other applications: the keys' output goes to the focused window of another
    // application as keystrokes (and into the display as ever), the window never takes the
    // focus and stays on top, and the switch keys are taken from the whole display in work
    // mode. Off where the window system does not allow it.
    bool TypesOutside() const { return FTypesOutside; }
    void SetTypesOutside(bool on);
    // The keystroke output and the display's switch keys to use, and why there are none;
    // made from the window system at the start, tests put their own.
    void SetOutsideTyping(OutsideTyping::TParts parts, OutsideTyping::TUnavailable why);

    // The window's state.
    bool EditMode() const { return FEditMode; }
    bool Scanning() const { return FScanning; }
    QString TableName() const { return FTableName; }
    QString LastTableName() const { return FLastTableName; }
    // Every key of the current table, in reading order after each ArrangeKeys.
    const QList<TVxKey *> &Keys() const { return FKeys; }
    // The selected keys in the order they were selected.
    const QList<TVxKey *> &Selection() const { return FSelection; }
    TVxKey *ActiveKey() const { return FActiveKey; }
    int SelectedCount() const { return int(FSelection.size()); }
    const TTextComposer &Composer() const { return FComposer; }
    // The printer the display is printed on, made on first use, made on first use; null when
    // printing cannot be loaded (the reason is in the message shown).
    TPrinter *Printer();
    // Where the display is printed to a PDF while the machine has no printer.
    QString PdfFolder;

    // The text journal: where the display's text is kept while the program runs; written now
    // what waits to be written (tests call it instead of waiting).
    const TTextJournal &Journal() const { return FJournal; }
    void WriteJournal();
    // An output of sound failed (with its reason) or works again (empty).
    void SetSoundProblem(TSoundNotice::TOutput output, const QString &error);

    // Modes and layouts.
    void SetEditMode(bool on);
    void SetScanning(bool on);
    void EditButtonClick();
    void ScanItemClick();
    void SetActiveKey(TVxKey *key);
    void SetTableName(const QString &name);

    // The key collection.
    void ArrangeKeys();
    bool CanAddKey();
    TVxKey *CreateKey(const QRect &bounds);
    void HookKeyEvents(TVxKey *key);
    void New1Click();
    void New2Click();
    void Delete1Click();
    // Offers the table for saving, then removes its keys; false (and the keys kept) when the
    // user wanted it saved and it was not.
    bool ClearTable();
    void UnselectAll();
    void CtrlMouseDown(TVxKey *key, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // The selection changed; the key settings dialog follows it once it exists.
    void SelectionChange();

    // The key menu.
    void TablePopupPopup(TVxKey *key);
    void LoadItemClick();
    void ClearItemClick();
    void CopyItemClick();
    void PasteItemClick();
    void UpravitClick();
    void Edit1Click();

    // Moving keys.
    void DragCtrStart(TVxKey *key);
    void DragCtrOver();
    void DragCtrDrop();
    void DragCtrEnd();
    TDragRect *DragChain() const { return FDragChain.get(); }

    // Key activation.
    void KeyClick(TVxKey *sender, int code, const QString &text, const QString &textSh,
                  const TKeyFont *font);
    void SetCapsLock(bool on);
    void SetShift(bool on);
    void SetAccent(QChar accent);
    QString SelectLineText(int position);
    // Prints the display at once as a job titled "Orvanta".
    void Tisk1Click();
    // Opens the speech output dialog; it applies every choice itself.
    void VoiceItemClick();

    // Tables and key files. LoadTable throws TError when the file cannot be opened.
    void LoadTable(const QString &name);
    void SaveTable(const QString &name);
    // Offers an unnamed table with keys for saving; false when the user wanted it saved and it
    // was not (the save dialog cancelled or the write failed).
    bool AskSaveTable();
    void Open1Click();
    void Save1Click();
    // The save dialog and the save; true when the table was written.
    bool SaveTableAs();
    void SaveKey1Click();
    void LoadKey1Click();
    // Boards of other AAC programs (.obf, .obz): an import lands in a new folder of the tables
    // directory and opens its first board; an export writes the current table, as a package
    // with every table its keys link to. What could not be converted is listed once. The export
    // is false when nothing was written.
    void ImportBoards(const QString &file);
    bool ExportBoards(const QString &file);
    // The current table as its file holds it.
    TTableFile CurrentTableFile() const;

    // Switches. The filter reports presses and releases here (messages 2026 and 2025); they go
    // on to the confirmation dialog, the grid or the free layout.
    void SetKeyHook(bool on);
    void SwitchDown(int code, qint32 time) override;
    void SwitchUp(int code, qint32 duration) override;
    void SwitchCancel(int code) override;
    // A switch release in the free layout: switch 1 moves the active key on, switch 2 clicks it.
    void StepFreeKey(int key);
    // The grid's switch codes changed: the filter watches the new pair.
    void ChangeSwitch(TTimeGrid *sender, quint16 oldCode, quint16 &newCode);
    // "&Kurzor, mřížka...": the grid, scanning and switch settings, applied to the running scan.
    void GridItemClick();

    // Switch access: filtering, scan flow and spoken prompts, kept in a settings file of their
    // own. Setting them applies them to the running scan.
    const TScanAccess &ScanAccess() const { return FScanAccess; }
    void SetScanAccess(const TScanAccess &access);
    // The sound outputs there are now, as (id, name), without the system's default.
    QList<QPair<QString, QString>> AudioDevices() const;
    // Where the user's voice and the prompts play from now on (empty: the system's default).
    void SetAudioDevices(const QString &speech, const QString &prompts);
    // The scan (re)started at its first cell: a prompt for it, and its first step's dwell.
    void ScanStarted();
    // A step of a paced scan is due when nothing is left to wait for.
    void PaceScan();

    // Word prediction. The current table's slot row (off unless set), the menu's one step that
    // turns it on or off, its settings dialog, and forgetting what was learned.
    TSlotSettings CurrentSlots() const;
    void SetCurrentSlots(const TSlotSettings &wanted);
    const TSlotRowScan &SlotScan() const { return *FSlotScan; }
    void SlotsItemClick();
    void SlotSettingsItemClick();
    void ForgetItemClick();
    // A slot chosen by the mouse or the scan: its word replaces the word being typed.
    void ChooseSlot(int slot);
    // The word list and the learned words, loaded once the window shows and a table first
    // wants slots; tests call it instead of waiting.
    void LoadPrediction();
    bool PredictionReady() const { return FPredictionReady; }
    TPredictor &Predictor() { return FPredictor; }
    // Writes the learned words now (they are also written a while after a change, and at the end).
    void SavePrediction();

    // Automatic reading: the mode's menu items, and the menu showing the mode in force.
    void SetAutoReadMode(int mode);
    void NoItemClick();
    void AllItemClick();
    void SentItemClick();
    void RowsItemClick();
    void Special1Click();
    // The audible answer to a switch release while "&Echo" is checked.
    void Echo();

    // The menu commands of the file, settings and help menus.
    void Tabulky1Click();
    void Zvuky1Click();
    void Obrzky1Click();
    void Tiskrna1Click();
    void TextItemClick();
    void Nvod1Click();
    void Prvodce1Click();
    void Oaplikaci1Click();
    // The splitter under the display was moved: the keys are laid out in the new space.
    void Splitter1Moved();

    // "&Konec": closes the window, which ends the program.
    void Terminate();
    // The end asked for from outside (a signal, the session ending): as Terminate, but with
    // nobody there to close a box, warnings at the end go to the log and never hold it up.
    void EndFromOutside();
    void Timer1Timer();
    void Timer2Timer();

    // The state of the previous run. LoadConfig applies what it could read, opens the table and
    // starts the speech output; false when the file could not be read completely. SaveConfig
    // replaces the file only when all of it was written.
    bool LoadConfig(const QString &fileName);
    bool SaveConfig(const QString &fileName);

    // Told once, from the event loop, after the window's first frame is on the screen: what the
    // first frame does not need starts then.
    void SetOnFirstFrame(std::function<void()> onFirstFrame);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void BuildControls();
    void LayOutControls();
    QWidget *BuildCtrPanel();
    void BuildStatusBar();
    void BuildMenu();
    void BuildTablePopup();
    void BuildScanFlow();
    void BuildPrediction();
    void ApplySlotSettings();
    // The grid's cursor was put back to its start: the scan's joins it.
    void SyncSlotCursor();
    // The slot words for the display as it is now; learns what was completed.
    void RefreshSlots();
    QString TextBeforeCaret(int position) const;
    QString ModelFileName() const;
    void LoadScanAccess();
    void SaveScanAccess();
    // Restores the text of a run that did not end, then keeps the journal from now on.
    void StartJournal();
    void JournalChanged();
    // The clean end: the configuration holds the text (when it was saved).
    void EndJournal(bool configSaved);
    void WarnAtEnd(const QString &text);

    void FormCreate(const QStringList &arguments);
    void FormDestroy();
    void FormActivate();
    void FormKeyDown(int virtualKey);
    void FormResize();

    // The configuration: each part applied in the file's order; false once a part is missing.
    bool ApplyConfiguration(const TConfigReadResult &read, TVoiceSettings &voice);
    void ApplyDisplay(const TDisplayRecord &display);
    void ApplyBounds(qint32 left, qint32 top, qint32 right, qint32 bottom);
    void SetWindowSize(const QSize &size);
    TConfiguration CollectConfiguration() const;
    TDisplayRecord CollectDisplay() const;

    void ShowKeyMenu(TVxKey *key, const QPoint &globalPos);
    // Gives the key dialog's file dialogs their folders, then shows it filled from `key`;
    // `accepted` runs when it closes with OK.
    void ShowKeyDialog(TVxKey *key, std::function<void()> accepted);
    void AddKey(TVxKey *key);
    // Destroys every key without asking about the table.
    void ClearKeys();
    void DestroyKey(TVxKey *key);
    // Turns the records of a file into keys under the current layout's parent.
    TVxKey *KeyFromRecord(TComponentReader &record);

    void TextKey(int code, const QString &text, const QString &textSh, TVxKey *key);
    void SpecialAction(int code, TVxKey *key);
    // One keystroke of `virtualKey` into the display: a press and a release; while the keys
    // type into other applications, into the focused one as well.
    void PressKey(int virtualKey);
    // The same change of text for the other application: `removed` characters before the
    // caret go, `text` comes.
    void TypeOutside(qsizetype removed, const QString &text);
    void OutsideItemClick();
    void LoadOutsideTyping();
    // The switch keys taken from the display exactly while the hook is on in this mode.
    void UpdateDisplayKeys();
    void SpeakText(const QString &text);
    // Speaks where the cursor is now if that changed since the last prompt (or `force`);
    // true when a prompt started.
    bool AnnounceCursor(bool force = false);
    bool Prompt(const QString &text);
    QString CursorPrompt() const;
    void PromptEnded();
    qint64 ScanNow() const { return ScanClock ? ScanClock() : 0; }
    // One directory command: the chooser under `caption`, starting at `directory`, which takes
    // the chosen directory when it exists.
    void ChooseDirectory(const QString &caption, QString &directory);
    // A help page by its file name in the help folder.
    void ShowHelp(const QString &page);

    bool FEditMode = true;
    bool FScanning = false;
    bool FDestroyed = false;
    bool FEndedFromOutside = false;
    QString FTableName;
    QString FLastTableName;
    QList<TVxKey *> FKeys;
    QList<TVxKey *> FCreated; // the keys in the order they were made
    QList<TVxKey *> FSelection;
    TVxKey *FActiveKey = nullptr;
    QPointer<TVxKey> FPopupKey;
    std::unique_ptr<TDragRect> FDragChain;
    QPointer<TVxKey> FDragKey;
    TTextComposer FComposer;
    TSpeechOutput *FSpeech = nullptr;
    std::unique_ptr<TSpeechOutput> FNoSpeech;
    std::unique_ptr<TPrinter> FPrinter;
    TConfirmDlg *FConfirmDlg = nullptr;
    TGridDialog *FGridDialog = nullptr;
    TKeySettingDlg *FKeySettingDlg = nullptr;
    TDirDialog *FDirDialog = nullptr;
    TAboutBox *FAboutBox = nullptr;
    // Set once the selection has changed: from then on the key dialog works on the selection.
    bool FSelectionTold = false;
    QString FPdfName; // the last PDF made for want of a printer
    // The display's entries as designed and as last read: what the text control does not carry
    // (system colours, the charset, the alignment) is written back from here.
    TDisplayRecord FDisplayRecord = ConfigFormat::DesignConfiguration().Display;
    bool FTableFromCommandLine = false;
    // The table named on the command line, until the configuration read at start loads it.
    QString FCommandLineTable;
    TScanAccess FScanAccess;
    TScanPacer FPacer;
    TPromptSpeech *FPrompts = nullptr;
    // What the last prompt was for: a row (-1 column) or a cell; none yet.
    QPoint FAnnounced{-2, -2};
    // The voice settings the configuration asked for.
    TVoiceSettings FStartVoice;
    TTextJournal FJournal;
    TSoundNotice FSoundNotice;
    QTimer *JournalTimer = nullptr;
    std::unique_ptr<TSlotRowScan> FSlotScan;
    TPredictor FPredictor;
    TWordChoice FWordChoice;
    TPredictionSettings FPredictionSettings;
    // The table the slot settings are for: the last one named (a table being edited has none).
    QString FSlotTable;
    TSlotSettings FNoTableSlots;
    bool FPredictionReady = false;
    bool FPredictionPending = false;
    bool FFirstFrameShown = false;
    std::function<void()> FOnFirstFrame;
    // Runs `what` from the event loop once the first frame is on the screen.
    void AfterFirstFrame(std::function<void()> what);
    QList<std::function<void()>> FAfterFirstFrame;
    bool FChoosing = false;
    bool FModelChanged = false;
    // What the slots were last filled for, so the several signals of one edit cost one query.
    QString FSlotsFor;
    QTimer *ModelTimer = nullptr;
    QString FTableDialogDir;
    QString FPictureDialogDir;
    // The keys use the output, so they are declared after it and go first.
    std::unique_ptr<TKeyOutput> FKeyOutput;
    std::unique_ptr<TGlobalKeys> FDisplayKeys;
    OutsideTyping::TUnavailable FOutsideUnavailable = OutsideTyping::TUnavailable::NoX11;
    bool FOutsideTypingSet = false;
    bool FTypesOutside = false;
};
