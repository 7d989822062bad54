<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
<context>
    <name>AppStrings</name>
    <message>
        <source>Klávesnice</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Klávesnice pro alternativní komunikaci</source>
        <translation>Keyboard for alternative communication</translation>
    </message>
    <message>
        <source>Program již běží. Nelze spustit více než jednu kopii.</source>
        <translation>The program is already running. Only one copy can run at a time.</translation>
    </message>
    <message>
        <source>Program nemůže nalézt nebo přečíst konfigurační soubor<byte value="xd"/></source>
        <translation>The program cannot find or read the configuration file<byte value="xd"/></translation>
    </message>
    <message>
        <source>Program nemůže nalézt výchozí tabulku </source>
        <translation>The program cannot find the default keyboard </translation>
    </message>
    <message>
        <source>Najděte tabulku na disku.</source>
        <translation>Please find the keyboard on the disk.</translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Skenování</source>
        <translation>Scanning</translation>
    </message>
    <message>
        <source>&amp;Start F8</source>
        <translation>Sta&amp;rt F8</translation>
    </message>
    <message>
        <source>&amp;Nastavení F8</source>
        <translation>&amp;Settings F8</translation>
    </message>
    <message>
        <source>Přepíná mezi pracovním režimem a režimem nastavení</source>
        <translation>Switches between working mode and settings mode</translation>
    </message>
    <message>
        <source>Zastavení hlasového výstupu</source>
        <translation>Stop the voice output</translation>
    </message>
    <message>
        <source>F8 - Nastavení/Start</source>
        <translation>F8 - Settings/Start</translation>
    </message>
    <message>
        <source>Max. počet kláves je </source>
        <translation>The largest number of keys is </translation>
    </message>
    <message>
        <source>Nebyla vybrána žádná klávesa.<byte value="xd"/>Klávesu můžete vybrat současným stiskem <byte value="xd"/>klávesy [Ctrl] a levého tlačítka myši.</source>
        <translation>No key is selected.<byte value="xd"/>To select a key, hold down <byte value="xd"/>[Ctrl] and click the key with the left mouse button.</translation>
    </message>
    <message>
        <source>Nahrát symbol...</source>
        <translation>Load symbol...</translation>
    </message>
    <message>
        <source>Smazat symbol</source>
        <translation>Clear symbol</translation>
    </message>
    <message>
        <source>Kopírovat symbol</source>
        <translation>Copy symbol</translation>
    </message>
    <message>
        <source>Vložit</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Upravit ...</source>
        <translation>Edit ...</translation>
    </message>
    <message>
        <source>Načíst soubor s obrázkem</source>
        <translation>Open a picture file</translation>
    </message>
    <message>
        <source>Tabulku nelze nahrát.</source>
        <translation>The keyboard cannot be loaded.</translation>
    </message>
    <message>
        <source>Zkuste nahrát tabulku z menu Soubor/Otevřít...</source>
        <translation>Try to load a keyboard with File/Open...</translation>
    </message>
    <message>
        <source>Tabulku nelze otevřít: </source>
        <translation>The keyboard cannot be opened: </translation>
    </message>
    <message>
        <source>Soubor s klávesami nelze otevřít: </source>
        <translation>The key file cannot be opened: </translation>
    </message>
    <message>
        <source>klávesa %1: </source>
        <translation>key %1: </translation>
    </message>
    <message>
        <source> (bajt %1 souboru)</source>
        <translation> (byte %1 of the file)</translation>
    </message>
    <message>
        <source>soubor je zkrácený</source>
        <translation>the file is cut short</translation>
    </message>
    <message>
        <source>záznam je poškozený</source>
        <translation>a record is damaged</translation>
    </message>
    <message>
        <source>velikost mřížky je mimo povolený rozsah</source>
        <translation>the grid size is out of range</translation>
    </message>
    <message>
        <source>soubor má příliš mnoho kláves</source>
        <translation>the file has too many keys</translation>
    </message>
    <message>
        <source>buňka klávesy leží mimo mřížku</source>
        <translation>a key&apos;s cell lies outside the grid</translation>
    </message>
    <message>
        <source>buňka klávesy už patří jiné klávese</source>
        <translation>a key&apos;s cell already belongs to another key</translation>
    </message>
    <message>
        <source>za poslední klávesou následují další data</source>
        <translation>more data follows the last key</translation>
    </message>
    <message>
        <source>obrázek je poškozený</source>
        <translation>a picture is damaged</translation>
    </message>
    <message>
        <source>obrázek je příliš velký</source>
        <translation>a picture is too large</translation>
    </message>
    <message>
        <source>text je příliš dlouhý</source>
        <translation>a text is too long</translation>
    </message>
    <message>
        <source>poloha nebo velikost je mimo rozsah</source>
        <translation>a position or size is out of range</translation>
    </message>
    <message>
        <source>Uložit tabulku ?</source>
        <translation>Save the keyboard?</translation>
    </message>
    <message>
        <source>Načíst soubor s tabulkou</source>
        <translation>Open a keyboard file</translation>
    </message>
    <message>
        <source>Načíst soubor s klávesou/klávesami</source>
        <translation>Open a key file</translation>
    </message>
    <message>
        <source>Tiskárna není k dispozici. Text byl uložen do souboru </source>
        <translation>No printer is available. The text was saved to the file </translation>
    </message>
    <message>
        <source>Volba adresáře: Tabulky</source>
        <translation>Choose folder: Keyboards</translation>
    </message>
    <message>
        <source>Volba adresáře: Zvuky</source>
        <translation>Choose folder: Sounds</translation>
    </message>
    <message>
        <source>Volba adresáře: Obrázky</source>
        <translation>Choose folder: Pictures</translation>
    </message>
    <message>
        <source>Adresář neexistuje</source>
        <translation>The folder does not exist</translation>
    </message>
    <message>
        <source>Psaný text</source>
        <translation>Written text</translation>
    </message>
    <message>
        <source>Bez zvuku</source>
        <translation>No sound</translation>
    </message>
    <message>
        <source>Zvuk nelze přehrát: %1</source>
        <translation>Sound cannot be played: %1</translation>
    </message>
    <message>
        <source>návrhy slov</source>
        <translation>word suggestions</translation>
    </message>
    <message>
        <source>Seznam slov pro návrhy %1 nelze načíst: %2</source>
        <translation>The word list for suggestions %1 cannot be loaded: %2</translation>
    </message>
    <message>
        <source>Soubor naučených slov %1 je poškozen (%2). Začíná se znovu.</source>
        <translation>The file of learned words %1 is damaged (%2). Learning starts anew.</translation>
    </message>
    <message>
        <source>Naučená slova nelze uložit do %1: %2</source>
        <translation>The learned words cannot be saved to %1: %2</translation>
    </message>
    <message>
        <source>Nastavení návrhů slov nelze uložit do %1.</source>
        <translation>The word suggestion settings cannot be saved to %1.</translation>
    </message>
    <message>
        <source>Zapomenout všechna naučená slova?</source>
        <translation>Forget all learned words?</translation>
    </message>
    <message>
        <source>Tiskárna není k dispozici a text nelze uložit do souboru </source>
        <translation>No printer is available, and the text could not be saved to the file </translation>
    </message>
    <message>
        <source>Jiné aplikace</source>
        <translation>Other applications</translation>
    </message>
    <message>
        <source>Klávesy píší do aplikace, která má vstup z klávesnice</source>
        <translation>The keys type into the application that has the keyboard focus</translation>
    </message>
    <message>
        <source>V relaci Wayland nelze psát do jiných aplikací: Wayland aplikacím nedovoluje posílat klávesy jiným oknům ani sledovat spínače mimo své okno.</source>
        <translation>A Wayland session does not allow typing into other applications: Wayland lets no application send keys to other windows or watch the switches outside its own window.</translation>
    </message>
    <message>
        <source>Psát do jiných aplikací lze jen v relaci X11.</source>
        <translation>Typing into other applications works only in an X11 session.</translation>
    </message>
    <message>
        <source>X server nemá rozšíření XTest, bez kterého nelze psát do jiných aplikací.</source>
        <translation>The X server lacks the XTest extension, without which the keys cannot type into other applications.</translation>
    </message>
    <message>
        <source>Tisk nelze spustit: </source>
        <translation>Printing cannot start: </translation>
    </message>
