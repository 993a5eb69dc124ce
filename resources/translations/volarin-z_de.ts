<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ArchiveName</name>
    <message>
        <source>All</source>
        <extracomment>Stands for every kind of file in the proposed archive name (&quot;ALL ZIP Archive Dec 6 2026&quot;); shown upper-cased.</extracomment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>%1 ZIP Archive %2 %3 %4</source>
        <extracomment>The archive name proposed in the Output window, a file name: %1 the file kind upper-cased (JPG), %2 the abbreviated month, %3 the day, %4 the year; order them as a date reads in your language.</extracomment>
        <translation>%1-ZIP-Archiv %3. %2 %4</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not installed (looked for %1)</source>
        <extracomment>Said of the help page in --help; %1 is where it was looked for.</extracomment>
        <translation>nicht installiert (gesucht unter %1)</translation>
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
        <translation>Aufruf: %1 [OPTION]... [ORDNER]...
Gewählte Dateien in ein ZIP-Archiv packen.

Öffnet das Fenster und listet die Dateien der gewählten Art (anfangs jpg) auf,
die direkt in jedem ORDNER liegen, in der angegebenen Reihenfolge, so wie das
Ablegen der Ordner auf dem Fenster es täte. Ein ORDNER ist ein Pfad (ein
relativer gilt ab dem aktuellen Ordner) oder eine file://-URI; was kein Ordner
ist, wird in der Standardfehlerausgabe genannt.

Optionen:
  -h, --help     diese Hilfe anzeigen und beenden
  -v, --version  die Version anzeigen und beenden
Die Optionen von Qt (-platform, -style, -session, ...) gehen an Qt weiter.

Hilfeseite: %2
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Volarin Z - Please select a folder.</source>
        <extracomment>The folder picker&apos;s title.</extracomment>
        <translation>Volarin Z – Bitte einen Ordner auswählen.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start</source>
        <extracomment>Caption of the button chameleonButton1 (177 x 49 pixels, beside a 36 x 36 picture). It must fit on one line: the tests measure it.</extracomment>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translatorcomment>„Durchsuchen...“ (96 px) passt nicht neben das Bild des 81 Pixel breiten Knopfs (Platz: 58 px); „Wählen...“ (57 px) ist das kürzere Wort, mit dem Dateidialoge einen Ordner wählen lassen.</translatorcomment>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and Drop Folders</source>
        <translatorcomment>Kürzer als „Ordner ziehen und ablegen“, damit der Rahmentitel über der Liste nicht lang wird.</translatorcomment>
        <translation>Ordner hierher ziehen</translation>
    </message>
    <message>
        <source>Found files</source>
        <translation>Gefundene Dateien</translation>
    </message>
    <message>
        <source>Drop folders here to list their files</source>
        <translation>Ordner hier ablegen, um ihre Dateien aufzulisten</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translation>Dateiendung</translation>
    </message>
    <message>
        <source>Zip progress</source>
        <translation>Fortschritt beim Packen</translation>
    </message>
    <message>
        <source>Folder last browsed</source>
        <translation>Zuletzt gewählter Ordner</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Online-Hilfe</translation>
    </message>
    <message>
        <source>All (*.*)</source>
        <extracomment>The row of the extension list that lists files of every kind.</extracomment>
        <translation>Alle (*.*)</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The run&apos;s percentage beside the buttons.</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>OutputNameDialog</name>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translatorcomment>„Dateiname:“ passt nicht in die 65 Pixel breite Beschriftung vor dem Namensfeld; „Name:“ genügt dort.</translatorcomment>
        <translation>Name:</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Zip run failed</source>
        <extracomment>Notification title when a run in the background ended without an archive.</extracomment>
        <translation>Packen fehlgeschlagen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written.</source>
        <translation>„%1“ wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ready in %2.</source>
        <extracomment>%1 the archive&apos;s file name, %2 its folder.</extracomment>
        <translation>„%1“ liegt bereit in %2.</translation>
    </message>
    <message>
        <source>Archive ready</source>
        <extracomment>Notification title when a run in the background made its archive.</extracomment>
        <translation>Archiv fertig</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Fenster anzeigen</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Byte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>The size column of a file whose length could not be read.</extracomment>
        <translation>unbekannt</translation>
    </message>
