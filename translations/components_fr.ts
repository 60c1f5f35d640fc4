<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Erreur d’accès au chemin ou au fichier : %1</translation>
    </message>
    <message>
        <source>Path/File access error: the path is not a regular file</source>
        <translation>Erreur d’accès au chemin ou au fichier : le chemin n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>ConfigStore</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Path/File access error: the path is not a file</source>
        <translation>Erreur d’accès au chemin ou au fichier : le chemin n’est pas un fichier</translation>
    </message>
    <message>
        <source>Path/File access error: the file is too large</source>
        <translation>Erreur d’accès au chemin ou au fichier : le fichier est trop volumineux</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
</context>
<context>
    <name>DefaultApplication</name>
    <message>
        <source>No such file</source>
        <translation>Fichier inexistant</translation>
    </message>
    <message>
        <source>No application is set to open %1 files</source>
        <translation>Aucune application n’est définie pour ouvrir les fichiers de type « %1 »</translation>
    </message>
    <message>
        <source>No application is set to open this kind of file</source>
        <translation>Aucune application n’est définie pour ouvrir ce type de fichier</translation>
    </message>
    <message>
        <source>No application is set to open %1: addresses</source>
        <translation>Aucune application n’est définie pour ouvrir les adresses %1:</translation>
    </message>
    <message>
        <source>Nothing was named</source>
        <translation>Rien n’a été indiqué</translation>
    </message>
    <message>
        <source>It is neither a file nor an address</source>
        <translation>Ce n’est ni un fichier ni une adresse</translation>
    </message>
</context>
<context>
    <name>DesktopShortcut</name>
    <message>
        <source>Path not found: the desktop folder &apos;%1&apos; does not exist</source>
        <translation>Chemin introuvable : le dossier du bureau « %1 » n’existe pas</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permission refusée : %1</translation>
    </message>
</context>
<context>
    <name>FileKinds</name>
    <message>
        <source>Programs and Desktop Entries</source>
        <translation>Programmes et entrées de bureau</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>Desktop Entries</source>
        <translation>Entrées de bureau</translation>
    </message>
    <message>
        <source>All Icons</source>
        <translation>Toutes les icônes</translation>
    </message>
    <message>
        <source>Bitmap Image</source>
        <translation>Image bitmap</translation>
    </message>
    <message>
        <source>GIF Image</source>
        <translation>Image GIF</translation>
    </message>
    <message>
        <source>JPEG Images</source>
        <translation>Images JPEG</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
</context>
<context>
    <name>IcoFile</name>
    <message>
        <source>The icon file &quot;%1&quot; cannot be written</source>
        <translation>Impossible d’écrire le fichier d’icône « %1 »</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>The start-in folder &apos;%1&apos; does not exist</source>
        <translation>Le dossier de démarrage « %1 » n’existe pas</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
</context>
<context>
    <name>PackStore</name>
    <message>
        <source>Invalid file format: %1</source>
        <translation>Format de fichier non valide : %1</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Path/File access error: the path is a folder</source>
        <translation>Erreur d’accès au chemin ou au fichier : le chemin est un dossier</translation>
    </message>
    <message>
        <source>Path/File access error: the path is not a file</source>
        <translation>Erreur d’accès au chemin ou au fichier : le chemin n’est pas un fichier</translation>
    </message>
    <message>
        <source>Permission denied: the file is in use by another program</source>
        <translation>Permission refusée : le fichier est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d’accès au chemin ou au fichier</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Erreur d’accès au chemin ou au fichier : %1</translation>
    </message>
    <message>
        <source>the file is too short to be a launcher file</source>
        <translation>le fichier est trop court pour être un fichier de lanceur</translation>
    </message>
    <message>
        <source>the file is not a launcher file (no QTFP signature)</source>
        <translation>le fichier n’est pas un fichier de lanceur (pas de signature QTFP)</translation>
    </message>
    <message>
        <source>the directory of %1 entries is longer than the file</source>
        <translation>le répertoire de %1 entrées dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>two entries share the same data</source>
        <translation>deux entrées partagent les mêmes données</translation>
    </message>
    <message>
        <source>the file is too large to be a page</source>
        <translation>le fichier est trop volumineux pour être une page</translation>
    </message>
    <message>
        <source>an entry lies outside the file</source>
        <translation>une entrée se trouve hors du fichier</translation>
    </message>
    <message>
        <source>entry %1 lies outside the data of the file</source>
        <translation>l’entrée %1 se trouve hors des données du fichier</translation>
    </message>
    <message>
        <source>The launcher file would be larger than 4 GB</source>
        <translation>Le fichier de lanceur dépasserait 4 Go</translation>
    </message>
    <message>
        <source>Entry name longer than 8 characters: %1</source>
        <translation>Nom d’entrée de plus de 8 caractères : %1</translation>
    </message>
</context>
</TS>