</context>
<context>
    <name>BoardFiles</name>
    <message>
        <source>… a dalších %1</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>Soubor &quot;%1&quot; nelze uložit.<byte value="xd"/>%2</source>
        <translation>The file &quot;%1&quot; cannot be saved.<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>DialogStrings</name>
    <message>
        <source>&amp;Hlavní</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>&amp;Rozšířené</source>
        <translation>&amp;Advanced</translation>
    </message>
    <message>
        <source>&amp;Filtrování spínačů</source>
        <translation>Switch &amp;filtering</translation>
    </message>
    <message>
        <source>&amp;Doba přijetí stisku [msec]</source>
        <translation>Acceptance &amp;time [msec]</translation>
    </message>
    <message>
        <source>&amp;Ignorovat stisky po přijetí [msec]</source>
        <translation>&amp;Ignore presses after acceptance [msec]</translation>
    </message>
    <message>
        <source>Průběh skenování</source>
        <translation>Scan flow</translation>
    </message>
    <message>
        <source>Zastavit po &amp;kolech bez výběru</source>
        <translation>&amp;Stop after rounds without a choice</translation>
    </message>
    <message>
        <source>nikdy</source>
        <translation>never</translation>
    </message>
    <message>
        <source>Začít až prvním stiske&amp;m</source>
        <translation>Start on the first &amp;press</translation>
    </message>
    <message>
        <source>Prodloužení prv&amp;ního kroku [msec]</source>
        <translation>&amp;Longer first step [msec]</translation>
    </message>
    <message>
        <source>Po výběru pokr&amp;ačovat</source>
        <translation>After a choice, &amp;resume</translation>
    </message>
    <message>
        <source>dalším řádkem</source>
        <translation>on the next row</translation>
    </message>
    <message>
        <source>od prvního řádku</source>
        <translation>from the first row</translation>
    </message>
    <message>
        <source>na stejném řádku</source>
        <translation>on the same row</translation>
    </message>
    <message>
        <source>Hlasové ohlašování</source>
        <translation>Spoken prompts</translation>
    </message>
    <message>
        <source>&amp;Zapnout ohlašování</source>
        <translation>Spea&amp;k prompts</translation>
    </message>
    <message>
        <source>Řádky ohlašova&amp;t</source>
        <translation>Announce ro&amp;ws</translation>
    </message>
    <message>
        <source>číslem</source>
        <translation>by number</translation>
    </message>
    <message>
        <source>první klávesou</source>
        <translation>by first key</translation>
    </message>
    <message>
        <source>Hlas ohlašo&amp;vání</source>
        <translation>Prompt &amp;voice</translation>
    </message>
    <message>
        <source>český (výchozí)</source>
        <translation>Czech (default)</translation>
    </message>
    <message>
        <source>R&amp;ychlost</source>
        <translation>Spee&amp;d</translation>
    </message>
    <message>
        <source>H&amp;lasitost</source>
        <translation>Vol&amp;ume</translation>
    </message>
    <message>
        <source>Pa&amp;uza po ohlášení [msec]</source>
        <translation>Pa&amp;use after a prompt [msec]</translation>
    </message>
    <message>
        <source>Nastavení mřížky</source>
        <translation>Grid settings</translation>
    </message>
    <message>
        <source>&amp;Mřížka</source>
        <translation>&amp;Grid</translation>
    </message>
    <message>
        <source>&amp;Kurzor</source>
        <translation>&amp;Cursor</translation>
    </message>
    <message>
        <source>&amp;Zvýraznění</source>
        <translation>&amp;Highlight</translation>
    </message>
    <message>
        <source>&amp;Způsob skenování</source>
        <translation>Scanning metho&amp;d</translation>
    </message>
    <message>
        <source>S&amp;pínače</source>
        <translation>S&amp;witches</translation>
    </message>
    <message>
        <source>&amp;Tloušťka</source>
        <translation>Thic&amp;kness</translation>
    </message>
    <message>
        <source>&amp;Barva</source>
        <translation>Colo&amp;ur</translation>
    </message>
    <message>
        <source>&amp;Sloupce</source>
        <translation>Co&amp;lumns</translation>
    </message>
    <message>
        <source>Řá&amp;dky</source>
        <translation>&amp;Rows</translation>
    </message>
    <message>
        <source>&amp;X kurzor</source>
        <translation>&amp;X cursor</translation>
    </message>
    <message>
        <source>&amp;Zastavování</source>
        <translation>&amp;Stopping</translation>
    </message>
    <message>
        <source>Zůstat na řá&amp;dku</source>
        <translation>Sta&amp;y on row</translation>
    </message>
    <message>
        <source>Zůstat na &amp;sloupci</source>
        <translation>Stay on colu&amp;mn</translation>
    </message>
    <message>
        <source>&amp;Ukazovat myší</source>
        <translation>&amp;Point with mouse</translation>
    </message>
    <message>
        <source>&amp;Interval [msec]</source>
        <translation>Inter&amp;val [msec]</translation>
    </message>
    <message>
        <source>&amp;Dlouhý stisk [msec]</source>
        <translation>Long pr&amp;ess [msec]</translation>
    </message>
    <message>
        <source>Spínač &amp;1</source>
        <translation>Switch &amp;1</translation>
    </message>
    <message>
        <source>Spínač  &amp;2</source>
        <translation>Switch &amp;2</translation>
    </message>
    <message>
        <source>&amp;Provést změny</source>
        <translation>Appl&amp;y changes</translation>
    </message>
    <message>
        <source>&amp;Storno</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>Jednoduchý (1 signál, bez zastavování)</source>
        <translation>Simple (1 switch, no stopping)</translation>
    </message>
    <message>
        <source>Pokročilý (s přepínáním směru skenování)</source>
        <translation>Advanced (switches the scan direction)</translation>
    </message>
    <message>
        <source>X kursor (bez zastavování)</source>
        <translation>X cursor (no stopping)</translation>
    </message>
    <message>
        <source>X kursor (se zastavováním)</source>
        <translation>X cursor (with stopping)</translation>
    </message>
    <message>
        <source>Vlastní</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Stiskem...</source>
        <translation>Press...</translation>
    </message>
    <message>
        <source>Stiskněte spínač</source>
        <translation>Press the switch</translation>
    </message>
    <message>
        <source>Zadá spínač stiskem jeho klávesy; Esc zruší čekání.</source>
        <translation>Sets the switch when you press its key; Esc stops waiting.</translation>
    </message>
    <message>
        <source>Zadat spínač %1 stiskem</source>
        <translation>Set switch %1 by pressing it</translation>
    </message>
    <message>
        <source>Spínač %1</source>
        <translation>Switch %1</translation>
    </message>
    <message>
        <source>Barva mřížky</source>
        <translation>Grid colour</translation>
    </message>
    <message>
        <source>Barva kurzoru</source>
        <translation>Cursor colour</translation>
    </message>
    <message>
        <source>Barva zvýraznění</source>
        <translation>Highlight colour</translation>
    </message>
    <message>
        <source>Potvrzení příkazu</source>
        <translation>Please confirm</translation>
    </message>
    <message>
        <source>Opravdu chcete smazat celý text ?</source>
        <translation>Do you really want to clear all the text?</translation>
    </message>
    <message>
        <source>&amp;Ano</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Ne</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Ano</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Volba adresáře</source>
        <translation>Choose folder</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Domovská složka</source>
        <translation>Home folder</translation>
    </message>
    <message>
        <source>Dokumenty</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Celý počítač</source>
        <translation>Whole computer</translation>
    </message>
    <message>
        <source>Místa a svazky</source>
        <translation>Places and drives</translation>
    </message>
    <message>
        <source>Adresáře</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>O aplikaci</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Klávesnice pro alternativní komunikaci</source>
        <translation>Keyboard for alternative communication</translation>
    </message>
    <message>
        <source>Verze</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Verze 2.0</source>
        <translation>Version 2.0</translation>
    </message>
    <message>
        <source>Napsal tým programu Orvanta pro lidi, kteří nemohou mluvit.</source>
        <translation>Written by the Orvanta team for people who cannot speak.</translation>
    </message>
    <message>
        <source>Klávesnice, obrázky a zvuky jsou vlastní tvorbou projektu.</source>
        <translation>The keyboards, pictures and sounds are the project&apos;s own work.</translation>
    </message>
    <message>
        <source>Řeč: eSpeak NG. Grafické rozhraní: Qt 6.</source>
        <translation>Speech: eSpeak NG. User interface: Qt 6.</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, verze 3 nebo pozdější.</source>
        <translation>Licence: GNU General Public License, version 3 or later.</translation>
    </message>
    <message>
        <source>Nastavení klávesy</source>
        <translation>Key settings</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Provést &amp;změny</source>
        <translation>&amp;Apply changes</translation>
    </message>
    <message>
        <source>&amp;Rozměry a Text</source>
        <translation>&amp;Size and text</translation>
    </message>
    <message>
        <source>S&amp;ymbol</source>
        <translation>S&amp;ymbol</translation>
    </message>
    <message>
        <source>&amp;Barvy</source>
        <translation>&amp;Colours</translation>
    </message>
    <message>
        <source>&amp;Jiná nastavení</source>
        <translation>Othe&amp;r settings</translation>
    </message>
    <message>
        <source>&amp;Výška</source>
        <translation>&amp;Height</translation>
    </message>
    <message>
        <source>Šíř&amp;ka</source>
        <translation>&amp;Width</translation>
    </message>
    <message>
        <source>&amp;Okraje</source>
        <translation>&amp;Border</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>S&amp;ystémová  klávesa</source>
        <translation>Syst&amp;em key</translation>
    </message>
    <message>
        <source>&amp;Písmo...</source>
        <translation>&amp;Font...</translation>
    </message>
    <message>
        <source>&amp;Otevřít ...</source>
        <translation>O&amp;pen ...</translation>
    </message>
    <message>
        <source>S&amp;mazat</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <source>&amp;Zachovat rozměry</source>
        <translation>&amp;Keep proportions</translation>
    </message>
    <message>
        <source>&amp;výška/šířka:</source>
        <translation>Hei&amp;ght/width:</translation>
    </message>
    <message>
        <source>&amp;Normální</source>
        <translation>Nor&amp;mal</translation>
    </message>
    <message>
        <source>S&amp;peciální</source>
        <translation>S&amp;pecial</translation>
    </message>
    <message>
        <source>P&amp;ozadí textu</source>
        <translation>Text &amp;background</translation>
    </message>
    <message>
        <source>&amp;Vybraná</source>
        <translation>Se&amp;lected</translation>
    </message>
    <message>
        <source>&amp;Aktivní</source>
        <translation>Acti&amp;ve</translation>
    </message>
    <message>
        <source>Ukázka</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>&amp;Zvuk</source>
        <translation>So&amp;und</translation>
    </message>
    <message>
        <source>Zadejte název zvukového souboru (včetně cesty)</source>
        <translation>Enter the name of the sound file (with its path)</translation>
    </message>
    <message>
        <source>Najít ...</source>
        <translation>Find ...</translation>
    </message>
    <message>
        <source>Přehrát...</source>
        <translation>Play...</translation>
    </message>
    <message>
        <source>&amp;Klávesnice</source>
        <translation>&amp;Keyboard</translation>
    </message>
    <message>
        <source>Zadejte název souboru s tabulkou [*.kbt] }včetně cesty]</source>
        <translation>Enter the name of the keyboard file [*.kbt] (with its path)</translation>
    </message>
    <message>
        <source>Načtení souboru s obrázkem</source>
        <translation>Open a picture file</translation>
    </message>
    <message>
        <source>Načtení zvukového záznamu</source>
        <translation>Open a sound recording</translation>
    </message>
    <message>
        <source>Načtení souboru s klávesnicí</source>
        <translation>Open a keyboard file</translation>
    </message>
    <message>
        <source>Nesprávně zadané číslo</source>
        <translation>This is not a valid number</translation>
    </message>
    <message>
        <source>Nebyla vybrána žádná klávesa.<byte value="xd"/>Klávesu můžete vybrat současným stiskem <byte value="xd"/>klávesy [Ctrl] a levého tlačítka myši.</source>
        <translation>No key is selected.<byte value="xd"/>To select a key, hold down <byte value="xd"/>[Ctrl] and click the key with the left mouse button.</translation>
    </message>
    <message>
        <source>Horní text</source>
        <translation>Upper text</translation>
    </message>
    <message>
        <source>Druh systémové klávesy</source>
        <translation>Kind of system key</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Náhled upravované klávesy</source>
        <translation>Preview of the key being edited</translation>
    </message>
    <message>
        <source>Normální barva</source>
        <translation>Normal colour</translation>
    </message>
    <message>
        <source>Speciální barva</source>
        <translation>Special colour</translation>
    </message>
    <message>
        <source>Barva pozadí textu</source>
        <translation>Text background colour</translation>
    </message>
    <message>
        <source>Barva vybrané klávesy</source>
        <translation>Selected key colour</translation>
    </message>
    <message>
        <source>Barva aktivní klávesy</source>
        <translation>Active key colour</translation>
    </message>
    <message>
        <source>Stát, dokud program &amp;čte text</source>
        <translation>Hold while the program spea&amp;ks</translation>
    </message>
    <message>
        <source>Výstup zvuku</source>
        <translation>Sound output</translation>
    </message>
    <message>
        <source>Výstu&amp;p hlasu</source>
        <translation>Voice out&amp;put</translation>
    </message>
    <message>
        <source>Výstup &amp;ohlašování</source>
        <translation>Prompts &amp;output</translation>
    </message>
    <message>
        <source>výchozí zařízení systému</source>
        <translation>system default</translation>
    </message>
    <message>
        <source>Návrhy slov</source>
        <translation>Word Suggestions</translation>
    </message>
    <message>
        <source>Tato tabulka</source>
        <translation>This table</translation>
    </message>
    <message>
        <source>&amp;Řada návrhů slov nad klávesami</source>
        <translation>&amp;A row of word suggestions above the keys</translation>
    </message>
    <message>
        <source>&amp;Počet návrhů:</source>
        <translation>&amp;Number of suggestions:</translation>
    </message>
    <message>
        <source>Návrhy se skenují jako první řádek.</source>
        <translation>The suggestions are scanned as the first row.</translation>
    </message>
    <message>
        <source>Spínač %1: klávesa F8 přepíná nastavení, spínačem být nemůže.</source>
        <translation>Switch %1: F8 opens and closes the settings and cannot be a switch.</translation>
    </message>
    <message>
        <source>Spínač 1 a spínač 2 nemohou být stejná klávesa.</source>
        <translation>Switch 1 and switch 2 cannot be the same key.</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Zavřít</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>EngineLoader</name>
    <message>
        <source>Řeč a zvuky chybí: soubor %1 nebyl nalezen.</source>
        <translation>Speech and sounds are missing: the file %1 was not found.</translation>
    </message>
    <message>
        <source>Řeč a zvuky nelze spustit: %1</source>
        <translation>Speech and sounds cannot be started: %1</translation>
    </message>
    <message>
        <source>Řeč a zvuky nelze spustit.</source>
        <translation>Speech and sounds cannot be started.</translation>
    </message>
