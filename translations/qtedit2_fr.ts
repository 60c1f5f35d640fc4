<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppCategories</name>
    <message>
        <source>Accessories</source>
        <translation>Accessoires</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Développement</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Éducation</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Jeux</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphisme</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Office</source>
        <translation>Bureautique</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>Science</translation>
    </message>
    <message>
        <source>Sound &amp; Video</source>
        <translation>Son et vidéo</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
</context>
<context>
    <name>AppCommands</name>
    <message>
        <source>Add by category</source>
        <comment>undo step</comment>
        <translation>Ajout par catégorie</translation>
    </message>
    <message>
        <source>Add from applications</source>
        <comment>undo step</comment>
        <translation>Ajout depuis les applications</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>what was dropped, why it was refused</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Drop</source>
        <comment>undo step</comment>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>These cannot become items:
%1</source>
        <translation>Ceux-ci ne peuvent pas devenir des éléments :
%1</translation>
    </message>
    <message>
        <source>Drop Error</source>
        <translation>Erreur de dépôt</translation>
    </message>
</context>
<context>
    <name>AppItems</name>
    <message>
        <source>its name begins with &apos;SECTION:&apos;, which marks a section</source>
        <translation>son nom commence par &apos;SECTION:&apos;, qui marque une section</translation>
    </message>
    <message>
        <source>it holds a line break or another control character, which a launcher page cannot pass on</source>
        <translation>il contient un saut de ligne ou un autre caractère de contrôle, qu&apos;une page de lancement ne peut pas transmettre</translation>
    </message>
    <message>
        <source>it holds the text &quot;%1&quot;, which the launcher page would turn into another character</source>
        <translation>il contient le texte « %1 », que la page de lancement changerait en un autre caractère</translation>
    </message>
    <message>
        <source>its command line cannot be read</source>
        <translation>sa ligne de commande ne peut pas être lue</translation>
    </message>
    <message>
        <source>its command line names no program</source>
        <translation>sa ligne de commande ne nomme aucun programme</translation>
    </message>
    <message>
        <source>an argument holds a double quote, which a launcher page cannot pass on</source>
        <translation>un argument contient un guillemet droit double, qu&apos;une page de lancement ne peut pas transmettre</translation>
    </message>
    <message>
        <source>it is not an application entry that can be started</source>
        <translation>ce n&apos;est pas une entrée d&apos;application qui peut être lancée</translation>
    </message>
</context>
<context>
    <name>BookmarkFile</name>
    <message>
        <source>Invalid file format: %1</source>
        <translation>Format de fichier non valide : %1</translation>
    </message>
    <message>
        <source>the folders are nested more than %1 deep</source>
        <translation>les dossiers sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>the bookmarks file is larger than 64 MB</source>
        <translation>le fichier de marque-pages dépasse 64 Mo</translation>
    </message>
    <message>
        <source>the bookmarks file is not UTF-8 text</source>
        <translation>le fichier de marque-pages n&apos;est pas du texte UTF-8</translation>
    </message>
</context>
<context>
    <name>BookmarkItems</name>
    <message>
        <source>Bookmarks</source>
        <translation>Marque-pages</translation>
    </message>
    <message>
        <source>Invalid file format: the bookmarks file is larger than 64 MB</source>
        <translation>Format de fichier non valide : le fichier de marque-pages dépasse 64 Mo</translation>
    </message>
    <message>
        <source>Path/File access error: the file cannot be read</source>
        <translation>Erreur d&apos;accès au chemin/fichier : le fichier ne peut pas être lu</translation>
    </message>
</context>
<context>
    <name>CheckCommands</name>
    <message>
        <source>Every item&apos;s command, start-in folder and icon were found.</source>
        <translation>La commande, le dossier de démarrage et l&apos;icône de chaque élément ont été trouvés.</translation>
    </message>
    <message>
        <source>Check Items</source>
        <translation>Vérifier les éléments</translation>
    </message>
</context>
<context>
    <name>IconStore</name>
    <message>
        <source>Path/File access error: the icon &apos;%1&apos; cannot be written</source>
        <translation>Erreur d&apos;accès au chemin/fichier : l&apos;icône &apos;%1&apos; ne peut pas être écrite</translation>
    </message>
    <message>
        <source>Path/File access error: the folder &apos;%1&apos; cannot be made the user&apos;s own</source>
        <translation>Erreur d&apos;accès au chemin/fichier : le dossier &apos;%1&apos; ne peut pas devenir la propriété de l&apos;utilisateur</translation>
    </message>
