<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1</translation>
    </message>
    <message>
        <source>Path/File access error: the path is not a regular file</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: Der Pfad ist keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>ConfigStore</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Path/File access error: the path is not a file</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: Der Pfad ist keine Datei</translation>
    </message>
    <message>
        <source>Path/File access error: the file is too large</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: Die Datei ist zu groß</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
</context>
<context>
    <name>DefaultApplication</name>
    <message>
        <source>No such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>No application is set to open %1 files</source>
        <translation>Für Dateien vom Typ „%1“ ist keine Anwendung eingerichtet</translation>
    </message>
    <message>
        <source>No application is set to open this kind of file</source>
        <translation>Für diese Art von Datei ist keine Anwendung eingerichtet</translation>
    </message>
    <message>
        <source>No application is set to open %1: addresses</source>
        <translation>Für %1:-Adressen ist keine Anwendung eingerichtet</translation>
    </message>
    <message>
        <source>Nothing was named</source>
        <translation>Es wurde nichts angegeben</translation>
    </message>
    <message>
        <source>It is neither a file nor an address</source>
        <translation>Es ist weder eine Datei noch eine Adresse</translation>
    </message>
</context>
<context>
    <name>DesktopShortcut</name>
    <message>
        <source>Path not found: the desktop folder &apos;%1&apos; does not exist</source>
        <translation>Pfad nicht gefunden: Der Schreibtischordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Zugriff verweigert: %1</translation>
    </message>
</context>
<context>
    <name>FileKinds</name>
    <message>
        <source>Programs and Desktop Entries</source>
        <translation>Programme und Desktop-Einträge</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Desktop Entries</source>
        <translation>Desktop-Einträge</translation>
    </message>
    <message>
        <source>All Icons</source>
        <translation>Alle Symbole</translation>
    </message>
    <message>
        <source>Bitmap Image</source>
        <translation>Bitmap-Bild</translation>
    </message>
    <message>
        <source>GIF Image</source>
        <translation>GIF-Bild</translation>
    </message>
    <message>
        <source>JPEG Images</source>
        <translation>JPEG-Bilder</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
</context>
<context>
    <name>IcoFile</name>
    <message>
        <source>The icon file &quot;%1&quot; cannot be written</source>
        <translation>Die Symboldatei „%1“ kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>The start-in folder &apos;%1&apos; does not exist</source>
        <translation>Der Startordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
</context>
<context>
    <name>PackStore</name>
    <message>
        <source>Invalid file format: %1</source>
        <translation>Ungültiges Dateiformat: %1</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Path/File access error: the path is a folder</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: Der Pfad ist ein Ordner</translation>
    </message>
    <message>
        <source>Path/File access error: the path is not a file</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: Der Pfad ist keine Datei</translation>
    </message>
    <message>
        <source>Permission denied: the file is in use by another program</source>
        <translation>Zugriff verweigert: Die Datei wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1</translation>
    </message>
    <message>
        <source>the file is too short to be a launcher file</source>
        <translation>die Datei ist zu kurz für eine Starterdatei</translation>
    </message>
    <message>
        <source>the file is not a launcher file (no QTFP signature)</source>
        <translation>die Datei ist keine Starterdatei (keine QTFP-Signatur)</translation>
    </message>
    <message>
        <source>the directory of %1 entries is longer than the file</source>
        <translation>das Verzeichnis mit %1 Einträgen ist länger als die Datei</translation>
    </message>
    <message>
        <source>two entries share the same data</source>
        <translation>zwei Einträge teilen sich dieselben Daten</translation>
    </message>
    <message>
        <source>the file is too large to be a page</source>
        <translation>die Datei ist zu groß für eine Seite</translation>
    </message>
    <message>
        <source>an entry lies outside the file</source>
        <translation>ein Eintrag liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>entry %1 lies outside the data of the file</source>
        <translation>Eintrag %1 liegt außerhalb der Daten der Datei</translation>
    </message>
    <message>
        <source>The launcher file would be larger than 4 GB</source>
        <translation>Die Starterdatei wäre größer als 4 GB</translation>
    </message>
    <message>
        <source>Entry name longer than 8 characters: %1</source>
        <translation>Eintragsname länger als 8 Zeichen: %1</translation>
    </message>
</context>
</TS>