</context>
<context>
    <name>GraphicsStrings</name>
    <message>
        <source>Data obrázku jsou neúplná.</source>
        <translation>The picture data are incomplete.</translation>
    </message>
    <message>
        <source>Bitmapa je poškozená (%1).</source>
        <translation>The bitmap is damaged (%1).</translation>
    </message>
    <message>
        <source>Ikona je poškozená.</source>
        <translation>The icon is damaged.</translation>
    </message>
    <message>
        <source>Metasoubor je poškozený (%1).</source>
        <translation>The metafile is damaged (%1).</translation>
    </message>
    <message>
        <source>Obrázek JPEG je poškozený (%1).</source>
        <translation>The JPEG picture is damaged (%1).</translation>
    </message>
    <message>
        <source>Soubor %1 není obrázek známého formátu.</source>
        <translation>The file %1 is not a picture in a known format.</translation>
    </message>
    <message>
        <source>Soubor s obrázkem %1 nelze přečíst.</source>
        <translation>The picture file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Obrázek nelze převést do formátu JPEG (%1).</source>
        <translation>The picture cannot be converted to JPEG (%1).</translation>
    </message>
    <message>
        <source>Metasoubor je příliš složitý; vykreslí se jen jeho začátek.</source>
        <translation>The metafile is too complex; only its beginning is drawn.</translation>
    </message>
    <message>
        <source>Obrázky JPEG nelze číst ani psát: %1</source>
        <translation>JPEG pictures can be neither read nor written: %1</translation>
    </message>