</context>
<context>
    <name>ImportItems</name>
    <message>
        <source>Import Error</source>
        <translation>Erreur d&apos;importation</translation>
    </message>
    <message>
        <source>No items were found in the file</source>
        <translation>Aucun élément n&apos;a été trouvé dans le fichier</translation>
    </message>
    <message>
        <source>1 item was successfully added</source>
        <translation>1 élément a été ajouté avec succès</translation>
    </message>
    <message numerus="yes">
        <source>%1 items were successfully added</source>
        <comment>%1: the count, digits grouped</comment>
        <translation>
            <numerusform>%1 élément a été ajouté avec succès</numerusform>
            <numerusform>%1 éléments ont été ajoutés avec succès</numerusform>
        </translation>
    </message>
    <message>
        <source>1 bookmark could not be used.</source>
        <translation>1 marque-page n&apos;a pas pu être utilisé.</translation>
    </message>
    <message numerus="yes">
        <source>%1 bookmarks could not be used.</source>
        <comment>%1: the count, digits grouped</comment>
        <translation>
            <numerusform>%1 marque-page n&apos;a pas pu être utilisé.</numerusform>
            <numerusform>%1 marque-pages n&apos;ont pas pu être utilisés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not find the file &apos;%1&apos;. Please check the filename and try again.</source>
        <translation>Le fichier &apos;%1&apos; est introuvable. Vérifiez le nom du fichier et réessayez.</translation>
    </message>
    <message>
        <source>Import</source>
        <comment>undo step</comment>
        <translation>Importation</translation>
    </message>
    <message>
        <source>An error occurred when attempting to import the file &apos;%1&apos; - %2, %3</source>
        <comment>file name, error description, error number</comment>
        <translation>Une erreur s&apos;est produite lors de l&apos;importation du fichier &apos;%1&apos; - %2, %3</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>the items added, then the bookmarks left out</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Import Result</source>
        <translation>Résultat de l&apos;importation</translation>
    </message>
</context>
<context>
    <name>ItemCheck</name>
    <message>
        <source>The command was not found: %1</source>
        <translation>La commande est introuvable : %1</translation>
    </message>
    <message>
        <source>The start-in folder does not exist: %1</source>
        <translation>Le dossier de démarrage n&apos;existe pas : %1</translation>
    </message>
    <message>
        <source>The icon file does not exist: %1</source>
        <translation>Le fichier d&apos;icône n&apos;existe pas : %1</translation>
    </message>
    <message>
        <source>%1. %2 - %3</source>
        <comment>row number, description, what is wrong with it</comment>
        <translation>%1. %2 - %3</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between two problems of one item</comment>
        <translation> ; </translation>
    </message>
</context>
<context>
    <name>ItemCommands</name>
    <message>
        <source>Are you sure you want to delete the selected item?</source>
        <translation>Voulez-vous vraiment supprimer l&apos;élément sélectionné ?</translation>
    </message>
    <message>
        <source>Delete Icon(s)</source>
        <translation>Supprimer le ou les éléments</translation>
    </message>
    <message>
        <source>Delete section</source>
        <translation>Suppression de la section</translation>
    </message>
    <message>
        <source>Delete item</source>
        <translation>Suppression de l&apos;élément</translation>
    </message>
    <message>
        <source>Copy and paste</source>
        <translation>Copier-coller</translation>
    </message>
    <message>
        <source>Drag and drop</source>
        <translation>Glisser-déposer</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Déplacement vers le haut</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Déplacement vers le bas</translation>
    </message>
</context>
<context>
    <name>ItemFields</name>
    <message>
        <source>Normal Window</source>
        <translation>Fenêtre normale</translation>
    </message>
    <message>
        <source>Maximised Focus</source>
        <translation>Agrandie avec focus</translation>
    </message>
    <message>
        <source>Minimised Focus</source>
        <translation>Réduite avec focus</translation>
    </message>
    <message>
        <source>Normal No Focus</source>
        <translation>Normale sans focus</translation>
    </message>
    <message>
        <source>Minimised No Focus</source>
        <translation>Réduite sans focus</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Masquée</translation>
    </message>
    <message>
        <source>Hyperlink</source>
        <translation>Lien hypertexte</translation>
    </message>
    <message>
        <source>You must enter a description for this icon</source>
        <translation>Vous devez saisir une description pour cet élément</translation>
    </message>
    <message>
        <source>You must enter a command for this icon</source>
        <translation>Vous devez saisir une commande pour cet élément</translation>
    </message>
    <message>
        <source>The description cannot start with the word &apos;SECTION:&apos;</source>
        <translation>La description ne peut pas commencer par le mot &apos;SECTION:&apos;</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>Document HTML</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
</context>
<context>
    <name>ShortcutCommands</name>
    <message>
        <source>An error occurred when creating a shortcut on the Desktop - %1, %2</source>
        <comment>error description, error number</comment>
        <translation>Une erreur s&apos;est produite lors de la création d&apos;un raccourci sur le bureau - %1, %2</translation>
    </message>
    <message>
        <source>Create Shortcut to Desktop Error</source>
        <translation>Erreur de création du raccourci sur le bureau</translation>
    </message>
    <message>
        <source>A shortcut was successfully created on the Desktop</source>
        <translation>Un raccourci a été créé avec succès sur le bureau</translation>
    </message>
    <message>
        <source>Create Shortcut on Desktop</source>
        <translation>Créer un raccourci sur le bureau</translation>
    </message>
