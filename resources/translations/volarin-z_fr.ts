<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ArchiveName</name>
    <message>
        <source>All</source>
        <extracomment>Stands for every kind of file in the proposed archive name (&quot;ALL ZIP Archive Dec 6 2026&quot;); shown upper-cased.</extracomment>
        <translation>Tous</translation>
    </message>
    <message>
        <source>%1 ZIP Archive %2 %3 %4</source>
        <extracomment>The archive name proposed in the Output window, a file name: %1 the file kind upper-cased (JPG), %2 the abbreviated month, %3 the day, %4 the year; order them as a date reads in your language.</extracomment>
        <translation>Archive ZIP %1 %3 %2 %4</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not installed (looked for %1)</source>
        <extracomment>Said of the help page in --help; %1 is where it was looked for.</extracomment>
        <translation>non installée (cherchée dans %1)</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]... [FOLDER]...
Zip chosen files into one ZIP archive.

Opens the window and lists the files of the selected kind (jpg at first) lying
directly in each FOLDER, in the order given, as a drop of the folders on the
window would. A FOLDER is a path (a relative one is taken from the current
folder) or a file:// URI; each one that is not a folder is named on standard
error.

Options:
  -h, --help     show this help and exit
  -v, --version  show the version and exit
Qt&apos;s own options (-platform, -style, -session, ...) are passed on to Qt.

Help page: %2
</source>
        <extracomment>The answer to --help, printed in a terminal: keep lines within 80 columns. %1 is the program (volarin-z), %2 the help page or why there is none.</extracomment>
        <translation>Utilisation : %1 [OPTION]... [DOSSIER]...
Compresser les fichiers choisis dans une seule archive ZIP.

Ouvre la fenêtre et liste les fichiers du type choisi (jpg au départ) qui se
trouvent directement dans chaque DOSSIER, dans l&apos;ordre donné, comme le ferait
un dépôt des dossiers sur la fenêtre. Un DOSSIER est un chemin (un chemin
relatif part du dossier courant) ou une URI file:// ; chacun de ceux qui ne
sont pas des dossiers est signalé sur la sortie d&apos;erreur standard.

Options :
  -h, --help     afficher cette aide et quitter
  -v, --version  afficher la version et quitter
Les options propres à Qt (-platform, -style, -session, ...) sont passées à Qt.

Page d&apos;aide : %2
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Volarin Z - Please select a folder.</source>
        <extracomment>The folder picker&apos;s title.</extracomment>
        <translation>Volarin Z – Veuillez choisir un dossier.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start</source>
        <extracomment>Caption of the button chameleonButton1 (177 x 49 pixels, beside a 36 x 36 picture). It must fit on one line: the tests measure it.</extracomment>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translatorcomment>« Parcourir... » (67 px) ne tient pas à côté de l&apos;image du bouton de 81 pixels (place : 58 px) ; « Choisir... » (54 px).</translatorcomment>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FoundFilesModel</name>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Taille</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and Drop Folders</source>
        <translation>Glisser-déposer des dossiers</translation>
    </message>
    <message>
        <source>Found files</source>
        <translation>Fichiers trouvés</translation>
    </message>
    <message>
        <source>Drop folders here to list their files</source>
        <translation>Déposez des dossiers ici pour lister leurs fichiers</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translatorcomment>« Extension de fichier » déborderait du cadre de 177 pixels.</translatorcomment>
        <translation>Extension</translation>
    </message>
    <message>
        <source>Zip progress</source>
        <translation>Progression de la compression</translation>
    </message>
    <message>
        <source>Folder last browsed</source>
        <translation>Dernier dossier choisi</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Aide en ligne</translation>
    </message>
    <message>
        <source>All (*.*)</source>
        <extracomment>The row of the extension list that lists files of every kind.</extracomment>
        <translation>Tous (*.*)</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The run&apos;s percentage beside the buttons.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>OutputNameDialog</name>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translatorcomment>« Nom de fichier : » ne tient pas dans l&apos;étiquette de 65 pixels ; « Nom : » suffit à côté du champ.</translatorcomment>
        <translation>Nom&#xa0;:</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Zip run failed</source>
        <extracomment>Notification title when a run in the background ended without an archive.</extracomment>
        <translation>Échec de la compression</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas été écrite.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ready in %2.</source>
        <extracomment>%1 the archive&apos;s file name, %2 its folder.</extracomment>
        <translation>«&#xa0;%1&#xa0;» est prête dans %2.</translation>
    </message>
    <message>
        <source>Archive ready</source>
        <extracomment>Notification title when a run in the background made its archive.</extracomment>
        <translation>Archive prête</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Afficher la fenêtre</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 To</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>The size column of a file whose length could not be read.</extracomment>
        <translation>inconnue</translation>
    </message>