</context>
<context>
    <name>KeyStrings</name>
    <message>
        <source>Klávesa</source>
        <translation>Key</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Úpravy</source>
        <translation>Edit</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Soubor</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Nová tabulka</source>
        <translation>&amp;New keyboard</translation>
    </message>
    <message>
        <source>&amp;Otevřít...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Uložit...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>&amp;Adresáře</source>
        <translation>&amp;Folders</translation>
    </message>
    <message>
        <source>&amp;Tabulky...</source>
        <translation>&amp;Keyboards...</translation>
    </message>
    <message>
        <source>&amp;Zvuky...</source>
        <translation>&amp;Sounds...</translation>
    </message>
    <message>
        <source>&amp;Obrázky...</source>
        <translation>&amp;Pictures...</translation>
    </message>
    <message>
        <source>Na&amp;stavení tiskárny...</source>
        <translation>Prin&amp;ter setup...</translation>
    </message>
    <message>
        <source>&amp;Tisk...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Klávesy</source>
        <translation>&amp;Keys</translation>
    </message>
    <message>
        <source>U&amp;pravit...</source>
        <translation>&amp;Edit...</translation>
    </message>
    <message>
        <source>&amp;Přidat</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Odstranit</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Nahrát ze souboru...</source>
        <translation>&amp;Load from file...</translation>
    </message>
    <message>
        <source>&amp;Uložit... </source>
        <translation>&amp;Save... </translation>
    </message>
    <message>
        <source>&amp;Nastavení</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Skenování</source>
        <translation>&amp;Scanning</translation>
    </message>
    <message>
        <source>&amp;Echo</source>
        <translation>&amp;Echo</translation>
    </message>
    <message>
        <source>&amp;Automatické čtení</source>
        <translation>&amp;Automatic reading</translation>
    </message>
    <message>
        <source>&amp;Ne</source>
        <translation>&amp;Off</translation>
    </message>
    <message>
        <source>&amp;Všechno</source>
        <translation>&amp;All</translation>
    </message>
    <message>
        <source>Vě&amp;ty</source>
        <translation>S&amp;entences</translation>
    </message>
    <message>
        <source>Řá&amp;dky</source>
        <translation>&amp;Lines</translation>
    </message>
    <message>
        <source>&amp;Kurzor, mřížka...</source>
        <translation>&amp;Cursor, grid...</translation>
    </message>
    <message>
        <source>&amp;Text...</source>
        <translation>&amp;Text...</translation>
    </message>
    <message>
        <source>&amp;Hlasový výstup...</source>
        <translation>&amp;Voice output...</translation>
    </message>
    <message>
        <source>Ná&amp;pověda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Návod</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;Průvodce</source>
        <translation>&amp;Guide</translation>
    </message>
    <message>
        <source>&amp;O aplikaci ...</source>
        <translation>&amp;About ...</translation>
    </message>
    <message>
        <source>&amp;Návrhy slov</source>
        <translation>&amp;Word suggestions</translation>
    </message>
    <message>
        <source>Nastavení ná&amp;vrhů...</source>
        <translation>Suggestion setti&amp;ngs...</translation>
    </message>
    <message>
        <source>&amp;Zapomenout naučená slova</source>
        <translation>&amp;Forget learned words</translation>
    </message>
    <message>
        <source>Psát do jiných aplikací</source>
        <translation>Type into other applications</translation>
    </message>
