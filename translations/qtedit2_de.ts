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
    <name>BatchCommand</name>
    <message>
        <source>Open Error</source>
        <translation>Fehler beim Öffnen</translation>
    </message>
    <message>
        <source>An error occurred when attempting to open the file &apos;%1&apos; - %2, %3</source>
        <translation>Beim Öffnen der Datei „%1“ ist ein Fehler aufgetreten - %2, %3</translation>
    </message>
    <message>
        <source>Build Error</source>
        <translation>Fehler beim Erstellen</translation>
    </message>
    <message>
        <source>An error occurred when attempting to build the HTML file &apos;%1&apos; - %2, %3</source>
        <translation>Beim Erstellen der HTML-Datei „%1“ ist ein Fehler aufgetreten - %2, %3</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>An error occurred when attempting to save the file &apos;%1&apos; - %2, %3</source>
        <translation>Beim Speichern der Datei „%1“ ist ein Fehler aufgetreten - %2, %3</translation>
    </message>
    <message>
        <source>--output is given twice</source>
        <translation>--output ist zweimal angegeben</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (a file name that begins with &apos;-&apos; goes after &apos;--&apos;)</source>
        <translation>unbekannte Option „%1“ (ein Dateiname, der mit „-“ beginnt, steht nach „--“)</translation>
    </message>
    <message>
        <source>%1 needs a launcher file (.qtf or .yaml)</source>
        <translation>%1 braucht eine Starterdatei (.qtf oder .yaml)</translation>
    </message>
    <message>
        <source>%1 takes one launcher file, not also &apos;%2&apos;</source>
        <translation>%1 nimmt eine Starterdatei, nicht auch „%2“</translation>
    </message>
    <message>
        <source>--check writes nothing, so it takes no --output</source>
        <translation>--check schreibt nichts und nimmt daher kein --output</translation>
    </message>
    <message>
        <source>the converted file&apos;s name must end in .qtf, .yaml or .yml: &apos;%1&apos;</source>
        <translation>der Name der umgewandelten Datei muss auf .qtf, .yaml oder .yml enden: „%1“</translation>
    </message>
    <message>
        <source>converting a text launcher file needs --output FILE.qtf</source>
        <translation>das Umwandeln einer Starterdatei in Textform braucht --output DATEI.qtf</translation>
    </message>
    <message>
        <source>%1: %2 (see qtedit2 --help)</source>
        <translation>%1: %2 (siehe qtedit2 --help)</translation>
    </message>
    <message>
        <source>Commands without a window (first on the line; FILE may be a .qtf or a .yaml file):
  --build FILE [--output PAGE]  Builds the launcher page as the editor&apos;s Build does.
                                PAGE defaults to the &quot;(HTML File)&quot; property, else
                                to FILE with the extension &quot;.htm&quot;.
  --check FILE                  Lists the items that cannot start; exit status 1
                                when there are any.
  --convert IN [--output OUT]   Converts between .qtf and .yaml by the names&apos;
                                extensions; without --output the YAML text of a
                                .qtf file goes to standard output.
Exit status: 0 done, 1 items that cannot start (--check), 2 a wrong command line,
3 FILE cannot be read or is damaged, 4 the page, its icons or OUT cannot be
written. A failure prints &quot;&lt;title&gt;: &lt;message&gt;&quot; on standard error.
</source>
        <translation>Befehle ohne Fenster (als erstes Wort der Zeile; FILE darf eine .qtf- oder eine
.yaml-Datei sein):
  --build FILE [--output PAGE]  Erstellt die Startseite wie der Befehl Erstellen
                                des Editors. PAGE ist ohne Angabe die
                                Eigenschaft &quot;(HTML File)&quot;, sonst FILE mit der
                                Endung &quot;.htm&quot;.
  --check FILE                  Listet die Einträge auf, die nicht starten
                                können; Exit-Status 1, wenn es welche gibt.
  --convert IN [--output OUT]   Wandelt nach den Endungen der Namen zwischen
                                .qtf und .yaml um; ohne --output geht der
                                YAML-Text einer .qtf-Datei auf die
                                Standardausgabe.
