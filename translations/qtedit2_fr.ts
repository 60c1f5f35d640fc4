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
    <name>BatchCommand</name>
    <message>
        <source>Open Error</source>
        <translation>Erreur d&apos;ouverture</translation>
    </message>
    <message>
        <source>An error occurred when attempting to open the file &apos;%1&apos; - %2, %3</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;ouverture du fichier « %1 » - %2, %3</translation>
    </message>
    <message>
        <source>Build Error</source>
        <translation>Erreur de génération</translation>
    </message>
    <message>
        <source>An error occurred when attempting to build the HTML file &apos;%1&apos; - %2, %3</source>
        <translation>Une erreur s&apos;est produite lors de la génération du fichier HTML « %1 » - %2, %3</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Erreur d&apos;enregistrement</translation>
    </message>
    <message>
        <source>An error occurred when attempting to save the file &apos;%1&apos; - %2, %3</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;enregistrement du fichier « %1 » - %2, %3</translation>
    </message>
    <message>
        <source>--output is given twice</source>
        <translation>--output est donné deux fois</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output demande un nom de fichier</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (a file name that begins with &apos;-&apos; goes after &apos;--&apos;)</source>
        <translation>option inconnue « %1 » (un nom de fichier qui commence par « - » se place après « -- »)</translation>
    </message>
    <message>
        <source>%1 needs a launcher file (.qtf or .yaml)</source>
        <translation>%1 demande un fichier de lanceur (.qtf ou .yaml)</translation>
    </message>
    <message>
        <source>%1 takes one launcher file, not also &apos;%2&apos;</source>
        <translation>%1 prend un seul fichier de lanceur, pas aussi « %2 »</translation>
    </message>
    <message>
        <source>--check writes nothing, so it takes no --output</source>
        <translation>--check n&apos;écrit rien, il ne prend donc pas --output</translation>
    </message>
    <message>
        <source>the converted file&apos;s name must end in .qtf, .yaml or .yml: &apos;%1&apos;</source>
        <translation>le nom du fichier converti doit se terminer par .qtf, .yaml ou .yml : « %1 »</translation>
    </message>
    <message>
        <source>converting a text launcher file needs --output FILE.qtf</source>
        <translation>la conversion d&apos;un fichier de lanceur texte demande --output FICHIER.qtf</translation>
    </message>
    <message>
        <source>%1: %2 (see qtedit2 --help)</source>
        <translation>%1 : %2 (voir qtedit2 --help)</translation>
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
        <translation>Commandes sans fenêtre (en tête de ligne ; FILE peut être un fichier .qtf ou
.yaml) :
  --build FILE [--output PAGE]  Génère la page de lancement comme la commande
                                Générer de l&apos;éditeur. PAGE vaut par défaut la
                                propriété &quot;(HTML File)&quot;, sinon FILE avec
                                l&apos;extension &quot;.htm&quot;.
  --check FILE                  Liste les éléments qui ne peuvent pas démarrer ;
                                code de sortie 1 s&apos;il y en a.
  --convert IN [--output OUT]   Convertit entre .qtf et .yaml selon les
                                extensions des noms ; sans --output, le texte
                                YAML d&apos;un fichier .qtf va sur la sortie
                                standard.
