<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppCategories</name>
    <message>
        <source>Accessories</source>
        <translation>Zubehör</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Entwicklung</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Bildung</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Office</source>
        <translation>Büro</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>Wissenschaft</translation>
    </message>
    <message>
        <source>Sound &amp; Video</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
</context>
<context>
    <name>AppCommands</name>
    <message>
        <source>Add by category</source>
        <comment>undo step</comment>
        <translation>Nach Kategorie hinzufügen</translation>
    </message>
    <message>
        <source>Add from applications</source>
        <comment>undo step</comment>
        <translation>Aus Anwendungen hinzufügen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>what was dropped, why it was refused</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Drop</source>
        <comment>undo step</comment>
        <translation>Ablegen</translation>
    </message>
    <message>
        <source>These cannot become items:
%1</source>
        <translation>Diese können keine Einträge werden:
%1</translation>
    </message>
    <message>
        <source>Drop Error</source>
        <translation>Fehler beim Ablegen</translation>
    </message>
</context>
<context>
    <name>AppItems</name>
    <message>
        <source>its name begins with &apos;SECTION:&apos;, which marks a section</source>
        <translation>sein Name beginnt mit &apos;SECTION:&apos;, was einen Abschnitt kennzeichnet</translation>
    </message>
    <message>
        <source>it holds a line break or another control character, which a launcher page cannot pass on</source>
        <translation>er enthält einen Zeilenumbruch oder ein anderes Steuerzeichen, das eine Startseite nicht weitergeben kann</translation>
    </message>
    <message>
        <source>it holds the text &quot;%1&quot;, which the launcher page would turn into another character</source>
        <translation>er enthält den Text &quot;%1&quot;, den die Startseite in ein anderes Zeichen verwandeln würde</translation>
    </message>
    <message>
        <source>its command line cannot be read</source>
        <translation>seine Befehlszeile kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its command line names no program</source>
        <translation>seine Befehlszeile nennt kein Programm</translation>
    </message>
    <message>
        <source>an argument holds a double quote, which a launcher page cannot pass on</source>
        <translation>ein Argument enthält ein doppeltes Anführungszeichen, das eine Startseite nicht weitergeben kann</translation>
    </message>
    <message>
        <source>it is not an application entry that can be started</source>
        <translation>es ist kein startbarer Anwendungseintrag</translation>
    </message>
</context>
<context>
    <name>BookmarkFile</name>
    <message>
        <source>Invalid file format: %1</source>
        <translation>Ungültiges Dateiformat: %1</translation>
    </message>
    <message>
        <source>the folders are nested more than %1 deep</source>
        <translation>die Ordner sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>the bookmarks file is larger than 64 MB</source>
        <translation>die Lesezeichendatei ist größer als 64 MB</translation>
    </message>
    <message>
        <source>the bookmarks file is not UTF-8 text</source>
        <translation>die Lesezeichendatei ist kein UTF-8-Text</translation>
    </message>
</context>
<context>
    <name>BookmarkItems</name>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Invalid file format: the bookmarks file is larger than 64 MB</source>
        <translation>Ungültiges Dateiformat: die Lesezeichendatei ist größer als 64 MB</translation>
    </message>
    <message>
        <source>Path/File access error: the file cannot be read</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: die Datei kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>CheckCommands</name>
    <message>
        <source>Every item&apos;s command, start-in folder and icon were found.</source>
        <translation>Befehl, Ausführungsordner und Symbol aller Einträge wurden gefunden.</translation>
    </message>
    <message>
        <source>Check Items</source>
        <translation>Einträge prüfen</translation>
    </message>
</context>
<context>
    <name>IconStore</name>
    <message>
        <source>Path/File access error: the icon &apos;%1&apos; cannot be written</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: das Symbol &apos;%1&apos; kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Path/File access error: the folder &apos;%1&apos; cannot be made the user&apos;s own</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: der Ordner &apos;%1&apos; kann nicht zum Eigentum des Benutzers gemacht werden</translation>
    </message>