</context>
<context>
    <name>UserMessage</name>
    <message>
        <source>the file no longer exists</source>
        <translation>le fichier n&apos;existe plus</translation>
    </message>
    <message>
        <source>its date could not be read</source>
        <translation>sa date n&apos;a pas pu être lue</translation>
    </message>
    <message>
        <source>its size could not be read</source>
        <translation>sa taille n&apos;a pas pu être lue</translation>
    </message>
    <message>
        <source>another archive is still being written</source>
        <translation>une autre archive est encore en cours d&apos;écriture</translation>
    </message>
    <message>
        <source>it could not be created</source>
        <translation>elle n&apos;a pas pu être créée</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read</source>
        <translation>le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read whole (it changed or vanished during the run)</source>
        <translation>le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être lu en entier (il a changé ou disparu pendant la compression)</translation>
    </message>
    <message>
        <source>the finished archive could not take its name</source>
        <translation>l&apos;archive terminée n&apos;a pas pu prendre son nom</translation>
    </message>
    <message>
        <source>writing &quot;%1&quot; into it failed</source>
        <translation>l&apos;écriture de «&#xa0;%1&#xa0;» dans l&apos;archive a échoué</translation>
    </message>
    <message>
        <source>it could not be finished</source>
        <translation>elle n&apos;a pas pu être terminée</translation>
    </message>
    <message>
        <source>the zip engine stopped</source>
        <translation>la compression s&apos;est arrêtée</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>What failed, then the system&apos;s reason for it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>pas un fichier</translation>
    </message>
    <message>
        <source>hidden file: not put into the archive</source>
        <translation>fichier caché&#xa0;: non ajouté à l&apos;archive</translation>
    </message>
    <message>
        <source>replaced by the file of the same name from &quot;%1&quot;</source>
        <translation>remplacé par le fichier du même nom venant de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>not a .%1 file</source>
        <translation>pas un fichier .%1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One line of the files left out: the file, then why.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <extracomment>After the first 20 files left out: how many more there are.</extracomment>
        <translation>
            <numerusform>... et %n autre.</numerusform>
            <numerusform>... et %n autres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out of &quot;%1&quot;:</source>
        <extracomment>%1 is the archive; the files follow, one a line.</extracomment>
        <translation>
            <numerusform>%n fichier n&apos;a pas été ajouté à «&#xa0;%1&#xa0;»&#xa0;:</numerusform>
            <numerusform>%n fichiers n&apos;ont pas été ajoutés à «&#xa0;%1&#xa0;»&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source> No File Found. Please try again.</source>
        <extracomment>Shown after Browse; the English words start with a space, as they always have.</extracomment>
        <translation>Aucun fichier trouvé. Veuillez réessayer.</translation>
    </message>
    <message>
        <source> No %1 Files Found. Please try again.</source>
        <extracomment>%1 is the chosen extension, upper-cased (JPG).</extracomment>
        <translation>Aucun fichier %1 trouvé. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un dossier&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be read:</source>
        <extracomment>The folders follow, one a line, each with the reason.</extracomment>
        <translation>
            <numerusform>%n dossier ne peut pas être lu&#xa0;:</numerusform>
            <numerusform>%n dossiers ne peuvent pas être lus&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a name for the archive.</source>
        <translation>Veuillez saisir un nom pour l&apos;archive.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a file name. Please choose another name.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas servir de nom de fichier. Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>The name may not contain &quot;/&quot;. Please choose another name.</source>
        <translation>Le nom ne doit pas contenir «&#xa0;/&#xa0;». Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>The name may not contain a line break or a NUL character. Please choose another name.</source>
        <translation>Le nom ne doit contenir ni saut de ligne ni caractère NUL. Veuillez choisir un autre nom.</translation>
    </message>
    <message numerus="yes">
        <source>The name is %n bytes long; at most %1 are possible (with &quot;.zip&quot; added). Please choose a shorter name.</source>
        <extracomment>%n, the name&apos;s length in bytes, is always above %1, the most a name may have.</extracomment>
        <translation>
            <numerusform>Le nom fait %n octet&#xa0;; %1 au plus sont possibles (avec «&#xa0;.zip&#xa0;» ajouté). Veuillez choisir un nom plus court.</numerusform>
            <numerusform>Le nom fait %n octets&#xa0;; %1 au plus sont possibles (avec «&#xa0;.zip&#xa0;» ajouté). Veuillez choisir un nom plus court.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is a folder, so the archive cannot take its name. Please choose another name.</source>
        <translation>«&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;» est un dossier, l&apos;archive ne peut donc pas prendre ce nom. Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists in &quot;%2&quot;. Do you want to replace it?