Exit-Status: 0 erledigt, 1 Einträge, die nicht starten können (--check), 2 eine
falsche Befehlszeile, 3 FILE kann nicht gelesen werden oder ist beschädigt, 4
die Seite, ihre Symbole oder OUT können nicht geschrieben werden. Ein Fehler
gibt &quot;&lt;Titel&gt;: &lt;Meldung&gt;&quot; auf der Standardfehlerausgabe aus.
</translation>
    </message>
    <message>
        <source>A text launcher file, tools.yaml (what it leaves out keeps its default):</source>
        <translation>Eine Starterdatei in Textform, tools.yaml (was sie auslässt, behält seinen Standardwert):</translation>
    </message>
    <message>
        <source>Rebuilt every hour by cron (crontab -e; a systemd user timer: man qtedit2):</source>
        <translation>Stündlich von cron neu erstellt (crontab -e; ein systemd-Benutzer-Timer: man qtedit2):</translation>
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
    <name>BuildCommands</name>
    <message>
        <source>An error occurred when attempting to generate the HTML - %1, %2</source>
        <translation>Beim Erzeugen des HTML ist ein Fehler aufgetreten - %1, %2</translation>
    </message>
    <message>
        <source>HTML Error</source>
        <translation>HTML-Fehler</translation>
    </message>
    <message>
        <source>An error occurred when attempting to preview the HTML file &apos;%3&apos; - %1, %2</source>
        <translation>Bei der Vorschau der HTML-Datei „%3“ ist ein Fehler aufgetreten - %1, %2</translation>
    </message>
    <message>
        <source>Preview Error</source>
        <translation>Fehler bei der Vorschau</translation>
    </message>
    <message>
        <source>There are no icons in the list.  Do you still want to build the HTML file?</source>
        <translation>Die Liste enthält keine Symbole.  Möchten Sie die HTML-Datei trotzdem erstellen?</translation>
    </message>
    <message>
        <source>No Items in List</source>
        <translation>Keine Einträge in der Liste</translation>
    </message>
    <message>
        <source>Build the HTML File</source>
        <translation>HTML-Datei erstellen</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>HTML-Dokument</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>An error occurred when attempting to build the HTML file &apos;%3&apos; - %1, %2</source>
        <translation>Beim Erstellen der HTML-Datei „%3“ ist ein Fehler aufgetreten - %1, %2</translation>
    </message>
    <message>
        <source>Build Error</source>
        <translation>Fehler beim Erstellen</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>An error occurred when running the command - &apos;%3&apos; - %1, %2</source>
        <translation>Beim Ausführen des Befehls ist ein Fehler aufgetreten - „%3“ - %1, %2</translation>
    </message>
    <message>
        <source>Run Error</source>
        <translation>Fehler beim Ausführen</translation>
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
    <name>EditHistory</name>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