</context>
<context>
    <name>frmAdd</name>
    <message>
        <source>Browse for File</source>
        <translation>Rechercher un fichier</translation>
    </message>
    <message>
        <source>Browse for Folder</source>
        <translation>Rechercher un dossier</translation>
    </message>
    <message>
        <source>* &amp;Description:</source>
        <translation>* &amp;Description :</translation>
    </message>
    <message>
        <source>* &amp;Command:</source>
        <translation>* &amp;Commande :</translation>
    </message>
    <message>
        <source>&amp;Parameters:</source>
        <translation>&amp;Paramètres :</translation>
    </message>
    <message>
        <source>&amp;Start in:</source>
        <translation>Démarrer da&amp;ns :</translation>
    </message>
    <message>
        <source>&amp;Icon:</source>
        <translation>&amp;Icône :</translation>
    </message>
    <message>
        <source>&amp;Run:</source>
        <translation>&amp;Exécution :</translation>
    </message>
    <message>
        <source>Co&amp;mments:</source>
        <translation>Co&amp;mmentaires :</translation>
    </message>
    <message>
        <source>* - mandatory field</source>
        <translation>* - champ obligatoire</translation>
    </message>
    <message>
        <source>Link to &amp;Quintor file</source>
        <translation>Lien vers un fichier &amp;Quintor</translation>
    </message>
    <message>
        <source>Browse for Quintor File</source>
        <translation>Rechercher un fichier Quintor</translation>
    </message>
    <message>
        <source>&amp;Open in new window</source>
        <translation>&amp;Ouvrir dans une nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Add item at &amp;bottom of list</source>
        <translation>Ajouter l&apos;élément en &amp;bas de la liste</translation>
    </message>
    <message>
        <source>Clear &amp;TextBoxes after adding</source>
        <translation>Vider les zones de &amp;texte après l&apos;ajout</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add a&amp;nd close</source>
        <translation>Ajouter et &amp;fermer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Browse for Command</source>
        <translation>Rechercher la commande</translation>
    </message>
    <message>
        <source>&amp;Choose a Drive/Folder for the command:</source>
        <translation>&amp;Choisissez un lecteur/dossier pour la commande :</translation>
    </message>
    <message>
        <source>Browse for Parameter</source>
        <translation>Rechercher un paramètre</translation>
    </message>
    <message>
        <source>&amp;Choose a Drive/Folder for the parameters:</source>
        <translation>&amp;Choisissez un lecteur/dossier pour les paramètres :</translation>
    </message>
    <message>
        <source>&amp;Choose a Start In Drive/Folder:</source>
        <translation>&amp;Choisissez le lecteur/dossier de démarrage :</translation>
    </message>
    <message>
        <source>Choose an Icon</source>
        <translation>Choisir une icône</translation>
    </message>
    <message>
        <source>&amp;Choose a Drive/Folder for the icon:</source>
        <translation>&amp;Choisissez un lecteur/dossier pour l&apos;icône :</translation>
    </message>
    <message>
        <source>Add an Icon</source>
        <translation>Ajouter un élément</translation>
    </message>
    <message>
        <source>Edit Icon %1</source>
        <translation>Modifier l&apos;élément : %1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>Edit Error</source>
        <translation>Erreur de modification</translation>
    </message>
    <message>
        <source>Add Error</source>
        <translation>Erreur d&apos;ajout</translation>
    </message>
    <message>
        <source>Edit item</source>
        <translation>Modification de l&apos;élément</translation>
    </message>
    <message>
        <source>Add item</source>
        <translation>Ajout d&apos;un élément</translation>
    </message>
    <message>
        <source>Browse for Quintor HTML File</source>
        <translation>Rechercher un fichier HTML Quintor</translation>
    </message>