</context>
<context>
    <name>ObfArchive</name>
    <message>
        <source>Balík je větší než %1 MB.</source>
        <translation>The package is larger than %1 MB.</translation>
    </message>
    <message>
        <source>Balík nelze číst: %1</source>
        <translation>The package cannot be read: %1</translation>
    </message>
    <message>
        <source>Soubor není balík ZIP: %1</source>
        <translation>The file is not a ZIP package: %1</translation>
    </message>
    <message>
        <source>Balík obsahuje příliš mnoho souborů (%1).</source>
        <translation>The package holds too many files (%1).</translation>
    </message>
    <message>
        <source>Balík je poškozený.</source>
        <translation>The package is damaged.</translation>
    </message>
    <message>
        <source>Balík obsahuje nebezpečné jméno souboru: %1</source>
        <translation>The package holds an unsafe file name: %1</translation>
    </message>
    <message>
        <source>Balík se rozbalí do příliš velkých souborů (%1).</source>
        <translation>The package unpacks into files that are too large (%1).</translation>
    </message>
    <message>
        <source>Soubor %1 v balíku nelze číst: %2</source>
        <translation>The file %1 in the package cannot be read: %2</translation>
    </message>
    <message>
        <source>Soubor %1 v balíku je poškozený: %2</source>
        <translation>The file %1 in the package is damaged: %2</translation>
    </message>
    <message>
        <source>Balík obsahuje soubor %1 dvakrát.</source>
        <translation>The package holds the file %1 twice.</translation>
    </message>
    <message>
        <source>Balík nelze vytvořit: %1</source>
        <translation>The package cannot be created: %1</translation>
    </message>
    <message>
        <source>Balík nelze vytvořit.</source>
        <translation>The package cannot be created.</translation>
    </message>
    <message>
        <source>Balíky ZIP nelze číst ani psát: %1</source>
        <translation>ZIP packages can be neither read nor written: %1</translation>
    </message>