</context>
<context>
    <name>UserMessage</name>
    <message>
        <source>the file no longer exists</source>
        <translation>die Datei existiert nicht mehr</translation>
    </message>
    <message>
        <source>its date could not be read</source>
        <translation>ihr Datum ließ sich nicht lesen</translation>
    </message>
    <message>
        <source>its size could not be read</source>
        <translation>ihre Größe ließ sich nicht lesen</translation>
    </message>
    <message>
        <source>another archive is still being written</source>
        <translation>ein anderes Archiv wird noch geschrieben</translation>
    </message>
    <message>
        <source>it could not be created</source>
        <translation>es ließ sich nicht anlegen</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read</source>
        <translation>die Datei „%1“ ließ sich nicht lesen</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read whole (it changed or vanished during the run)</source>
        <translation>die Datei „%1“ ließ sich nicht vollständig lesen (sie wurde während des Packens geändert oder entfernt)</translation>
    </message>
    <message>
        <source>the finished archive could not take its name</source>
        <translation>das fertige Archiv konnte seinen Namen nicht erhalten</translation>
    </message>
    <message>
        <source>writing &quot;%1&quot; into it failed</source>
        <translation>„%1“ ließ sich nicht hineinschreiben</translation>
    </message>
    <message>
        <source>it could not be finished</source>
        <translation>es ließ sich nicht abschließen</translation>
    </message>
    <message>
        <source>the zip engine stopped</source>
        <translation>das Packen brach ab</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>What failed, then the system&apos;s reason for it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>hidden file: not put into the archive</source>
        <translation>versteckte Datei: nicht ins Archiv aufgenommen</translation>
    </message>
    <message>
        <source>replaced by the file of the same name from &quot;%1&quot;</source>
        <translation>ersetzt durch die gleichnamige Datei aus „%1“</translation>
    </message>
    <message>
        <source>not a .%1 file</source>
        <translation>keine .%1-Datei</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One line of the files left out: the file, then why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <extracomment>After the first 20 files left out: how many more there are.</extracomment>
        <translation>
            <numerusform>... und %n weitere.</numerusform>
            <numerusform>... und %n weitere.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out of &quot;%1&quot;:</source>
        <extracomment>%1 is the archive; the files follow, one a line.</extracomment>
        <translation>
            <numerusform>%n Datei wurde nicht in „%1“ aufgenommen:</numerusform>
            <numerusform>%n Dateien wurden nicht in „%1“ aufgenommen:</numerusform>
        </translation>
    </message>
    <message>
        <source> No File Found. Please try again.</source>
        <extracomment>Shown after Browse; the English words start with a space, as they always have.</extracomment>
        <translation>Keine Datei gefunden. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source> No %1 Files Found. Please try again.</source>
        <extracomment>%1 is the chosen extension, upper-cased (JPG).</extracomment>
        <translation>Keine %1-Dateien gefunden. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>„%1“ ist kein Ordner.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder: %2.</source>
        <translation>„%1“ ist kein Ordner: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>Der Ordner „%1“ lässt sich nicht lesen: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be read:</source>
        <extracomment>The folders follow, one a line, each with the reason.</extracomment>
        <translation>
            <numerusform>%n Ordner lässt sich nicht lesen:</numerusform>
            <numerusform>%n Ordner lassen sich nicht lesen:</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a name for the archive.</source>
        <translation>Bitte einen Namen für das Archiv eingeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a file name. Please choose another name.</source>
        <translation>„%1“ kann nicht als Dateiname dienen. Bitte einen anderen Namen wählen.</translation>
    </message>
    <message>
        <source>The name may not contain &quot;/&quot;. Please choose another name.</source>
        <translation>Der Name darf kein „/“ enthalten. Bitte einen anderen Namen wählen.</translation>
    </message>
    <message>
        <source>The name may not contain a line break or a NUL character. Please choose another name.</source>
        <translation>Der Name darf keinen Zeilenumbruch und kein NUL-Zeichen enthalten. Bitte einen anderen Namen wählen.</translation>
    </message>
    <message numerus="yes">
        <source>The name is %n bytes long; at most %1 are possible (with &quot;.zip&quot; added). Please choose a shorter name.</source>
        <extracomment>%n, the name&apos;s length in bytes, is always above %1, the most a name may have.</extracomment>
        <translation>
            <numerusform>Der Name ist %n Byte lang; höchstens %1 sind möglich (mit angehängtem „.zip“). Bitte einen kürzeren Namen wählen.</numerusform>
            <numerusform>Der Name ist %n Byte lang; höchstens %1 sind möglich (mit angehängtem „.zip“). Bitte einen kürzeren Namen wählen.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is a folder, so the archive cannot take its name. Please choose another name.</source>
        <translation>„%1“ in „%2“ ist ein Ordner, daher kann das Archiv diesen Namen nicht erhalten. Bitte einen anderen Namen wählen.</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists in &quot;%2&quot;. Do you want to replace it?

