<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
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
        <source>Add from a&amp;pplications...</source>
        <translation>Aus &amp;Anwendungen hinzufügen...</translation>
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
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Strg+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation>Strg+Umschalt+Z</translation>
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