</context>
<context>
    <name>ObfBoard</name>
    <message>
        <source>tlačítko &quot;%1&quot;: neznámá barva &quot;%2&quot;</source>
        <translation>button &quot;%1&quot;: unknown colour &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Mřížka tabulky má nepřípustný počet %1 (%2; nejvýše %3).</source>
        <translation>The board&apos;s grid has an invalid number of %1 (%2; at most %3).</translation>
    </message>
    <message>
        <source>chybí</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>řádků</source>
        <translation>rows</translation>
    </message>
    <message>
        <source>sloupců</source>
        <translation>columns</translation>
    </message>
    <message>
        <source>mřížka má %1 řádků, ale pořadí jich uvádí %2</source>
        <translation>the grid has %1 rows, but its order lists %2</translation>
    </message>
    <message>
        <source>řádek %1 pořadí má %2 buněk místo %3</source>
        <translation>row %1 of the order has %2 cells instead of %3</translation>
    </message>
    <message>
        <source>Tabulka je větší než %1 MB.</source>
        <translation>The board is larger than %1 MB.</translation>
    </message>
    <message>
        <source>Soubor není platný JSON (%1 na pozici %2).</source>
        <translation>The file is not valid JSON (%1 at position %2).</translation>
    </message>
    <message>
        <source>Soubor nepopisuje tabulku (chybí objekt JSON).</source>
        <translation>The file does not describe a board (it has no JSON object).</translation>
    </message>
    <message>
        <source>chybí označení formátu &quot;open-board-0.1&quot;</source>
        <translation>the format mark &quot;open-board-0.1&quot; is missing</translation>
    </message>
    <message>
        <source>Tabulka má %1 tlačítek (nejvýše %2).</source>
        <translation>The board has %1 buttons (at most %2).</translation>
    </message>
</context>
<context>
    <name>ObfExport</name>
    <message>
        <source>%1: klávesu nelze přečíst: %2</source>
        <translation>%1: a key cannot be read: %2</translation>
    </message>
    <message>
        <source>%1: mřížka %2 × %3 nahrazena</source>
        <translation>%1: the %2 × %3 grid was replaced</translation>
    </message>
    <message>
        <source>%1: klávesa &quot;%2&quot; nemá buňku v mřížce</source>
        <translation>%1: the key &quot;%2&quot; has no cell in the grid</translation>
    </message>
    <message>
        <source>%1: obrázek klávesy nelze uložit: %2</source>
        <translation>%1: a key&apos;s picture cannot be saved: %2</translation>
    </message>
    <message>
        <source>příliš mnoho tabulek</source>
        <translation>too many keyboards</translation>
    </message>