It is replaced only when the new archive is finished. Press Cancel to choose another name.</source>
        <translation>In „%2“ gibt es bereits eine Datei namens „%1“. Soll sie ersetzt werden?

Sie wird erst ersetzt, wenn das neue Archiv fertig ist. „Abbrechen“ führt zurück, um einen anderen Namen zu wählen.</translation>
    </message>
    <message>
        <source>The staging folder &quot;%1&quot; could not be deleted (%2): %3.</source>
        <translation>Der Zwischenordner „%1“ ließ sich nicht löschen (%2): %3.</translation>
    </message>
    <message>
        <source>The list of unfinished archives &quot;%1&quot; could not be read or written: %2.</source>
        <translation>Die Liste unfertiger Archive „%1“ ließ sich nicht lesen oder schreiben: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Please press Start again when it is done.</source>
        <translation>„%1“ wird noch geschrieben. Bitte erneut „Starten“ drücken, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: the run could not be started: %2.</source>
        <translation>Das Archiv „%1“ wurde nicht geschrieben: das Packen ließ sich nicht starten: %2.</translation>
    </message>
    <message>
        <source>No file is checked, so nothing was zipped. Please check the files to put into the archive and press Start again.</source>
        <translation>Keine Datei ist angehakt, daher wurde nichts gepackt. Bitte die Dateien für das Archiv anhaken und erneut „Starten“ drücken.</translation>
    </message>
    <message>
        <source>None of the checked files is a .%1 file, so nothing was zipped. Please choose their extension in the list and press Start again.</source>
        <translation>Keine der angehakten Dateien ist eine .%1-Datei, daher wurde nichts gepackt. Bitte ihre Dateiendung in der Liste wählen und erneut „Starten“ drücken.</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written (an archive of that name from before is left as it was).</source>
        <translation>Das Packen wurde angehalten: „%1“ wurde nicht geschrieben (ein früheres Archiv dieses Namens bleibt, wie es war).</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: &quot;%2&quot; could not be queued: %3.</source>
        <translation>Das Archiv „%1“ wurde nicht geschrieben: „%2“ ließ sich nicht einreihen: %3.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; could not be written: %2.</source>
        <translation>Das Archiv „%1“ ließ sich nicht schreiben: %2.</translation>
    </message>
    <message>
        <source>The help page could not be found. Looked for:
%1
%2</source>
        <translation>Die Hilfeseite wurde nicht gefunden. Gesucht unter:
%1
%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>does not read back (its local header is missing)</source>
        <translation>lässt sich nicht zurücklesen (sein lokaler Header fehlt)</translation>
    </message>
    <message>
        <source>does not read back (its extra fields are damaged)</source>
        <translation>lässt sich nicht zurücklesen (seine Zusatzfelder sind beschädigt)</translation>
    </message>
    <message>
        <source>does not read back (it is stored in a way Volarin Z does not write)</source>
        <translation>lässt sich nicht zurücklesen (er ist auf eine Art gespeichert, die Volarin Z nicht schreibt)</translation>
    </message>
    <message>
        <source>does not read back (its password does not fit)</source>
        <translation>lässt sich nicht zurücklesen (sein Passwort passt nicht)</translation>
    </message>
    <message>
        <source>does not read back (its data is damaged)</source>
        <translation>lässt sich nicht zurücklesen (seine Daten sind beschädigt)</translation>
    </message>
    <message>
        <source>does not read back (size differs)</source>
        <translation>lässt sich nicht zurücklesen (Größe weicht ab)</translation>
    </message>
    <message>
        <source>does not read back (CRC differs)</source>
        <translation>lässt sich nicht zurücklesen (CRC weicht ab)</translation>
    </message>
    <message>
        <source>could not be read back</source>
        <translation>ließ sich nicht zurücklesen</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>sizes</source>
        <translation>Größen</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>Flags</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>extra fields</source>
        <translation>Zusatzfelder</translation>
    </message>
    <message>
        <source>does not read back (its local header differs from the central directory: %1)</source>
        <translation>lässt sich nicht zurücklesen (sein lokaler Header weicht vom zentralen Verzeichnis ab: %1)</translation>
    </message>
    <message>
        <source>it could not be read back</source>
        <translation>es ließ sich nicht zurücklesen</translation>
    </message>
    <message>
        <source>its end record is damaged</source>
        <translation>sein Endeintrag ist beschädigt</translation>
    </message>
    <message>
        <source>its central directory is damaged</source>
        <translation>sein zentrales Verzeichnis ist beschädigt</translation>
    </message>
    <message>
        <source>it holds %1 entries where %2 were written</source>
        <translation>es enthält %1 Einträge, geschrieben wurden aber %2</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; %2</source>
        <translation>der Eintrag „%1“ %2</translation>
    </message>
    <message>
        <source>the archive could not be proven: %1</source>
        <translation>die Prüfung des Archivs schlug fehl: %1</translation>
    </message>
    <message>
        <source>the drive cannot hold files over 4 GB</source>
        <translation>das Laufwerk kann keine Dateien über 4 GB aufnehmen</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a file&apos;s date, as in 1 July 1979</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>dated %1: readers that know only ZIP&apos;s own dates show %2</source>
        <translation>datiert auf den %1: Programme, die nur die ZIP-eigenen Datumsangaben kennen, zeigen den %2</translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translation>ein Steuerzeichen (U+%1)</translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact date of %n file dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>Das Archiv „%1“ bewahrt das genaue Datum von %n Datei, die außerhalb der Jahre 1980 bis 2107 datiert ist:</numerusform>
            <numerusform>Das Archiv „%1“ bewahrt die genauen Daten von %n Dateien, die außerhalb der Jahre 1980 bis 2107 datiert sind:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact dates of %n files dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>Das Archiv „%1“ bewahrt das genaue Datum von %n Datei, die außerhalb der Jahre 1980 bis 2107 datiert ist:</numerusform>
            <numerusform>Das Archiv „%1“ bewahrt die genauen Daten von %n Dateien, die außerhalb der Jahre 1980 bis 2107 datiert sind:</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not allow %2 in file names, so &quot;%3&quot; cannot be written there. Please choose another name.</source>
        <translation>Das Laufwerk von „%1“ lässt %2 in Dateinamen nicht zu, daher kann „%3“ dort nicht geschrieben werden. Bitte einen anderen Namen wählen.</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not accept &quot;%2&quot; as a file name (%3). Please choose another name.</source>
        <translation>Das Laufwerk von „%1“ nimmt „%2“ nicht als Dateinamen an (%3). Bitte einen anderen Namen wählen.</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; cannot hold files over 4 GB, and the files to zip come to %2, so the archive may not fit there.

Zip them anyway? Press Cancel to choose another folder.</source>
        <translation>Das Laufwerk von „%1“ kann keine Dateien über 4 GB aufnehmen, und die zu packenden Dateien umfassen %2, daher passt das Archiv dort womöglich nicht hin.

Trotzdem packen? „Abbrechen“ führt zurück, um einen anderen Ordner zu wählen.</translation>
    </message>
    <message>
        <source>No file could be read for &quot;%1&quot;, so no archive was written:</source>
        <translation>Für „%1“ ließ sich keine Datei lesen, daher wurde kein Archiv geschrieben:</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written.</source>
        <translation>Das Packen wurde angehalten: „%1“ wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>The run was stopped too late: the archive &quot;%1&quot; was already written.</source>
        <translation>Das Packen wurde zu spät angehalten: das Archiv „%1“ war bereits geschrieben.</translation>
    </message>
    <message>
        <source>&amp;Zip Anyway</source>
        <translation>&amp;Trotzdem packen</translation>
    </message>
</context>
<context>
    <name>XP_ProgressBar</name>
    <message>
        <source>Gathering Required Information</source>
        <translation>Nötige Angaben werden gesammelt</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The bar&apos;s percentage; %1 is the number.</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
</TS>