Code de sortie : 0 terminé, 1 des éléments ne peuvent pas démarrer (--check), 2
une ligne de commande incorrecte, 3 FILE ne peut pas être lu ou est endommagé, 4
la page, ses icônes ou OUT ne peuvent pas être écrits. Un échec affiche
&quot;&lt;titre&gt; : &lt;message&gt;&quot; sur la sortie d&apos;erreur.
</translation>
    </message>
    <message>
        <source>A text launcher file, tools.yaml (what it leaves out keeps its default):</source>
        <translation>Un fichier de lanceur texte, tools.yaml (ce qu&apos;il omet garde sa valeur par défaut) :</translation>
    </message>
    <message>
        <source>Rebuilt every hour by cron (crontab -e; a systemd user timer: man qtedit2):</source>
        <translation>Régénérée toutes les heures par cron (crontab -e ; un minuteur utilisateur systemd : man qtedit2) :</translation>
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
    <name>BuildCommands</name>
    <message>
        <source>An error occurred when attempting to generate the HTML - %1, %2</source>
        <translation>Une erreur s&apos;est produite lors de la production du HTML - %1, %2</translation>
    </message>
    <message>
        <source>HTML Error</source>
        <translation>Erreur HTML</translation>
    </message>
    <message>
        <source>An error occurred when attempting to preview the HTML file &apos;%3&apos; - %1, %2</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;aperçu du fichier HTML « %3 » - %1, %2</translation>
    </message>
    <message>
        <source>Preview Error</source>
        <translation>Erreur d&apos;aperçu</translation>
    </message>
    <message>
        <source>There are no icons in the list.  Do you still want to build the HTML file?</source>
        <translation>La liste ne contient aucune icône.  Voulez-vous quand même générer le fichier HTML ?</translation>
    </message>
    <message>
        <source>No Items in List</source>
        <translation>Aucun élément dans la liste</translation>
    </message>
    <message>
        <source>Build the HTML File</source>
        <translation>Générer le fichier HTML</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>Document HTML</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>An error occurred when attempting to build the HTML file &apos;%3&apos; - %1, %2</source>
        <translation>Une erreur s&apos;est produite lors de la génération du fichier HTML « %3 » - %1, %2</translation>
    </message>
    <message>
        <source>Build Error</source>
        <translation>Erreur de génération</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Génération</translation>
    </message>
    <message>
        <source>An error occurred when running the command - &apos;%3&apos; - %1, %2</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;exécution de la commande - « %3 » - %1, %2</translation>
    </message>
    <message>
        <source>Run Error</source>
        <translation>Erreur d&apos;exécution</translation>
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
    <name>EditHistory</name>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