</context>
<context>
    <name>EditorActions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Import Quintor File Items...</source>
        <translation>Einträge aus Quintor-Datei &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Build...</source>
        <translation>Startseite &amp;erstellen...</translation>
    </message>
    <message>
        <source>&amp;Run...</source>
        <translation>&amp;Ausführen...</translation>
    </message>
    <message>
        <source>Create Shortcut on &amp;Desktop...</source>
        <translation>&amp;Verknüpfung auf dem Desktop erstellen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy and paste</source>
        <translation>&amp;Kopieren und einfügen</translation>
    </message>
    <message>
        <source>&amp;Add icon...</source>
        <translation>Symbol &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Add se&amp;ction (above selected item)...</source>
        <translation>Ab&amp;schnitt hinzufügen (über dem gewählten Eintrag)...</translation>
    </message>
    <message>
        <source>&amp;Edit selected item...</source>
        <translation>Gewählten Eintrag &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Delete selected item...</source>
        <translation>Gewählten Eintrag &amp;löschen...</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Rep&amp;lace...</source>
        <translation>&amp;Ersetzen...</translation>
    </message>
    <message>
        <source>&amp;Swap Columns...</source>
        <translation>Spalten &amp;tauschen...</translation>
    </message>
    <message>
        <source>Check &amp;items</source>
        <translation>Einträge &amp;prüfen</translation>
    </message>
    <message>
        <source>Edit &amp;property...</source>
        <translation>Eigenscha&amp;ft bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Reset properties...</source>
        <translation>Eigenschaften &amp;zurücksetzen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Send feedback...</source>
        <translation>&amp;Rückmeldung senden...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>New (Ctrl+N)</source>
        <translation>Neu (Strg+N)</translation>
    </message>
    <message>
        <source>Open (Ctrl+O)</source>
        <translation>Öffnen (Strg+O)</translation>
    </message>
    <message>
        <source>Save (Ctrl+S)</source>
        <translation>Speichern (Strg+S)</translation>
    </message>
    <message>
        <source>Build (F3)</source>
        <translation>Erstellen (F3)</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Rückgängig (Strg+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>Wiederherstellen (Strg+Umschalt+Z)</translation>
    </message>
    <message>
        <source>Add icon (F4)</source>
        <translation>Symbol hinzufügen (F4)</translation>
    </message>
    <message>
        <source>Add from applications (Shift+F4)</source>
        <translation>Aus Anwendungen hinzufügen (Umschalt+F4)</translation>
    </message>
    <message>
        <source>Add section (above selected item) (F7)</source>
        <translation>Abschnitt hinzufügen (über dem gewählten Eintrag) (F7)</translation>
    </message>
    <message>
        <source>Edit (F2)</source>
        <translation>Bearbeiten (F2)</translation>
    </message>
    <message>
        <source>Delete (F8)</source>
        <translation>Löschen (F8)</translation>
    </message>
    <message>
        <source>Move up (Ctrl+U)</source>
        <translation>Nach oben (Strg+U)</translation>
    </message>
    <message>
        <source>Move down (Ctrl+D)</source>
        <translation>Nach unten (Strg+D)</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Strg+Z</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation>Strg+Umschalt+Z</translation>
    </message>
    <message>
        <source>Add &amp;from applications...</source>
        <translation>Aus Anwendungen hin&amp;zufügen...</translation>
    </message>
    <message>
        <source>U&amp;ndo</source>
        <translation>Rückgän&amp;gig</translation>
    </message>
    <message>
        <source>Red&amp;o</source>
        <translation>Wieder&amp;holen</translation>
    </message>
    <message>
        <source>U&amp;ndo %1</source>
        <translation>Rückgän&amp;gig: %1</translation>
    </message>
    <message>
        <source>Red&amp;o %1</source>
        <translation>Wieder&amp;holen: %1</translation>
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
    <name>ItemRows</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Start In</source>
        <translation>Ausführen in</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführung</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Rename item</source>
        <translation>Eintrag umbenennen</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Abschnitt</translation>
    </message>
</context>
<context>
    <name>LauncherFile</name>
    <message>
        <source>The file is damaged: its last item is incomplete</source>
        <translation>Die Datei ist beschädigt: ihr letzter Eintrag ist unvollständig</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Quintor File</source>
        <translation>Quintor-Datei</translation>
    </message>
    <message>
        <source>Permission denied: the file is in use by another program</source>
        <translation>Zugriff verweigert: die Datei wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; %2 has changed.  Do you want to save the changes?</source>
        <translation>Die Datei „%1“ %2 wurde geändert.  Möchten Sie die Änderungen speichern?</translation>
    </message>
</context>
<context>
    <name>LauncherText</name>
    <message>
        <source>The text form cannot keep the text &apos;%1&apos;: it holds a noncharacter of Unicode among characters that must be escaped</source>
        <translation>Die Textform kann den Text „%1“ nicht aufnehmen: er enthält ein Unicode-Nichtzeichen zwischen Zeichen, die maskiert werden müssen</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>ein Text</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>a mapping</source>
        <translation>eine Zuordnung</translation>
    </message>
    <message>
        <source>%1 must be %2, not %3</source>
        <translation>%1 muss %2 sein, nicht %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be True or False, not &apos;%2&apos;</source>
        <translation>„%1“ muss True oder False sein, nicht „%2“</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be a colour (#RRGGBB), not &apos;%2&apos;</source>
        <translation>„%1“ muss eine Farbe (#RRGGBB) sein, nicht „%2“</translation>
    </message>
    <message>
        <source>unknown property &apos;%1&apos; (the keys are P_TITLE, P_COLUMN and the others of a launcher file)</source>
        <translation>unbekannte Eigenschaft „%1“ (die Schlüssel sind P_TITLE, P_COLUMN und die übrigen einer Starterdatei)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a run style (%2)</source>
        <translation>„%1“ ist keine Ausführungsart (%2)</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>ein Eintrag</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; in an item (description, command, parameters, start-in, icon, run, comments)</source>
        <translation>unbekannter Schlüssel „%1“ in einem Eintrag (description, command, parameters, start-in, icon, run, comments)</translation>
    </message>
    <message>
        <source>an item&apos;s description may not begin with SECTION: (a section goes under &apos;sections&apos;)</source>
        <translation>die Beschreibung eines Eintrags darf nicht mit SECTION: beginnen (ein Abschnitt gehört unter „sections“)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be a number from %2 to %3, not &apos;%4&apos;</source>
        <translation>„%1“ muss eine Zahl von %2 bis %3 sein, nicht „%4“</translation>
    </message>
    <message>
        <source>a section</source>
        <translation>ein Abschnitt</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; in a section (name, columns, icon-size, icons-above, table-border, items)</source>
        <translation>unbekannter Schlüssel „%1“ in einem Abschnitt (name, columns, icon-size, icons-above, table-border, items)</translation>
    </message>
    <message>
        <source>a section gives either its &apos;row&apos; or its name and details, not both</source>
        <translation>ein Abschnitt gibt entweder seine „row“ oder seinen Namen und seine Angaben an, nicht beides</translation>
    </message>
    <message>
        <source>a section&apos;s &apos;row&apos; must begin with SECTION:</source>
        <translation>die „row“ eines Abschnitts muss mit SECTION: beginnen</translation>
    </message>
    <message>
        <source>Line %1: the text is not UTF-8</source>
        <translation>Zeile %1: der Text ist kein UTF-8</translation>
    </message>
    <message>
        <source>a launcher file</source>
        <translation>eine Starterdatei</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; (a launcher file has properties, items and sections)</source>
        <translation>unbekannter Schlüssel „%1“ (eine Starterdatei hat properties, items und sections)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Path/File access error: the path is not a file</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: der Pfad ist keine Datei</translation>
    </message>
    <message>
        <source>Invalid file format: the file is larger than %1 MB</source>
        <translation>Ungültiges Dateiformat: die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
</context>
<context>
    <name>PageBuild</name>
    <message>
        <source>Path not found: the folder &apos;%1&apos; does not exist</source>
        <translation>Pfad nicht gefunden: der Ordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>The preview folder cannot be made in &apos;%1&apos;</source>
        <translation>Der Ordner für die Vorschau kann in „%1“ nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>PageThemes</name>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Page preview</source>
        <translation>Vorschau der Seite</translation>
    </message>
</context>
<context>
    <name>ProgramInfo</name>
    <message>
        <source>Turns a list of programs, documents, folders and web links into a clickable launcher page.</source>
        <translation>Macht aus einer Liste von Programmen, Dokumenten, Ordnern und Weblinks eine anklickbare Startseite.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>PropertyCommands</name>
    <message>
        <source>This property requires that the file is saved.  Do you want to save now?</source>
        <translation>Für diese Eigenschaft muss die Datei gespeichert sein.  Möchten Sie jetzt speichern?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Type the window title:</source>
        <translation>Geben Sie den Fenstertitel ein:</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Edit property &apos;%1&apos;</source>
        <translation>Eigenschaft „%1“ bearbeiten</translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation>Fehler bei %1</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>&amp;HTML File Location:</source>
        <translation>Speicherort der &amp;HTML-Datei:</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the properties?</source>
        <translation>Möchten Sie die Eigenschaften wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Reset Properties</source>
        <translation>Eigenschaften zurücksetzen</translation>
    </message>
    <message>
        <source>Reset properties</source>
        <translation>Eigenschaften zurücksetzen</translation>
    </message>
</context>
<context>
    <name>PropertyEditors</name>
    <message>
        <source>HTML File Location</source>
        <translation>Speicherort der HTML-Datei</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>HTML-Dokument</translation>
    </message>
    <message>
        <source>Choose a Background Picture</source>
        <translation>Hintergrundbild wählen</translation>
    </message>
    <message>
        <source>All Picture Formats</source>
        <translation>Alle Bildformate</translation>
    </message>
    <message>
        <source>Gif Format</source>
        <translation>GIF-Format</translation>
    </message>
    <message>
        <source>JPEG Format</source>
        <translation>JPEG-Format</translation>
    </message>
    <message>
        <source>Portable Network Graphics</source>
        <translation>Portable Network Graphics</translation>
    </message>
    <message>
        <source>Bitmap Image</source>
        <translation>Bitmap-Bild</translation>
    </message>
    <message>
        <source>Choose a Style Sheet</source>
        <translation>Stylesheet wählen</translation>
    </message>
    <message>
        <source>Cascading Style Sheet</source>
        <translation>Cascading Style Sheet</translation>
    </message>
    <message>
        <source>Choose an Icon</source>
        <translation>Symbol wählen</translation>
    </message>
    <message>
        <source>Type the Font size:</source>
        <translation>Geben Sie die Schriftgröße ein:</translation>
    </message>
    <message>
        <source>How many columns do you want?</source>
        <translation>Wie viele Spalten möchten Sie?</translation>
    </message>
    <message>
        <source>Window height (pixels):</source>
        <translation>Fensterhöhe (Pixel):</translation>
    </message>
    <message>
        <source>Window width (pixels):</source>
        <translation>Fensterbreite (Pixel):</translation>
    </message>
    <message>
        <source>Icon size (16 minimum):</source>
        <translation>Symbolgröße (mindestens 16):</translation>
    </message>
</context>
<context>
    <name>PropertyRows</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>PropertyRules</name>
    <message>
        <source>&apos;%1&apos; is not a number, please try again</source>
        <translation>„%1“ ist keine Zahl, bitte versuchen Sie es noch einmal</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number, please try again</source>
        <translation>„%1“ ist keine ganze Zahl, bitte versuchen Sie es noch einmal</translation>
    </message>
    <message>
        <source>The number must be %1 or higher</source>
        <translation>Die Zahl muss %1 oder größer sein</translation>
    </message>
    <message>
        <source>The number must be %1 or lower</source>
        <translation>Die Zahl muss %1 oder kleiner sein</translation>
    </message>
</context>
<context>
    <name>PropertyWindowParts</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RecoveryCommands</name>
    <message>
        <source>Restore Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen wiederherstellen</translation>
    </message>
    <message>
        <source>%1 was closed before the changes to a new document were saved.</source>
        <translation>%1 wurde geschlossen, bevor die Änderungen an einem neuen Dokument gespeichert waren.</translation>
    </message>
    <message>
        <source>%1 was closed before the changes to &apos;%2&apos; were saved.</source>
        <translation>%1 wurde geschlossen, bevor die Änderungen an „%2“ gespeichert waren.</translation>
    </message>
    <message>
        <source>Restore unsaved changes</source>
        <translation>Ungespeicherte Änderungen wiederherstellen</translation>
    </message>
    <message>
        <source>The unsaved changes kept in &apos;%1&apos; could not be read - %2, %3. The copy was left where it is.</source>
        <translation>Die in „%1“ aufbewahrten ungespeicherten Änderungen konnten nicht gelesen werden - %2, %3. Die Kopie wurde an ihrem Ort belassen.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>The note of the copy is missing or damaged</source>
        <translation>Die Notiz zur Kopie fehlt oder ist beschädigt</translation>
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
    <name>YamlTree</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>aliases (*name) are not used in a launcher file</source>
        <translation>Aliase (*name) werden in einer Starterdatei nicht verwendet</translation>
    </message>
    <message>
        <source>anchors (&amp;name) are not used in a launcher file</source>
        <translation>Anker (&amp;name) werden in einer Starterdatei nicht verwendet</translation>
    </message>
    <message>
        <source>tags (%1) are not used in a launcher file</source>
        <translation>Tags (%1) werden in einer Starterdatei nicht verwendet</translation>
    </message>
    <message>
        <source>the file is nested more than %1 levels deep</source>
        <translation>die Datei ist tiefer als %1 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>a key must be a text</source>
        <translation>ein Schlüssel muss ein Text sein</translation>
    </message>
    <message>
        <source>the key &apos;%1&apos; is given twice</source>
        <translation>der Schlüssel „%1“ ist zweimal angegeben</translation>
    </message>
    <message>
        <source>the file holds no launcher document</source>
        <translation>die Datei enthält kein Starterdokument</translation>
    </message>
    <message>
        <source>a launcher file holds one document, this one holds several</source>
        <translation>eine Starterdatei enthält ein Dokument, diese enthält mehrere</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
    <message>
        <source>Browse for the command</source>
        <translation>Befehl suchen</translation>
    </message>
    <message>
        <source>Choose a folder for the command</source>
        <translation>Ordner für den Befehl wählen</translation>
    </message>
    <message>
        <source>Browse for a file for the parameters</source>
        <translation>Datei für die Parameter suchen</translation>
    </message>
    <message>
        <source>Choose a folder for the parameters</source>
        <translation>Ordner für die Parameter wählen</translation>
    </message>
    <message>
        <source>Choose the start-in folder</source>
        <translation>Startordner wählen</translation>
    </message>
    <message>
        <source>Browse for the icon</source>
        <translation>Symbol suchen</translation>
    </message>
    <message>
        <source>Choose a folder for the icon</source>
        <translation>Ordner für das Symbol wählen</translation>
    </message>
    <message>
        <source>Browse for a Quintor file to link to</source>
        <translation>Quintor-Datei für die Verknüpfung suchen</translation>
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
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Choose one or more; each one chosen becomes an item</source>
        <translation>Wählen Sie eine oder mehrere; jede gewählte wird ein Eintrag</translation>
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
    <message>
        <source>Items that will not work</source>
        <translation>Einträge, die nicht funktionieren</translation>
    </message>
    <message>
        <source>Press Enter to select the item in the list</source>
        <translation>Drücken Sie die Eingabetaste, um den Eintrag in der Liste auszuwählen</translation>
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
    <message>
        <source>Browse for the Quintor file</source>
        <translation>Quintor-Datei suchen</translation>
    </message>
</context>
<context>
    <name>frmPCol</name>
    <message>
        <source>Colour Picker</source>
        <translation>Farbauswahl</translation>
    </message>
    <message>
        <source>C&amp;hoose colour...</source>
        <translation>Farbe &amp;wählen...</translation>
    </message>
    <message>
        <source>&amp;Default colour</source>
        <translation>&amp;Standardfarbe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmPFile</name>
    <message>
        <source>Choose File</source>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Browse for the file</source>
        <translation>Datei suchen</translation>
    </message>
</context>
<context>
    <name>frmPMTB</name>
    <message>
        <source>Text Editor</source>
        <translation>Texteditor</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Tab types a tab; Ctrl+Tab moves on to the buttons</source>
        <translation>Tab fügt einen Tabulator ein; Strg+Tab wechselt zu den Schaltflächen</translation>
    </message>
</context>
<context>
    <name>frmQTE</name>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Icons</source>
        <translation>&amp;Symbole</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation>HT&amp;ML</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>Fehler beim Öffnen</translation>
    </message>
    <message>
        <source>An error occurred when attempting to open the file &apos;%1&apos; - %2, %3</source>
        <translation>Beim Öffnen der Datei „%1“ ist ein Fehler aufgetreten - %2, %3</translation>
    </message>
    <message>
        <source>Open a Quintor File</source>
        <translation>Quintor-Datei öffnen</translation>
    </message>
    <message>
        <source>Save the Quintor File</source>
        <translation>Quintor-Datei speichern</translation>
    </message>
    <message>
        <source>An error occurred when attempting to save the file &apos;%1&apos; - %2, %3</source>
        <translation>Beim Speichern der Datei „%1“ ist ein Fehler aufgetreten - %2, %3</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>The help file could not be opened. It was expected at &apos;%1&apos;.</source>
        <translation>Die Hilfedatei konnte nicht geöffnet werden. Sie wurde unter „%1“ erwartet.</translation>
    </message>
    <message>
        <source>No mail program could be started. Please send your feedback to %1.</source>
        <translation>Es konnte kein E-Mail-Programm gestartet werden. Bitte senden Sie Ihre Rückmeldung an %1.</translation>
    </message>
    <message>
        <source>The manual at &apos;%1&apos; could not be shown in a web browser: %2.</source>
        <translation>Das Handbuch unter „%1“ konnte in keinem Webbrowser angezeigt werden: %2.</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Ansichten</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>The items and sections of the launcher page, in page order</source>
        <translation>Die Einträge und Abschnitte der Startseite in der Reihenfolge der Seite</translation>
    </message>
    <message>
        <source>Page properties</source>
        <translation>Seiteneigenschaften</translation>
    </message>
    <message>
        <source>Press Enter to change the selected property</source>
        <translation>Drücken Sie die Eingabetaste, um die gewählte Eigenschaft zu ändern</translation>
    </message>
    <message>
        <source>HTML source</source>
        <translation>HTML-Quelltext</translation>
    </message>
    <message>
        <source>The page as it would be built, for reading</source>
        <translation>Die Seite, wie sie erstellt würde, zum Lesen</translation>
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
    <message>
        <source>Start in</source>
        <translation>Ausführen in</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Keeps a launcher file and builds it into a launcher page.</source>
        <translation>Pflegt eine Starterdatei und erstellt daraus eine Startseite.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>The launcher file (.qtf or .yaml) to open. The words are joined by one blank and double quotes are removed.</source>
        <translation>Die zu öffnende Starterdatei (.qtf oder .yaml). Die Wörter werden mit einem Leerzeichen verbunden, doppelte Anführungszeichen werden entfernt.</translation>
    </message>
</context>
</TS>