It is replaced only when the new archive is finished. Press Cancel to choose another name.</source>
        <translation>Un fichier nommé «&#xa0;%1&#xa0;» existe déjà dans «&#xa0;%2&#xa0;». Voulez-vous le remplacer&#xa0;?

Il ne sera remplacé qu&apos;une fois la nouvelle archive terminée. Cliquez sur Annuler pour choisir un autre nom.</translation>
    </message>
    <message>
        <source>The staging folder &quot;%1&quot; could not be deleted (%2): %3.</source>
        <translation>Le dossier de préparation «&#xa0;%1&#xa0;» n&apos;a pas pu être supprimé (%2)&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The list of unfinished archives &quot;%1&quot; could not be read or written: %2.</source>
        <translation>La liste des archives inachevées «&#xa0;%1&#xa0;» n&apos;a pas pu être lue ou écrite&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Please press Start again when it is done.</source>
        <translation>«&#xa0;%1&#xa0;» est encore en cours d&apos;écriture. Veuillez cliquer à nouveau sur Démarrer une fois l&apos;écriture terminée.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: the run could not be started: %2.</source>
        <translation>L&apos;archive «&#xa0;%1&#xa0;» n&apos;a pas été écrite&#xa0;: la compression n&apos;a pas pu démarrer&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No file is checked, so nothing was zipped. Please check the files to put into the archive and press Start again.</source>
        <translation>Aucun fichier n&apos;est coché, rien n&apos;a donc été compressé. Veuillez cocher les fichiers à mettre dans l&apos;archive et cliquer à nouveau sur Démarrer.</translation>
    </message>
    <message>
        <source>None of the checked files is a .%1 file, so nothing was zipped. Please choose their extension in the list and press Start again.</source>
        <translation>Aucun des fichiers cochés n&apos;est un fichier .%1, rien n&apos;a donc été compressé. Veuillez choisir leur extension dans la liste et cliquer à nouveau sur Démarrer.</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written (an archive of that name from before is left as it was).</source>
        <translation>La compression a été arrêtée&#xa0;: «&#xa0;%1&#xa0;» n&apos;a pas été écrite (une archive antérieure de ce nom reste telle quelle).</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: &quot;%2&quot; could not be queued: %3.</source>
        <translation>L&apos;archive «&#xa0;%1&#xa0;» n&apos;a pas été écrite&#xa0;: «&#xa0;%2&#xa0;» n&apos;a pas pu être mis en file d&apos;attente&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; could not be written: %2.</source>
        <translation>L&apos;archive «&#xa0;%1&#xa0;» n&apos;a pas pu être écrite&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The help page could not be found. Looked for:
%1
%2</source>
        <translation>La page d&apos;aide est introuvable. Emplacements cherchés&#xa0;:
%1
%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>est absente</translation>
    </message>
    <message>
        <source>does not read back (its local header is missing)</source>
        <translation>ne peut pas être relue (son en-tête local est absent)</translation>
    </message>
    <message>
        <source>does not read back (its extra fields are damaged)</source>
        <translation>ne peut pas être relue (ses champs supplémentaires sont endommagés)</translation>
    </message>
    <message>
        <source>does not read back (it is stored in a way Volarin Z does not write)</source>
        <translation>ne peut pas être relue (elle est stockée d&apos;une façon que Volarin Z n&apos;écrit pas)</translation>
    </message>
    <message>
        <source>does not read back (its password does not fit)</source>
        <translation>ne peut pas être relue (son mot de passe ne correspond pas)</translation>
    </message>
    <message>
        <source>does not read back (its data is damaged)</source>
        <translation>ne peut pas être relue (ses données sont endommagées)</translation>
    </message>
    <message>
        <source>does not read back (size differs)</source>
        <translation>ne peut pas être relue (la taille diffère)</translation>
    </message>
    <message>
        <source>does not read back (CRC differs)</source>
        <translation>ne peut pas être relue (le CRC diffère)</translation>
    </message>
    <message>
        <source>could not be read back</source>
        <translation>n&apos;a pas pu être relue</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>sizes</source>
        <translation>tailles</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>method</source>
        <translation>méthode</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>indicateurs</translation>
    </message>
    <message>
        <source>date</source>
        <translation>date</translation>
    </message>
    <message>
        <source>extra fields</source>
        <translation>champs supplémentaires</translation>
    </message>
    <message>
        <source>does not read back (its local header differs from the central directory: %1)</source>
        <translation>ne peut pas être relue (son en-tête local diffère du répertoire central&#xa0;: %1)</translation>
    </message>
    <message>
        <source>it could not be read back</source>
        <translation>elle n&apos;a pas pu être relue</translation>
    </message>
    <message>
        <source>its end record is damaged</source>
        <translation>son enregistrement de fin est endommagé</translation>
    </message>
    <message>
        <source>its central directory is damaged</source>
        <translation>son répertoire central est endommagé</translation>
    </message>
    <message>
        <source>it holds %1 entries where %2 were written</source>
        <translation>elle contient %1 entrées alors que %2 ont été écrites</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; %2</source>
        <translation>l&apos;entrée «&#xa0;%1&#xa0;» %2</translation>
    </message>
    <message>
        <source>the archive could not be proven: %1</source>
        <translation>l&apos;archive n&apos;a pas pu être vérifiée&#xa0;: %1</translation>
    </message>
    <message>
        <source>the drive cannot hold files over 4 GB</source>
        <translation>le lecteur ne peut pas contenir de fichiers de plus de 4&#xa0;Go</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a file&apos;s date, as in 1 July 1979</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>dated %1: readers that know only ZIP&apos;s own dates show %2</source>
        <translation>daté du %1&#xa0;: les programmes qui ne connaissent que les dates propres au ZIP affichent le %2</translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translation>un caractère de contrôle (U+%1)</translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact date of %n file dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>L&apos;archive «&#xa0;%1&#xa0;» conserve la date exacte de %n fichier daté hors des années 1980 à 2107&#xa0;:</numerusform>
            <numerusform>L&apos;archive «&#xa0;%1&#xa0;» conserve les dates exactes de %n fichiers datés hors des années 1980 à 2107&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact dates of %n files dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>L&apos;archive «&#xa0;%1&#xa0;» conserve la date exacte de %n fichier daté hors des années 1980 à 2107&#xa0;:</numerusform>
            <numerusform>L&apos;archive «&#xa0;%1&#xa0;» conserve les dates exactes de %n fichiers datés hors des années 1980 à 2107&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not allow %2 in file names, so &quot;%3&quot; cannot be written there. Please choose another name.</source>
        <translation>Le lecteur de «&#xa0;%1&#xa0;» interdit %2 dans les noms de fichier, «&#xa0;%3&#xa0;» ne peut donc pas y être écrit. Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not accept &quot;%2&quot; as a file name (%3). Please choose another name.</source>
        <translation>Le lecteur de «&#xa0;%1&#xa0;» n&apos;accepte pas «&#xa0;%2&#xa0;» comme nom de fichier (%3). Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; cannot hold files over 4 GB, and the files to zip come to %2, so the archive may not fit there.

Zip them anyway? Press Cancel to choose another folder.</source>
        <translation>Le lecteur de «&#xa0;%1&#xa0;» ne peut pas contenir de fichiers de plus de 4&#xa0;Go, et les fichiers à compresser totalisent %2&#xa0;: l&apos;archive risque de ne pas y tenir.

Les compresser quand même&#xa0;? Cliquez sur Annuler pour choisir un autre dossier.</translation>
    </message>
    <message>
        <source>No file could be read for &quot;%1&quot;, so no archive was written:</source>
        <translation>Aucun fichier n&apos;a pu être lu pour «&#xa0;%1&#xa0;», aucune archive n&apos;a donc été écrite&#xa0;:</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written.</source>
        <translation>La compression a été arrêtée&#xa0;: «&#xa0;%1&#xa0;» n&apos;a pas été écrite.</translation>
    </message>
    <message>
        <source>The run was stopped too late: the archive &quot;%1&quot; was already written.</source>
        <translation>La compression a été arrêtée trop tard&#xa0;: l&apos;archive «&#xa0;%1&#xa0;» était déjà écrite.</translation>
    </message>
    <message>
        <source>&amp;Zip Anyway</source>
        <translation>&amp;Compresser quand même</translation>
    </message>
</context>
<context>
    <name>XP_ProgressBar</name>
    <message>
        <source>Gathering Required Information</source>
        <translation>Collecte des informations nécessaires</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The bar&apos;s percentage; %1 is the number.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
</TS>