</context>
<context>
    <name>EditorActions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Import Quintor File Items...</source>
        <translation>&amp;Importer les éléments d&apos;un fichier Quintor...</translation>
    </message>
    <message>
        <source>&amp;Build...</source>
        <translation>&amp;Générer...</translation>
    </message>
    <message>
        <source>&amp;Run...</source>
        <translation>E&amp;xécuter...</translation>
    </message>
    <message>
        <source>Create Shortcut on &amp;Desktop...</source>
        <translation>Créer un &amp;raccourci sur le bureau...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy and paste</source>
        <translation>&amp;Copier et coller</translation>
    </message>
    <message>
        <source>&amp;Add icon...</source>
        <translation>Ajouter une &amp;icône...</translation>
    </message>
    <message>
        <source>Add se&amp;ction (above selected item)...</source>
        <translation>Ajouter une sectio&amp;n (au-dessus de l&apos;élément choisi)...</translation>
    </message>
    <message>
        <source>&amp;Edit selected item...</source>
        <translation>&amp;Modifier l&apos;élément choisi...</translation>
    </message>
    <message>
        <source>&amp;Delete selected item...</source>
        <translation>&amp;Supprimer l&apos;élément choisi...</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Déplacer vers le &amp;haut</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Déplacer vers le &amp;bas</translation>
    </message>
    <message>
        <source>&amp;Rep&amp;lace...</source>
        <translation>R&amp;emplacer...</translation>
    </message>
    <message>
        <source>&amp;Swap Columns...</source>
        <translation>Permuter les c&amp;olonnes...</translation>
    </message>
    <message>
        <source>Check &amp;items</source>
        <translation>&amp;Vérifier les éléments</translation>
    </message>
    <message>
        <source>Edit &amp;property...</source>
        <translation>Modi&amp;fier la propriété...</translation>
    </message>
    <message>
        <source>&amp;Reset properties...</source>
        <translation>Réini&amp;tialiser les propriétés...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Send feedback...</source>
        <translation>&amp;Envoyer un commentaire...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>New (Ctrl+N)</source>
        <translation>Nouveau (Ctrl+N)</translation>
    </message>
    <message>
        <source>Open (Ctrl+O)</source>
        <translation>Ouvrir (Ctrl+O)</translation>
    </message>
    <message>
        <source>Save (Ctrl+S)</source>
        <translation>Enregistrer (Ctrl+S)</translation>
    </message>
    <message>
        <source>Build (F3)</source>
        <translation>Générer (F3)</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Annuler (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>Rétablir (Ctrl+Maj+Z)</translation>
    </message>
    <message>
        <source>Add icon (F4)</source>
        <translation>Ajouter une icône (F4)</translation>
    </message>
    <message>
        <source>Add from applications (Shift+F4)</source>
        <translation>Ajouter depuis les applications (Maj+F4)</translation>
    </message>
    <message>
        <source>Add section (above selected item) (F7)</source>
        <translation>Ajouter une section (au-dessus de l&apos;élément choisi) (F7)</translation>
    </message>
    <message>
        <source>Edit (F2)</source>
        <translation>Modifier (F2)</translation>
    </message>
    <message>
        <source>Delete (F8)</source>
        <translation>Supprimer (F8)</translation>
    </message>
    <message>
        <source>Move up (Ctrl+U)</source>
        <translation>Déplacer vers le haut (Ctrl+U)</translation>
    </message>
    <message>
        <source>Move down (Ctrl+D)</source>
        <translation>Déplacer vers le bas (Ctrl+D)</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Maj+Z</translation>
    </message>
    <message>
        <source>Add &amp;from applications...</source>
        <translation>Ajouter depuis les applicatio&amp;ns...</translation>
    </message>
    <message>
        <source>U&amp;ndo</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Red&amp;o</source>
        <translation>Réta&amp;blir</translation>
    </message>
    <message>
        <source>U&amp;ndo %1</source>
        <translation>Ann&amp;uler : %1</translation>
    </message>
    <message>
        <source>Red&amp;o %1</source>
        <translation>Réta&amp;blir : %1</translation>
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
    <name>ItemRows</name>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Start In</source>
        <translation>Démarrer dans</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécution</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Rename item</source>
        <translation>Renommer l&apos;élément</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Section</translation>
    </message>
</context>
<context>
    <name>LauncherFile</name>
    <message>
        <source>The file is damaged: its last item is incomplete</source>
        <translation>Le fichier est endommagé : son dernier élément est incomplet</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Quintor File</source>
        <translation>Fichier Quintor</translation>
    </message>
    <message>
        <source>Permission denied: the file is in use by another program</source>
        <translation>Permission refusée : le fichier est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; %2 has changed.  Do you want to save the changes?</source>
        <translation>Le fichier « %1 » %2 a été modifié.  Voulez-vous enregistrer les modifications ?</translation>
    </message>
</context>
<context>
    <name>LauncherText</name>
    <message>
        <source>The text form cannot keep the text &apos;%1&apos;: it holds a noncharacter of Unicode among characters that must be escaped</source>
        <translation>La forme texte ne peut pas garder le texte « %1 » : il contient un non-caractère Unicode parmi des caractères qui doivent être échappés</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texte</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>une liste</translation>
    </message>
    <message>
        <source>a mapping</source>
        <translation>une table de correspondance</translation>
    </message>
    <message>
        <source>%1 must be %2, not %3</source>
        <translation>%1 doit être %2, pas %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be True or False, not &apos;%2&apos;</source>
        <translation>« %1 » doit être True ou False, pas « %2 »</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be a colour (#RRGGBB), not &apos;%2&apos;</source>
        <translation>« %1 » doit être une couleur (#RRGGBB), pas « %2 »</translation>
    </message>
    <message>
        <source>unknown property &apos;%1&apos; (the keys are P_TITLE, P_COLUMN and the others of a launcher file)</source>
        <translation>propriété inconnue « %1 » (les clés sont P_TITLE, P_COLUMN et les autres d&apos;un fichier de lanceur)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a run style (%2)</source>
        <translation>« %1 » n&apos;est pas un mode d&apos;exécution (%2)</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>un élément</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; in an item (description, command, parameters, start-in, icon, run, comments)</source>
        <translation>clé inconnue « %1 » dans un élément (description, command, parameters, start-in, icon, run, comments)</translation>
    </message>
    <message>
        <source>an item&apos;s description may not begin with SECTION: (a section goes under &apos;sections&apos;)</source>
        <translation>la description d&apos;un élément ne peut pas commencer par SECTION: (une section se place sous « sections »)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be a number from %2 to %3, not &apos;%4&apos;</source>
        <translation>« %1 » doit être un nombre de %2 à %3, pas « %4 »</translation>
    </message>
    <message>
        <source>a section</source>
        <translation>une section</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; in a section (name, columns, icon-size, icons-above, table-border, items)</source>
        <translation>clé inconnue « %1 » dans une section (name, columns, icon-size, icons-above, table-border, items)</translation>
    </message>
    <message>
        <source>a section gives either its &apos;row&apos; or its name and details, not both</source>
        <translation>une section donne soit sa « row », soit son nom et ses détails, pas les deux</translation>
    </message>
    <message>
        <source>a section&apos;s &apos;row&apos; must begin with SECTION:</source>
        <translation>la « row » d&apos;une section doit commencer par SECTION:</translation>
    </message>
    <message>
        <source>Line %1: the text is not UTF-8</source>
        <translation>Ligne %1 : le texte n&apos;est pas en UTF-8</translation>
    </message>
    <message>
        <source>a launcher file</source>
        <translation>un fichier de lanceur</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; (a launcher file has properties, items and sections)</source>
        <translation>clé inconnue « %1 » (un fichier de lanceur a properties, items et sections)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Path/File access error: the path is not a file</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier : le chemin n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>Invalid file format: the file is larger than %1 MB</source>
        <translation>Format de fichier incorrect : le fichier dépasse %1 Mo</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
</context>
<context>
    <name>PageBuild</name>
    <message>
        <source>Path not found: the folder &apos;%1&apos; does not exist</source>
        <translation>Chemin introuvable : le dossier « %1 » n&apos;existe pas</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>The preview folder cannot be made in &apos;%1&apos;</source>
        <translation>Le dossier de l&apos;aperçu ne peut pas être créé dans « %1 »</translation>
    </message>
</context>
<context>
    <name>PageThemes</name>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Page preview</source>
        <translation>Aperçu de la page</translation>
    </message>
</context>
<context>
    <name>ProgramInfo</name>
    <message>
        <source>Turns a list of programs, documents, folders and web links into a clickable launcher page.</source>
        <translation>Transforme une liste de programmes, de documents, de dossiers et de liens web en une page de lancement cliquable.</translation>
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
        <translation>Cette propriété demande que le fichier soit enregistré.  Voulez-vous l&apos;enregistrer maintenant ?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Type the window title:</source>
        <translation>Tapez le titre de la fenêtre :</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Edit property &apos;%1&apos;</source>
        <translation>Modifier la propriété « %1 »</translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>&amp;HTML File Location:</source>
        <translation>Emplacement du fichier &amp;HTML :</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the properties?</source>
        <translation>Voulez-vous vraiment réinitialiser les propriétés ?</translation>
    </message>
    <message>
        <source>Reset Properties</source>
        <translation>Réinitialiser les propriétés</translation>
    </message>
    <message>
        <source>Reset properties</source>
        <translation>Réinitialiser les propriétés</translation>
    </message>
</context>
<context>
    <name>PropertyEditors</name>
    <message>
        <source>HTML File Location</source>
        <translation>Emplacement du fichier HTML</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>Document HTML</translation>
    </message>
    <message>
        <source>Choose a Background Picture</source>
        <translation>Choisir une image d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>All Picture Formats</source>
        <translation>Tous les formats d&apos;image</translation>
    </message>
    <message>
        <source>Gif Format</source>
        <translation>Format GIF</translation>
    </message>
    <message>
        <source>JPEG Format</source>
        <translation>Format JPEG</translation>
    </message>
    <message>
        <source>Portable Network Graphics</source>
        <translation>Portable Network Graphics</translation>
    </message>
    <message>
        <source>Bitmap Image</source>
        <translation>Image bitmap</translation>
    </message>
    <message>
        <source>Choose a Style Sheet</source>
        <translation>Choisir une feuille de style</translation>
    </message>
    <message>
        <source>Cascading Style Sheet</source>
        <translation>Feuille de style en cascade</translation>
    </message>
    <message>
        <source>Choose an Icon</source>
        <translation>Choisir une icône</translation>
    </message>
    <message>
        <source>Type the Font size:</source>
        <translation>Tapez la taille de police :</translation>
    </message>
    <message>
        <source>How many columns do you want?</source>
        <translation>Combien de colonnes voulez-vous ?</translation>
    </message>
    <message>
        <source>Window height (pixels):</source>
        <translation>Hauteur de la fenêtre (pixels) :</translation>
    </message>
    <message>
        <source>Window width (pixels):</source>
        <translation>Largeur de la fenêtre (pixels) :</translation>
    </message>
    <message>
        <source>Icon size (16 minimum):</source>
        <translation>Taille des icônes (16 au minimum) :</translation>
    </message>
</context>
<context>
    <name>PropertyRows</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Valeur</translation>
    </message>
</context>
<context>
    <name>PropertyRules</name>
    <message>
        <source>&apos;%1&apos; is not a number, please try again</source>
        <translation>« %1 » n&apos;est pas un nombre, veuillez réessayer</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number, please try again</source>
        <translation>« %1 » n&apos;est pas un nombre entier, veuillez réessayer</translation>
    </message>
    <message>
        <source>The number must be %1 or higher</source>
        <translation>Le nombre doit être supérieur ou égal à %1</translation>
    </message>
    <message>
        <source>The number must be %1 or lower</source>
        <translation>Le nombre doit être inférieur ou égal à %1</translation>
    </message>
</context>
<context>
    <name>PropertyWindowParts</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>RecoveryCommands</name>
    <message>
        <source>Restore Unsaved Changes</source>
        <translation>Restaurer les modifications non enregistrées</translation>
    </message>
    <message>
        <source>%1 was closed before the changes to a new document were saved.</source>
        <translation>%1 a été fermé avant que les modifications d&apos;un nouveau document soient enregistrées.</translation>
    </message>
    <message>
        <source>%1 was closed before the changes to &apos;%2&apos; were saved.</source>
        <translation>%1 a été fermé avant que les modifications de « %2 » soient enregistrées.</translation>
    </message>
    <message>
        <source>Restore unsaved changes</source>
        <translation>Restaurer les modifications non enregistrées</translation>
    </message>
    <message>
        <source>The unsaved changes kept in &apos;%1&apos; could not be read - %2, %3. The copy was left where it is.</source>
        <translation>Les modifications non enregistrées conservées dans « %1 » n&apos;ont pas pu être lues - %2, %3. La copie a été laissée à sa place.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>The note of the copy is missing or damaged</source>
        <translation>La note de la copie manque ou est endommagée</translation>
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
    <name>YamlTree</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>aliases (*name) are not used in a launcher file</source>
        <translation>les alias (*nom) ne s&apos;emploient pas dans un fichier de lanceur</translation>
    </message>
    <message>
        <source>anchors (&amp;name) are not used in a launcher file</source>
        <translation>les ancres (&amp;nom) ne s&apos;emploient pas dans un fichier de lanceur</translation>
    </message>
    <message>
        <source>tags (%1) are not used in a launcher file</source>
        <translation>les étiquettes (%1) ne s&apos;emploient pas dans un fichier de lanceur</translation>
    </message>
    <message>
        <source>the file is nested more than %1 levels deep</source>
        <translation>le fichier est imbriqué sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>a key must be a text</source>
        <translation>une clé doit être un texte</translation>
    </message>
    <message>
        <source>the key &apos;%1&apos; is given twice</source>
        <translation>la clé « %1 » est donnée deux fois</translation>
    </message>
    <message>
        <source>the file holds no launcher document</source>
        <translation>le fichier ne contient aucun document de lanceur</translation>
    </message>
    <message>
        <source>a launcher file holds one document, this one holds several</source>
        <translation>un fichier de lanceur contient un document, celui-ci en contient plusieurs</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
    <message>
        <source>Browse for the command</source>
        <translation>Parcourir pour la commande</translation>
    </message>
    <message>
        <source>Choose a folder for the command</source>
        <translation>Choisir un dossier pour la commande</translation>
    </message>
    <message>
        <source>Browse for a file for the parameters</source>
        <translation>Parcourir pour un fichier des paramètres</translation>
    </message>
    <message>
        <source>Choose a folder for the parameters</source>
        <translation>Choisir un dossier pour les paramètres</translation>
    </message>
    <message>
        <source>Choose the start-in folder</source>
        <translation>Choisir le dossier de démarrage</translation>
    </message>
    <message>
        <source>Browse for the icon</source>
        <translation>Parcourir pour l’icône</translation>
    </message>
    <message>
        <source>Choose a folder for the icon</source>
        <translation>Choisir un dossier pour l’icône</translation>
    </message>
    <message>
        <source>Browse for a Quintor file to link to</source>
        <translation>Parcourir pour le fichier Quintor à lier</translation>
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
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Choose one or more; each one chosen becomes an item</source>
        <translation>Choisissez-en une ou plusieurs ; chacune devient un élément</translation>
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
    <message>
        <source>Items that will not work</source>
        <translation>Éléments qui ne fonctionneront pas</translation>
    </message>
    <message>
        <source>Press Enter to select the item in the list</source>
        <translation>Appuyez sur Entrée pour sélectionner l’élément dans la liste</translation>
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
    <message>
        <source>Browse for the Quintor file</source>
        <translation>Parcourir pour le fichier Quintor</translation>
    </message>
</context>
<context>
    <name>frmPCol</name>
    <message>
        <source>Colour Picker</source>
        <translation>Sélecteur de couleur</translation>
    </message>
    <message>
        <source>C&amp;hoose colour...</source>
        <translation>&amp;Choisir une couleur...</translation>
    </message>
    <message>
        <source>&amp;Default colour</source>
        <translation>Couleur par &amp;défaut</translation>
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
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Browse for the file</source>
        <translation>Parcourir pour le fichier</translation>
    </message>
</context>
<context>
    <name>frmPMTB</name>
    <message>
        <source>Text Editor</source>
        <translation>Éditeur de texte</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Tab types a tab; Ctrl+Tab moves on to the buttons</source>
        <translation>Tab insère une tabulation ; Ctrl+Tab passe aux boutons</translation>
    </message>
</context>
<context>
    <name>frmQTE</name>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>&amp;Icons</source>
        <translation>&amp;Icônes</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation>&amp;HTML</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>Erreur d&apos;ouverture</translation>
    </message>
    <message>
        <source>An error occurred when attempting to open the file &apos;%1&apos; - %2, %3</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;ouverture du fichier « %1 » - %2, %3</translation>
    </message>
    <message>
        <source>Open a Quintor File</source>
        <translation>Ouvrir un fichier Quintor</translation>
    </message>
    <message>
        <source>Save the Quintor File</source>
        <translation>Enregistrer le fichier Quintor</translation>
    </message>
    <message>
        <source>An error occurred when attempting to save the file &apos;%1&apos; - %2, %3</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;enregistrement du fichier « %1 » - %2, %3</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Erreur d&apos;enregistrement</translation>
    </message>
    <message>
        <source>The help file could not be opened. It was expected at &apos;%1&apos;.</source>
        <translation>Le fichier d&apos;aide n&apos;a pas pu être ouvert. Il était attendu à « %1 ».</translation>
    </message>
    <message>
        <source>No mail program could be started. Please send your feedback to %1.</source>
        <translation>Aucun programme de messagerie n&apos;a pu être démarré. Veuillez envoyer votre commentaire à %1.</translation>
    </message>
    <message>
        <source>The manual at &apos;%1&apos; could not be shown in a web browser: %2.</source>
        <translation>Le manuel « %1 » n’a pu être affiché dans aucun navigateur web : %2.</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Vues</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>The items and sections of the launcher page, in page order</source>
        <translation>Les éléments et sections de la page, dans l’ordre de la page</translation>
    </message>
    <message>
        <source>Page properties</source>
        <translation>Propriétés de la page</translation>
    </message>
    <message>
        <source>Press Enter to change the selected property</source>
        <translation>Appuyez sur Entrée pour modifier la propriété sélectionnée</translation>
    </message>
    <message>
        <source>HTML source</source>
        <translation>Source HTML</translation>
    </message>
    <message>
        <source>The page as it would be built, for reading</source>
        <translation>La page telle qu’elle serait générée, en lecture</translation>
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
    <message>
        <source>Start in</source>
        <translation>Démarrer dans</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Keeps a launcher file and builds it into a launcher page.</source>
        <translation>Tient à jour un fichier de lanceur et en génère une page de lancement.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>The launcher file (.qtf or .yaml) to open. The words are joined by one blank and double quotes are removed.</source>
        <translation>Le fichier de lanceur (.qtf ou .yaml) à ouvrir. Les mots sont joints par une espace et les guillemets doubles sont supprimés.</translation>
    </message>
</context>
</TS>
