<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>FindBarTexts</name>
    <message>
        <source>Find an item</source>
        <translation>Rechercher un élément</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>No items found</source>
        <translation>Aucun élément trouvé</translation>
    </message>
    <message>
        <source>1 item found</source>
        <translation>1 élément trouvé</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items found</source>
        <translation>
            <numerusform>%Ln élément trouvé</numerusform>
            <numerusform>%Ln éléments trouvés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ItemLink</name>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
</context>
<context>
    <name>ItemLinkCheck</name>
    <message>
        <source>The command was not found: %1</source>
        <translation>La commande est introuvable : %1</translation>
    </message>
    <message>
        <source>The start-in folder does not exist: %1</source>
        <translation>Le dossier de démarrage n’existe pas : %1</translation>
    </message>
</context>
<context>
    <name>LinkHandler</name>
    <message>
        <source>Run Error</source>
        <translation>Erreur d’exécution</translation>
    </message>
    <message>
        <source>Unable to execute command &apos;%1&apos;.  Please open a file first.</source>
        <translation>Impossible d’exécuter la commande « %1 ».  Veuillez d’abord ouvrir un fichier.</translation>
    </message>
    <message>
        <source>Launch Error</source>
        <translation>Erreur de lancement</translation>
    </message>
    <message>
        <source>The command &apos;%1&apos; could not be executed.  Please check that the file exists</source>
        <translation>La commande « %1 » n’a pas pu être exécutée.  Veuillez vérifier que le fichier existe</translation>
    </message>
    <message>
        <source>The command &apos;%1&apos; could not be executed.  %2</source>
        <translation>La commande « %1 » n’a pas pu être exécutée.  %2</translation>
    </message>
    <message>
        <source>Unable to run: %1 %2 - %3, %4</source>
        <translation>Impossible d’exécuter : %1 %2 - %3, %4</translation>
    </message>
    <message>
        <source>An error occurred: %1, %2</source>
        <translation>Une erreur s’est produite : %1, %2</translation>
    </message>
</context>
<context>
    <name>LiveReload</name>
    <message>
        <source>The page file is gone: shown as it was until it is back.</source>
        <translation>Le fichier de la page a disparu : la page reste affichée telle quelle jusqu’à son retour.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Launcher page</source>
        <translation>Page de lancement</translation>
    </message>
    <message>
        <source>Parameters added to every item you start</source>
        <translation>Paramètres ajoutés à chaque élément lancé</translation>
    </message>
    <message>
        <source>What you type here is added to the parameters of every item you start from this page.</source>
        <translation>Ce que vous saisissez ici est ajouté aux paramètres de chaque élément que vous lancez depuis cette page.</translation>
    </message>
    <message>
        <source>Extra parameters</source>
        <translation>Paramètres supplémentaires</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language code of these translations, as a page&apos;s lang attribute</comment>
        <translation>fr</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation>Bienvenue !</translation>
    </message>
    <message>
        <source>Quintor shows a launcher page made with Quintor Editor and starts the programs, documents and links on it.</source>
        <translation>Quintor affiche une page de lancement créée avec Quintor Editor et lance les programmes, documents et liens qu’elle contient.</translation>
    </message>
    <message>
        <source>Open a launcher page…</source>
        <translation>Ouvrir une page de lancement…</translation>
    </message>
    <message>
        <source>Open a Quintor File</source>
        <translation>Ouvrir un fichier Quintor</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>Fichiers HTML</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
</context>
</TS>
