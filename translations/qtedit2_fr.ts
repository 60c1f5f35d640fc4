<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>EditorActions</name>
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
</context>
<context>
    <name>ItemRows</name>
    <message>
        <source>Section</source>
        <translation>Section</translation>
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
    <name>frmAdd</name>
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
        <source>Browse for the Quintor file</source>
        <translation>Parcourir pour le fichier Quintor</translation>
    </message>
</context>
<context>
    <name>frmPFile</name>
    <message>
        <source>Browse for the file</source>
        <translation>Parcourir pour le fichier</translation>
    </message>
</context>
<context>
    <name>frmPMTB</name>
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
</TS>