</context>
<context>
    <name>ObfImport</name>
    <message>
        <source>Soubor manifest.json není platný JSON (%1).</source>
        <translation>The file manifest.json is not valid JSON (%1).</translation>
    </message>
    <message>
        <source>Balík neuvádí platnou první tabulku (&quot;%1&quot;).</source>
        <translation>The package names no valid first board (&quot;%1&quot;).</translation>
    </message>
    <message>
        <source>Balík má %1 tabulek (nejvýše %2).</source>
        <translation>The package has %1 boards (at most %2).</translation>
    </message>
    <message>
        <source>Balík obsahuje nebezpečné jméno souboru: %1</source>
        <translation>The package holds an unsafe file name: %1</translation>
    </message>
    <message>
        <source>Balík neobsahuje žádnou tabulku (.obf).</source>
        <translation>The package holds no board (.obf).</translation>
    </message>
    <message>
        <source>balík nemá manifest.json; první tabulka: %1</source>
        <translation>the package has no manifest.json; first board: %1</translation>
    </message>
    <message>
        <source>První tabulka %1 v balíku chybí.</source>
        <translation>The first board %1 is missing from the package.</translation>
    </message>
    <message>
        <source>tabulka %1 v balíku chybí</source>
        <translation>the board %1 is missing from the package</translation>
    </message>
    <message>
        <source>%1: tabulku nelze převést: %2</source>
        <translation>%1: the board cannot be converted: %2</translation>
    </message>
    <message>
        <source>mřížka uvádí neexistující tlačítko &quot;%1&quot;</source>
        <translation>the grid names a button &quot;%1&quot; that does not exist</translation>
    </message>
    <message>
        <source>tabulka nemá mřížku; tlačítka jsou seřazena za sebou</source>
        <translation>the board has no grid; its buttons are placed one after another</translation>
    </message>
    <message>
        <source>Tabulky mají dohromady víc než %1 kláves.</source>
        <translation>The boards have more than %1 keys altogether.</translation>
    </message>
    <message>
        <source>tlačítko &quot;%1&quot;: odkazovaná tabulka &quot;%2&quot; chybí</source>
        <translation>button &quot;%1&quot;: the board &quot;%2&quot; it opens is missing</translation>
    </message>
    <message>
        <source>tlačítko &quot;%1&quot;: akce &quot;%2&quot; není podporována</source>
        <translation>button &quot;%1&quot;: the action &quot;%2&quot; is not supported</translation>
    </message>
    <message>
        <source>tlačítko &quot;%1&quot;: zvuk vynechán, klávesa už má jinou činnost</source>
        <translation>button &quot;%1&quot;: sound left out, the key already does something else</translation>
    </message>
    <message>
        <source>%1: vložená data nelze přečíst</source>
        <translation>%1: the embedded data cannot be read</translation>
    </message>
    <message>
        <source>%1: soubor &quot;%2&quot; chybí</source>
        <translation>%1: the file &quot;%2&quot; is missing</translation>
    </message>
    <message>
        <source>%1: je jen na síti (%2)</source>
        <translation>%1: only on the network (%2)</translation>
    </message>
    <message>
        <source>%1: chybí</source>
        <translation>%1: missing</translation>
    </message>
    <message>
        <source>obrázek &quot;%1&quot;</source>
        <translation>picture &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 není v tabulce popsán</source>
        <translation>%1 is not described in the board</translation>
    </message>
    <message>
        <source>%1: odkaz do sady symbolů nelze převést</source>
        <translation>%1: a link into a symbol set cannot be converted</translation>
    </message>
    <message>
        <source>Nebezpečné jméno souboru: %1</source>
        <translation>Unsafe file name: %1</translation>
    </message>
    <message>
        <source>Složku &quot;%1&quot; nelze vytvořit.</source>
        <translation>The folder &quot;%1&quot; cannot be created.</translation>
    </message>
    <message>
        <source>Soubor &quot;%1&quot; nelze uložit.<byte value="xd"/>%2</source>
        <translation>The file &quot;%1&quot; cannot be saved.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Soubor &quot;%1&quot; nelze otevřít.<byte value="xd"/>%2</source>
        <translation>The file &quot;%1&quot; cannot be opened.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Soubor &quot;%1&quot; je větší než %2 MB.</source>
        <translation>The file &quot;%1&quot; is larger than %2 MB.</translation>
    </message>
    <message>
        <source>tlačítko &quot;%1&quot;: text zkrácen na %2 znaků</source>
        <translation>button &quot;%1&quot;: text cut to %2 characters</translation>
    </message>
</context>
<context>
    <name>ObfMedia</name>
    <message>
        <source>obrázek je příliš velký (%1 × %2 bodů)</source>
        <translation>the picture is too large (%1 × %2 pixels)</translation>
    </message>
    <message>
        <source>obrázků je dohromady příliš mnoho</source>
        <translation>there are too many pictures altogether</translation>
    </message>
    <message>
        <source>obrázek je prázdný</source>
        <translation>the picture is empty</translation>
    </message>
    <message>
        <source>neznámý druh obrázku (%1)</source>
        <translation>unknown kind of picture (%1)</translation>
    </message>
    <message>
        <source>obrázek nelze přečíst</source>
        <translation>the picture cannot be read</translation>
    </message>
    <message>
        <source>obrázek nelze přečíst: %1</source>
        <translation>the picture cannot be read: %1</translation>
    </message>
    <message>
        <source>obrázek nelze převést do PNG</source>
        <translation>the picture cannot be converted to PNG</translation>
    </message>