</context>
<context>
    <name>ImportItems</name>
    <message>
        <source>Import Error</source>
        <translation>Importfehler</translation>
    </message>
    <message>
        <source>No items were found in the file</source>
        <translation>In der Datei wurden keine Einträge gefunden</translation>
    </message>
    <message>
        <source>1 item was successfully added</source>
        <translation>1 Eintrag wurde erfolgreich hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <source>%1 items were successfully added</source>
        <comment>%1: the count, digits grouped</comment>
        <translation>
            <numerusform>%1 Eintrag wurde erfolgreich hinzugefügt</numerusform>
            <numerusform>%1 Einträge wurden erfolgreich hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>1 bookmark could not be used.</source>
        <translation>1 Lesezeichen konnte nicht verwendet werden.</translation>
    </message>
    <message numerus="yes">
        <source>%1 bookmarks could not be used.</source>
        <comment>%1: the count, digits grouped</comment>
        <translation>
            <numerusform>%1 Lesezeichen konnte nicht verwendet werden.</numerusform>
            <numerusform>%1 Lesezeichen konnten nicht verwendet werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not find the file &apos;%1&apos;. Please check the filename and try again.</source>
        <translation>Die Datei &apos;%1&apos; wurde nicht gefunden. Bitte prüfen Sie den Dateinamen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Import</source>
        <comment>undo step</comment>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>An error occurred when attempting to import the file &apos;%1&apos; - %2, %3</source>
        <comment>file name, error description, error number</comment>
        <translation>Beim Importieren der Datei &apos;%1&apos; ist ein Fehler aufgetreten - %2, %3</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>the items added, then the bookmarks left out</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Import Result</source>
        <translation>Importergebnis</translation>
    </message>
</context>
<context>
    <name>ItemCheck</name>
    <message>
        <source>The command was not found: %1</source>
        <translation>Der Befehl wurde nicht gefunden: %1</translation>
    </message>
    <message>
        <source>The start-in folder does not exist: %1</source>
        <translation>Der Ausführungsordner existiert nicht: %1</translation>
    </message>
    <message>
        <source>The icon file does not exist: %1</source>
        <translation>Die Symboldatei existiert nicht: %1</translation>
    </message>
    <message>
        <source>%1. %2 - %3</source>
        <comment>row number, description, what is wrong with it</comment>
        <translation>%1. %2 - %3</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between two problems of one item</comment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>ItemCommands</name>
    <message>
        <source>Are you sure you want to delete the selected item?</source>
        <translation>Möchten Sie den ausgewählten Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete Icon(s)</source>
        <translation>Eintrag/Einträge löschen</translation>
    </message>
    <message>
        <source>Delete section</source>
        <translation>Abschnitt löschen</translation>
    </message>
    <message>
        <source>Delete item</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>Copy and paste</source>
        <translation>Kopieren und Einfügen</translation>
    </message>
    <message>
        <source>Drag and drop</source>
        <translation>Ziehen und Ablegen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten verschieben</translation>
    </message>
</context>
<context>
    <name>ItemFields</name>
    <message>
        <source>Normal Window</source>
        <translation>Normales Fenster</translation>
    </message>
    <message>
        <source>Maximised Focus</source>
        <translation>Maximiert mit Fokus</translation>
    </message>
    <message>
        <source>Minimised Focus</source>
        <translation>Minimiert mit Fokus</translation>
    </message>
    <message>
        <source>Normal No Focus</source>
        <translation>Normal ohne Fokus</translation>
    </message>
    <message>
        <source>Minimised No Focus</source>
        <translation>Minimiert ohne Fokus</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Verborgen</translation>
    </message>
    <message>
        <source>Hyperlink</source>
        <translation>Hyperlink</translation>
    </message>
    <message>
        <source>You must enter a description for this icon</source>
        <translation>Sie müssen für diesen Eintrag eine Beschreibung eingeben</translation>
    </message>
    <message>
        <source>You must enter a command for this icon</source>
        <translation>Sie müssen für diesen Eintrag einen Befehl eingeben</translation>
    </message>
    <message>
        <source>The description cannot start with the word &apos;SECTION:&apos;</source>
        <translation>Die Beschreibung darf nicht mit dem Wort &apos;SECTION:&apos; beginnen</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>HTML-Dokument</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
<context>
    <name>ShortcutCommands</name>
    <message>
        <source>An error occurred when creating a shortcut on the Desktop - %1, %2</source>
        <comment>error description, error number</comment>
        <translation>Beim Erstellen einer Verknüpfung auf dem Desktop ist ein Fehler aufgetreten - %1, %2</translation>
    </message>
    <message>
        <source>Create Shortcut to Desktop Error</source>
        <translation>Fehler beim Erstellen der Verknüpfung auf dem Desktop</translation>
    </message>
    <message>
        <source>A shortcut was successfully created on the Desktop</source>
        <translation>Auf dem Desktop wurde erfolgreich eine Verknüpfung erstellt</translation>
    </message>
    <message>
        <source>Create Shortcut on Desktop</source>
        <translation>Verknüpfung auf dem Desktop erstellen</translation>
    </message>