</context>
<context>
    <name>frmApps</name>
    <message>
        <source>Add from Applications</source>
        <translation>Ajouter depuis les applications</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Name, kind, keyword or description</source>
        <translation>Nom, type, mot-clé ou description</translation>
    </message>
    <message>
        <source>Add by &amp;category</source>
        <translation>Ajouter par &amp;catégorie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This application cannot be added: %1.</source>
        <translation>Cette application ne peut pas être ajoutée : %1.</translation>
    </message>
    <message>
        <source>Choose one or more applications.</source>
        <translation>Choisissez une ou plusieurs applications.</translation>
    </message>
    <message numerus="yes">
        <source>%n chosen</source>
        <translation>
            <numerusform>%n choisie</numerusform>
            <numerusform>%n choisies</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmCheck</name>
    <message>
        <source>Check Items</source>
        <translation>Vérifier les éléments</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) will not work as they are. Choose one to select it:</source>
        <translation>
            <numerusform>%n élément ne fonctionnera pas tel quel. Choisissez-le pour le sélectionner :</numerusform>
            <numerusform>%n éléments ne fonctionneront pas tels quels. Choisissez-en un pour le sélectionner :</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>frmImport</name>
    <message>
        <source>Import Quintor File Items</source>
        <translation>Importer les éléments d&apos;un fichier Quintor</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;File name:</source>
        <translation>&amp;Nom du fichier :</translation>
    </message>
    <message>
        <source>New &amp;section name (optional):</source>
        <translation>Nom de la nouvelle &amp;section (facultatif) :</translation>
    </message>
    <message>
        <source>Choose an Quintor File to Import</source>
        <translation>Choisir un fichier Quintor à importer</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marque-pages</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
</context>
<context>
    <name>frmQTE</name>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Aperçu</translation>
    </message>
</context>
<context>
    <name>frmReplace</name>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Rempl&amp;acer par :</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>&amp;Tout remplacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Replace in Columns</source>
        <translation>Remplacer dans les colonnes</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>Co&amp;mmand</source>
        <translation>Co&amp;mmande</translation>
    </message>
    <message>
        <source>Parame&amp;ters</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Start In</source>
        <translation>Démarrer da&amp;ns</translation>
    </message>
    <message>
        <source>&amp;Icon</source>
        <translation>&amp;Icône</translation>
    </message>
    <message>
        <source>C&amp;omments</source>
        <translation>C&amp;ommentaires</translation>
    </message>
    <message>
        <source>Replace</source>
        <comment>undo step</comment>
        <translation>Remplacement</translation>
    </message>
</context>
<context>
    <name>frmSection</name>
    <message>
        <source>Add Section</source>
        <translation>Ajouter une section</translation>
    </message>
    <message>
        <source>Icons &amp;above</source>
        <translation>Icônes au-&amp;dessus</translation>
    </message>
    <message>
        <source>&amp;Table border</source>
        <translation>&amp;Bordure du tableau</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Columns (1 minimum):</source>
        <translation>&amp;Colonnes (1 au minimum) :</translation>
    </message>
    <message>
        <source>Icon &amp;size (16 minimum):</source>
        <translation>Ta&amp;ille des icônes (16 au minimum) :</translation>
    </message>
    <message>
        <source>Edit Section %1</source>
        <translation>Modifier la section : %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit section</source>
        <translation>Modification de la section</translation>
    </message>
    <message>
        <source>Add section</source>
        <translation>Ajout d&apos;une section</translation>
    </message>
</context>
<context>
    <name>frmSwap</name>
    <message>
        <source>S&amp;wap Columns</source>
        <translation>Éc&amp;hanger les colonnes</translation>
    </message>
    <message>
        <source>Mo&amp;ve Column</source>
        <translation>Dé&amp;placer la colonne</translation>
    </message>
    <message>
        <source>&amp;Copy Column</source>
        <translation>C&amp;opier la colonne</translation>
    </message>
    <message>
        <source>Swap columns</source>
        <translation>Échange de colonnes</translation>
    </message>
    <message>
        <source>Move column</source>
        <translation>Déplacement de colonne</translation>
    </message>
    <message>
        <source>Copy column</source>
        <translation>Copie de colonne</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>C&amp;ommand</source>
        <translation>Co&amp;mmande</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>S&amp;tart in</source>
        <translation>Démarrer da&amp;ns</translation>
    </message>
    <message>
        <source>&amp;Icon</source>
        <translation>&amp;Icône</translation>
    </message>
    <message>
        <source>Comm&amp;ents</source>
        <translation>Comm&amp;entaires</translation>
    </message>
    <message>
        <source>Desc&amp;ription</source>
        <translation>Desc&amp;ription</translation>
    </message>
    <message>
        <source>Co&amp;mmand</source>
        <translation>Comm&amp;ande</translation>
    </message>
    <message>
        <source>P&amp;arameters</source>
        <translation>Paramè&amp;tres</translation>
    </message>
    <message>
        <source>Start&amp; in</source>
        <translation>Démarrer&amp; dans</translation>
    </message>
    <message>
        <source>Ico&amp;n</source>
        <translation>I&amp;cône</translation>
    </message>
    <message>
        <source>Comment&amp;s</source>
        <translation>Commentaire&amp;s</translation>
    </message>
    <message>
        <source>Swap Columns</source>
        <translation>Échanger les colonnes</translation>
    </message>
    <message>
        <source>First Column</source>
        <translation>Première colonne</translation>
    </message>
    <message>
        <source>Second Column</source>
        <translation>Deuxième colonne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