</context>
<context>
    <name>ObfStrings</name>
    <message>
        <source>Některé části tabulek nebylo možné převést, zbytek byl nahrán:</source>
        <translation>Some parts of the boards could not be converted; the rest was loaded:</translation>
    </message>
    <message>
        <source>Některé části tabulek nebylo možné uložit, zbytek byl uložen:</source>
        <translation>Some parts of the keyboards could not be saved; the rest was saved:</translation>
    </message>
    <message>
        <source>Soubor nelze nahrát jako tabulky: </source>
        <translation>The file cannot be loaded as keyboards: </translation>
    </message>
    <message>
        <source>Tabulky nelze uložit jako balík: </source>
        <translation>The keyboards cannot be saved as a package: </translation>
    </message>
</context>
<context>
    <name>ScanStrings</name>
    <message>
        <source>Klávesy</source>
        <translation>Keys</translation>
    </message>
</context>
<context>
    <name>SpeechOutput</name>
    <message>
        <source>Zvukový výstup není k dispozici.</source>
        <translation>Sound output is not available.</translation>
    </message>
</context>
<context>
    <name>TableFiles</name>
    <message>
        <source>Soubor &quot;%1&quot; nelze otevřít.<byte value="xd"/>%2</source>
        <translation>The file &quot;%1&quot; cannot be opened.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Soubor &quot;%1&quot; nelze uložit.<byte value="xd"/>%2</source>
        <translation>The file &quot;%1&quot; cannot be saved.<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>VoiceDialogStrings</name>
    <message>
        <source>Nastavení hlasového výstupu</source>
        <translation>Voice output settings</translation>
    </message>
    <message>
        <source>&amp;Zvolte  nástroj hlasového výstupu</source>
        <translation>&amp;Choose the voice output</translation>
    </message>
    <message>
        <source>žádný</source>
        <translation>none</translation>
    </message>
    <message>
        <source>&amp;Nastavení</source>
        <translation>Set&amp;up</translation>
    </message>
    <message>
        <source>St&amp;orno</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>Nelze spustit požadovaný hlasový výstup.<byte value="xd"/>Chcete vyhledat jiný existující výstup automaticky?</source>
        <translation>The chosen voice output cannot be started.<byte value="xd"/>Should the program look for another one automatically?</translation>
    </message>
    <message>
        <source>Nastavení SAPI5</source>
        <translation>SAPI5 settings</translation>
    </message>
    <message>
        <source>&amp;Volba hlasu</source>
        <translation>&amp;Voice</translation>
    </message>
    <message>
        <source>Výrobce:</source>
        <translation>Vendor:</translation>
    </message>
    <message>
        <source>Jazyk:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Osoba:</source>
        <translation>Person:</translation>
    </message>
    <message>
        <source>Pohlaví:</source>
        <translation>Gender:</translation>
    </message>
    <message>
        <source>Věk:</source>
        <translation>Age:</translation>
    </message>
    <message>
        <source>V&amp;ybrat</source>
        <translation>Se&amp;lect</translation>
    </message>
    <message>
        <source>&amp;Rychlost</source>
        <translation>&amp;Rate</translation>
    </message>
    <message>
        <source>&amp;Hlasitost</source>
        <translation>Vol&amp;ume</translation>
    </message>
    <message>
        <source>&amp;Zavřít</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Hlasy</source>
        <translation>Voices</translation>
    </message>
    <message>
        <source>Použitý hlas</source>
        <translation>Voice in use</translation>
    </message>
    <message>
        <source>Zkušební text</source>
        <translation>Test text</translation>
    </message>
    <message>
        <source>Přečíst</source>
        <translation>Speak</translation>
    </message>
    <message>
        <source>Zastavit</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Hlasový výstup</source>
        <translation>Voice output</translation>
    </message>
</context>
<context>
    <name>VoiceStrings</name>
    <message>
        <source>Hlasový syntezátor nebyl nalezen.<byte value="xd"/>Program bude fungovat bez hlasového výstupu.</source>
        <translation>No speech synthesizer was found.<byte value="xd"/>The program will work without voice output.</translation>
    </message>
    <message>
        <source>neznámý</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>Zvuk nelze přehrát.</source>
        <translation>The sound cannot be played.</translation>
    </message>
    <message>
        <source>&lt;volume level=&quot;100&quot;&gt;Dobrý den.&lt;/volume&gt; &lt;rate speed=&quot;-4&quot;&gt;Teď mluvím pomalu,&lt;/rate&gt; &lt;rate speed=&quot;6&quot;&gt;a teď rychle.&lt;/rate&gt; &lt;pitch middle=&quot;6&quot;&gt;Vysoko,&lt;/pitch&gt; &lt;pitch middle=&quot;-6&quot;&gt;nízko.&lt;/pitch&gt; &lt;silence msec=&quot;600&quot;/&gt;&lt;emph&gt;Důraz.&lt;/emph&gt; Hláskuji: &lt;spell&gt;AHOJ&lt;/spell&gt;.</source>
        <translation>&lt;volume level=&quot;100&quot;&gt;Hello.&lt;/volume&gt; &lt;rate speed=&quot;-4&quot;&gt;Now I am speaking slowly,&lt;/rate&gt; &lt;rate speed=&quot;6&quot;&gt;and now quickly.&lt;/rate&gt; &lt;pitch middle=&quot;6&quot;&gt;High,&lt;/pitch&gt; &lt;pitch middle=&quot;-6&quot;&gt;low.&lt;/pitch&gt; &lt;silence msec=&quot;600&quot;/&gt;&lt;emph&gt;Emphasis.&lt;/emph&gt; I spell: &lt;spell&gt;HELLO&lt;/spell&gt;.</translation>
    </message>
</context>
</TS>