</context>
<context>
    <name>frmAdd</name>
    <message>
        <source>Browse for File</source>
        <translation>Nach Datei suchen</translation>
    </message>
    <message>
        <source>Browse for Folder</source>
        <translation>Nach Ordner suchen</translation>
    </message>
    <message>
        <source>* &amp;Description:</source>
        <translation>* &amp;Beschreibung:</translation>
    </message>
    <message>
        <source>* &amp;Command:</source>
        <translation>* Be&amp;fehl:</translation>
    </message>
    <message>
        <source>&amp;Parameters:</source>
        <translation>&amp;Parameter:</translation>
    </message>
    <message>
        <source>&amp;Start in:</source>
        <translation>&amp;Ausführen in:</translation>
    </message>
    <message>
        <source>&amp;Icon:</source>
        <translation>&amp;Symbol:</translation>
    </message>
    <message>
        <source>&amp;Run:</source>
        <translation>Ausfü&amp;hrung:</translation>
    </message>
    <message>
        <source>Co&amp;mments:</source>
        <translation>&amp;Kommentare:</translation>
    </message>
    <message>
        <source>* - mandatory field</source>
        <translation>* - Pflichtfeld</translation>
    </message>
    <message>
        <source>Link to &amp;Quintor file</source>
        <translation>Verknüpfung zu einer &amp;Quintor-Datei</translation>
    </message>
    <message>
        <source>Browse for Quintor File</source>
        <translation>Nach Quintor-Datei suchen</translation>
    </message>
    <message>
        <source>&amp;Open in new window</source>
        <translation>In &amp;neuem Fenster öffnen</translation>
    </message>
    <message>
        <source>Add item at &amp;bottom of list</source>
        <translation>Eintrag am &amp;Ende der Liste hinzufügen</translation>
    </message>
    <message>
        <source>Clear &amp;TextBoxes after adding</source>
        <translation>Textfelder nach dem Hinzufügen &amp;leeren</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add a&amp;nd close</source>
        <translation>Hinzufügen und s&amp;chließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Browse for Command</source>
        <translation>Befehl suchen</translation>
    </message>
    <message>
        <source>&amp;Choose a Drive/Folder for the command:</source>
        <translation>&amp;Wählen Sie ein Laufwerk/einen Ordner für den Befehl:</translation>
    </message>
    <message>
        <source>Browse for Parameter</source>
        <translation>Parameter suchen</translation>
    </message>
    <message>
        <source>&amp;Choose a Drive/Folder for the parameters:</source>
        <translation>&amp;Wählen Sie ein Laufwerk/einen Ordner für die Parameter:</translation>
    </message>
    <message>
        <source>&amp;Choose a Start In Drive/Folder:</source>
        <translation>&amp;Wählen Sie ein Laufwerk/einen Ordner zum Ausführen:</translation>
    </message>
    <message>
        <source>Choose an Icon</source>
        <translation>Symbol wählen</translation>
    </message>
    <message>
        <source>&amp;Choose a Drive/Folder for the icon:</source>
        <translation>&amp;Wählen Sie ein Laufwerk/einen Ordner für das Symbol:</translation>
    </message>
    <message>
        <source>Add an Icon</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Edit Icon %1</source>
        <translation>Eintrag bearbeiten: %1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Bearbei&amp;ten</translation>
    </message>
    <message>
        <source>Edit Error</source>
        <translation>Fehler beim Bearbeiten</translation>
    </message>
    <message>
        <source>Add Error</source>
        <translation>Fehler beim Hinzufügen</translation>
    </message>
    <message>
        <source>Edit item</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Add item</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Browse for Quintor HTML File</source>
        <translation>Nach Quintor-HTML-Datei suchen</translation>
    </message>
</context>
<context>
    <name>frmApps</name>
    <message>
        <source>Add from Applications</source>
        <translation>Aus Anwendungen hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Name, kind, keyword or description</source>
        <translation>Name, Art, Stichwort oder Beschreibung</translation>
    </message>
    <message>
        <source>Add by &amp;category</source>
        <translation>Nach &amp;Kategorie hinzufügen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This application cannot be added: %1.</source>
        <translation>Diese Anwendung kann nicht hinzugefügt werden: %1.</translation>
    </message>
    <message>
        <source>Choose one or more applications.</source>
        <translation>Wählen Sie eine oder mehrere Anwendungen.</translation>
    </message>
    <message numerus="yes">
        <source>%n chosen</source>
        <translation>
            <numerusform>%n ausgewählt</numerusform>
            <numerusform>%n ausgewählt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmCheck</name>
    <message>
        <source>Check Items</source>
        <translation>Einträge prüfen</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) will not work as they are. Choose one to select it:</source>
        <translation>
            <numerusform>%n Eintrag wird so nicht funktionieren. Wählen Sie ihn, um ihn in der Liste zu markieren:</numerusform>
            <numerusform>%n Einträge werden so nicht funktionieren. Wählen Sie einen, um ihn in der Liste zu markieren:</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmImport</name>
    <message>
        <source>Import Quintor File Items</source>
        <translation>Einträge aus Quintor-Datei importieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;File name:</source>
        <translation>&amp;Dateiname:</translation>
    </message>
    <message>
        <source>New &amp;section name (optional):</source>
        <translation>Name des neuen &amp;Abschnitts (optional):</translation>
    </message>
    <message>
        <source>Choose an Quintor File to Import</source>
        <translation>Zu importierende Quintor-Datei auswählen</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
<context>
    <name>frmQTE</name>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Vorschau</translation>
    </message>
</context>
<context>
    <name>frmReplace</name>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>&amp;Ersetzen durch:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>&amp;Alle ersetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Replace in Columns</source>
        <translation>In Spalten ersetzen</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>Co&amp;mmand</source>
        <translation>Be&amp;fehl</translation>
    </message>
    <message>
        <source>Parame&amp;ters</source>
        <translation>&amp;Parameter</translation>
    </message>
    <message>
        <source>&amp;Start In</source>
        <translation>Ausführen &amp;in</translation>
    </message>
    <message>
        <source>&amp;Icon</source>
        <translation>S&amp;ymbol</translation>
    </message>
    <message>
        <source>C&amp;omments</source>
        <translation>&amp;Kommentare</translation>
    </message>
    <message>
        <source>Replace</source>
        <comment>undo step</comment>
        <translation>Ersetzen</translation>
    </message>
</context>
<context>
    <name>frmSection</name>
    <message>
        <source>Add Section</source>
        <translation>Abschnitt hinzufügen</translation>
    </message>
    <message>
        <source>Icons &amp;above</source>
        <translation>Symbole &amp;oberhalb</translation>
    </message>
    <message>
        <source>&amp;Table border</source>
        <translation>&amp;Tabellenrahmen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Columns (1 minimum):</source>
        <translation>&amp;Spalten (mindestens 1):</translation>
    </message>
    <message>
        <source>Icon &amp;size (16 minimum):</source>
        <translation>Symbol&amp;größe (mindestens 16):</translation>
    </message>
    <message>
        <source>Edit Section %1</source>
        <translation>Abschnitt bearbeiten: %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit section</source>
        <translation>Abschnitt bearbeiten</translation>
    </message>
    <message>
        <source>Add section</source>
        <translation>Abschnitt hinzufügen</translation>
    </message>
</context>
<context>
    <name>frmSwap</name>
    <message>
        <source>S&amp;wap Columns</source>
        <translation>Spalten &amp;tauschen</translation>
    </message>
    <message>
        <source>Mo&amp;ve Column</source>
        <translation>Spalte &amp;verschieben</translation>
    </message>
    <message>
        <source>&amp;Copy Column</source>
        <translation>Spalte &amp;kopieren</translation>
    </message>
    <message>
        <source>Swap columns</source>
        <translation>Spalten tauschen</translation>
    </message>
    <message>
        <source>Move column</source>
        <translation>Spalte verschieben</translation>
    </message>
    <message>
        <source>Copy column</source>
        <translation>Spalte kopieren</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>C&amp;ommand</source>
        <translation>Be&amp;fehl</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <translation>&amp;Parameter</translation>
    </message>
    <message>
        <source>S&amp;tart in</source>
        <translation>Ausführen &amp;in</translation>
    </message>
    <message>
        <source>&amp;Icon</source>
        <translation>&amp;Symbol</translation>
    </message>
    <message>
        <source>Comm&amp;ents</source>
        <translation>Ko&amp;mmentare</translation>
    </message>
    <message>
        <source>Desc&amp;ription</source>
        <translation>Besch&amp;reibung</translation>
    </message>
    <message>
        <source>Co&amp;mmand</source>
        <translation>Bef&amp;ehl</translation>
    </message>
    <message>
        <source>P&amp;arameters</source>
        <translation>P&amp;arameter</translation>
    </message>
    <message>
        <source>Start&amp; in</source>
        <translation>Ausführen&amp; in</translation>
    </message>
    <message>
        <source>Ico&amp;n</source>
        <translation>S&amp;ymbol</translation>
    </message>
    <message>
        <source>Comment&amp;s</source>
        <translation>Komme&amp;ntare</translation>
    </message>
    <message>
        <source>Swap Columns</source>
        <translation>Spalten tauschen</translation>
    </message>
    <message>
        <source>First Column</source>
        <translation>Erste Spalte</translation>
    </message>
    <message>
        <source>Second Column</source>
        <translation>Zweite Spalte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
