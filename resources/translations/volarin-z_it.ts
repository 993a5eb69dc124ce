<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ArchiveName</name>
    <message>
        <source>All</source>
        <extracomment>Stands for every kind of file in the proposed archive name (&quot;ALL ZIP Archive Dec 6 2026&quot;); shown upper-cased.</extracomment>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>%1 ZIP Archive %2 %3 %4</source>
        <extracomment>The archive name proposed in the Output window, a file name: %1 the file kind upper-cased (JPG), %2 the abbreviated month, %3 the day, %4 the year; order them as a date reads in your language.</extracomment>
        <translation>Archivio ZIP %1 %3 %2 %4</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not installed (looked for %1)</source>
        <extracomment>Said of the help page in --help; %1 is where it was looked for.</extracomment>
        <translation>non installata (cercata in %1)</translation>
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
        <translation>Uso: %1 [OPZIONE]... [CARTELLA]...
Comprime i file scelti in un unico archivio ZIP.

Apre la finestra ed elenca i file del tipo scelto (all&apos;inizio jpg) che si
trovano direttamente in ogni CARTELLA, nell&apos;ordine dato, come farebbe il
rilascio delle cartelle sulla finestra. Una CARTELLA è un percorso (uno
relativo parte dalla cartella corrente) o un URI file://; ognuno che non sia
una cartella viene indicato sullo standard error.

Opzioni:
  -h, --help     mostra questo aiuto ed esce
  -v, --version  mostra la versione ed esce
Le opzioni proprie di Qt (-platform, -style, -session, ...) passano a Qt.

Pagina di aiuto: %2
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta «%1»</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Volarin Z - Please select a folder.</source>
        <extracomment>The folder picker&apos;s title.</extracomment>
        <translation>Volarin Z - Selezionare una cartella.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start</source>
        <extracomment>Caption of the button chameleonButton1 (177 x 49 pixels, beside a 36 x 36 picture). It must fit on one line: the tests measure it.</extracomment>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Nome file</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dimensione</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and Drop Folders</source>
        <translation>Trascina qui le cartelle</translation>
    </message>
    <message>
        <source>Found files</source>
        <translation>File trovati</translation>
    </message>
    <message>
        <source>Drop folders here to list their files</source>
        <translation>Rilascia qui le cartelle per elencarne i file</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translatorcomment>«Estensione file» sarebbe troppo lungo per il riquadro di 177 pixel.</translatorcomment>
        <translation>Estensione</translation>
    </message>
    <message>
        <source>Zip progress</source>
        <translation>Avanzamento della compressione</translation>
    </message>
    <message>
        <source>Folder last browsed</source>
        <translation>Ultima cartella scelta</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Guida online</translation>
    </message>
    <message>
        <source>All (*.*)</source>
        <extracomment>The row of the extension list that lists files of every kind.</extracomment>
        <translation>Tutti (*.*)</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The run&apos;s percentage beside the buttons.</extracomment>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>OutputNameDialog</name>
    <message>
        <source>Output</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nome file:</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Zip run failed</source>
        <extracomment>Notification title when a run in the background ended without an archive.</extracomment>
        <translation>Compressione non riuscita</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written.</source>
        <translation>«%1» non è stato scritto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ready in %2.</source>
        <extracomment>%1 the archive&apos;s file name, %2 its folder.</extracomment>
        <translation>«%1» è pronto in %2.</translation>
    </message>
    <message>
        <source>Archive ready</source>
        <extracomment>Notification title when a run in the background made its archive.</extracomment>
        <translation>Archivio pronto</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Mostra la finestra</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n byte</numerusform>
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
        <translation>sconosciuta</translation>
    </message>
</context>
<context>
    <name>UserMessage</name>
    <message>
        <source>the file no longer exists</source>
        <translation>il file non esiste più</translation>
    </message>
    <message>
        <source>its date could not be read</source>
        <translation>non è stato possibile leggerne la data</translation>
    </message>
    <message>
        <source>its size could not be read</source>
        <translation>non è stato possibile leggerne la dimensione</translation>
    </message>
    <message>
        <source>another archive is still being written</source>
        <translation>un altro archivio è ancora in scrittura</translation>
    </message>
    <message>
        <source>it could not be created</source>
        <translation>non è stato possibile crearlo</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read</source>
        <translation>non è stato possibile leggere il file «%1»</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read whole (it changed or vanished during the run)</source>
        <translation>non è stato possibile leggere per intero il file «%1» (è cambiato o scomparso durante la compressione)</translation>
    </message>
    <message>
        <source>the finished archive could not take its name</source>
        <translation>l&apos;archivio finito non ha potuto prendere il suo nome</translation>
    </message>
    <message>
        <source>writing &quot;%1&quot; into it failed</source>
        <translation>la scrittura di «%1» nell&apos;archivio non è riuscita</translation>
    </message>
    <message>
        <source>it could not be finished</source>
        <translation>non è stato possibile completarlo</translation>
    </message>
    <message>
        <source>the zip engine stopped</source>
        <translation>la compressione si è interrotta</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>What failed, then the system&apos;s reason for it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>non è un file</translation>
    </message>
    <message>
        <source>hidden file: not put into the archive</source>
        <translation>file nascosto: non aggiunto all&apos;archivio</translation>
    </message>
    <message>
        <source>replaced by the file of the same name from &quot;%1&quot;</source>
        <translation>sostituito dal file con lo stesso nome da «%1»</translation>
    </message>
    <message>
        <source>not a .%1 file</source>
        <translation>non è un file .%1</translation>
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
            <numerusform>... e ancora %n.</numerusform>
            <numerusform>... e ancora %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out of &quot;%1&quot;:</source>
        <extracomment>%1 is the archive; the files follow, one a line.</extracomment>
        <translation>
            <numerusform>%n file è rimasto fuori da «%1»:</numerusform>
            <numerusform>%n file sono rimasti fuori da «%1»:</numerusform>
        </translation>
    </message>
    <message>
        <source> No File Found. Please try again.</source>
        <extracomment>Shown after Browse; the English words start with a space, as they always have.</extracomment>
        <translation>Nessun file trovato. Riprovare.</translation>
    </message>
    <message>
        <source> No %1 Files Found. Please try again.</source>
        <extracomment>%1 is the chosen extension, upper-cased (JPG).</extracomment>
        <translation>Nessun file %1 trovato. Riprovare.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>«%1» non è una cartella.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder: %2.</source>
        <translation>«%1» non è una cartella: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>Impossibile leggere la cartella «%1»: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be read:</source>
        <extracomment>The folders follow, one a line, each with the reason.</extracomment>
        <translation>
            <numerusform>Impossibile leggere %n cartella:</numerusform>
            <numerusform>Impossibile leggere %n cartelle:</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a name for the archive.</source>
        <translation>Digitare un nome per l&apos;archivio.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a file name. Please choose another name.</source>
        <translation>«%1» non può essere usato come nome di file. Scegliere un altro nome.</translation>
    </message>
    <message>
        <source>The name may not contain &quot;/&quot;. Please choose another name.</source>
        <translation>Il nome non può contenere «/». Scegliere un altro nome.</translation>
    </message>
    <message>
        <source>The name may not contain a line break or a NUL character. Please choose another name.</source>
        <translation>Il nome non può contenere a capo né caratteri NUL. Scegliere un altro nome.</translation>
    </message>
    <message numerus="yes">
        <source>The name is %n bytes long; at most %1 are possible (with &quot;.zip&quot; added). Please choose a shorter name.</source>
        <extracomment>%n, the name&apos;s length in bytes, is always above %1, the most a name may have.</extracomment>
        <translation>
            <numerusform>Il nome è lungo %n byte; al massimo ne sono possibili %1 (con «.zip» aggiunto). Scegliere un nome più corto.</numerusform>
            <numerusform>Il nome è lungo %n byte; al massimo ne sono possibili %1 (con «.zip» aggiunto). Scegliere un nome più corto.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is a folder, so the archive cannot take its name. Please choose another name.</source>
        <translation>«%1» in «%2» è una cartella, quindi l&apos;archivio non può prendere quel nome. Scegliere un altro nome.</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists in &quot;%2&quot;. Do you want to replace it?

It is replaced only when the new archive is finished. Press Cancel to choose another name.</source>
        <translation>In «%2» esiste già un file chiamato «%1». Sostituirlo?

Viene sostituito solo quando il nuovo archivio è completo. Premere Annulla per scegliere un altro nome.</translation>
    </message>
    <message>
        <source>The staging folder &quot;%1&quot; could not be deleted (%2): %3.</source>
        <translation>Impossibile eliminare la cartella di appoggio «%1» (%2): %3.</translation>
    </message>
    <message>
        <source>The list of unfinished archives &quot;%1&quot; could not be read or written: %2.</source>
        <translation>Impossibile leggere o scrivere l&apos;elenco degli archivi incompleti «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Please press Start again when it is done.</source>
        <translation>«%1» è ancora in scrittura. Premere di nuovo Avvia quando è finito.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: the run could not be started: %2.</source>
        <translation>L&apos;archivio «%1» non è stato scritto: impossibile avviare la compressione: %2.</translation>
    </message>
    <message>
        <source>No file is checked, so nothing was zipped. Please check the files to put into the archive and press Start again.</source>
        <translation>Nessun file è selezionato, quindi non è stato compresso nulla. Selezionare i file da mettere nell&apos;archivio e premere di nuovo Avvia.</translation>
    </message>
    <message>
        <source>None of the checked files is a .%1 file, so nothing was zipped. Please choose their extension in the list and press Start again.</source>
        <translation>Nessuno dei file selezionati è un file .%1, quindi non è stato compresso nulla. Scegliere la loro estensione nell&apos;elenco e premere di nuovo Avvia.</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written (an archive of that name from before is left as it was).</source>
        <translation>La compressione è stata interrotta: «%1» non è stato scritto (un archivio precedente con quel nome resta com&apos;era).</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: &quot;%2&quot; could not be queued: %3.</source>
        <translation>L&apos;archivio «%1» non è stato scritto: impossibile mettere in coda «%2»: %3.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; could not be written: %2.</source>
        <translation>Impossibile scrivere l&apos;archivio «%1»: %2.</translation>
    </message>
    <message>
        <source>The help page could not be found. Looked for:
%1
%2</source>
        <translation>Pagina di aiuto non trovata. Cercata in:
%1
%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Sostituisci</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>manca</translation>
    </message>
    <message>
        <source>does not read back (its local header is missing)</source>
        <translation>non può essere riletta (manca la sua intestazione locale)</translation>
    </message>
    <message>
        <source>does not read back (its extra fields are damaged)</source>
        <translation>non può essere riletta (i suoi campi aggiuntivi sono danneggiati)</translation>
    </message>
    <message>
        <source>does not read back (it is stored in a way Volarin Z does not write)</source>
        <translation>non può essere riletta (è memorizzata in un modo che Volarin Z non scrive)</translation>
    </message>
    <message>
        <source>does not read back (its password does not fit)</source>
        <translation>non può essere riletta (la sua password non corrisponde)</translation>
    </message>
    <message>
        <source>does not read back (its data is damaged)</source>
        <translation>non può essere riletta (i suoi dati sono danneggiati)</translation>
    </message>
    <message>
        <source>does not read back (size differs)</source>
        <translation>non può essere riletta (la dimensione non corrisponde)</translation>
    </message>
    <message>
        <source>does not read back (CRC differs)</source>
        <translation>non può essere riletta (il CRC non corrisponde)</translation>
    </message>
    <message>
        <source>could not be read back</source>
        <translation>non si è potuta rileggere</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>sizes</source>
        <translation>dimensioni</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>method</source>
        <translation>metodo</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>flag</translation>
    </message>
    <message>
        <source>date</source>
        <translation>data</translation>
    </message>
    <message>
        <source>extra fields</source>
        <translation>campi aggiuntivi</translation>
    </message>
    <message>
        <source>does not read back (its local header differs from the central directory: %1)</source>
        <translation>non può essere riletta (la sua intestazione locale non corrisponde alla directory centrale: %1)</translation>
    </message>
    <message>
        <source>it could not be read back</source>
        <translation>non è stato possibile rileggerlo</translation>
    </message>
    <message>
        <source>its end record is damaged</source>
        <translation>il suo record finale è danneggiato</translation>
    </message>
    <message>
        <source>its central directory is damaged</source>
        <translation>la sua directory centrale è danneggiata</translation>
    </message>
    <message>
        <source>it holds %1 entries where %2 were written</source>
        <translation>contiene %1 voci, ma ne sono state scritte %2</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; %2</source>
        <translation>la voce «%1» %2</translation>
    </message>
    <message>
        <source>the archive could not be proven: %1</source>
        <translation>non è stato possibile verificare l&apos;archivio: %1</translation>
    </message>
    <message>
        <source>the drive cannot hold files over 4 GB</source>
        <translation>l&apos;unità non può contenere file di oltre 4 GB</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a file&apos;s date, as in 1 July 1979</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>dated %1: readers that know only ZIP&apos;s own dates show %2</source>
        <translation>con data %1: i programmi che conoscono solo le date proprie dello ZIP mostrano %2</translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translation>un carattere di controllo (U+%1)</translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact date of %n file dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>L&apos;archivio «%1» conserva la data esatta di %n file con data al di fuori degli anni dal 1980 al 2107:</numerusform>
            <numerusform>L&apos;archivio «%1» conserva le date esatte di %n file con data al di fuori degli anni dal 1980 al 2107:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact dates of %n files dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>L&apos;archivio «%1» conserva la data esatta di %n file con data al di fuori degli anni dal 1980 al 2107:</numerusform>
            <numerusform>L&apos;archivio «%1» conserva le date esatte di %n file con data al di fuori degli anni dal 1980 al 2107:</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not allow %2 in file names, so &quot;%3&quot; cannot be written there. Please choose another name.</source>
        <translation>L&apos;unità di «%1» non consente %2 nei nomi di file, quindi «%3» non può esservi scritto. Scegliere un altro nome.</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not accept &quot;%2&quot; as a file name (%3). Please choose another name.</source>
        <translation>L&apos;unità di «%1» non accetta «%2» come nome di file (%3). Scegliere un altro nome.</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; cannot hold files over 4 GB, and the files to zip come to %2, so the archive may not fit there.

Zip them anyway? Press Cancel to choose another folder.</source>
        <translation>L&apos;unità di «%1» non può contenere file di oltre 4 GB e i file da comprimere ammontano a %2, quindi l&apos;archivio potrebbe non starci.

Comprimerli comunque? Premere Annulla per scegliere un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>No file could be read for &quot;%1&quot;, so no archive was written:</source>
        <translation>Non è stato possibile leggere alcun file per «%1», quindi non è stato scritto alcun archivio:</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written.</source>
        <translation>La compressione è stata interrotta: «%1» non è stato scritto.</translation>
    </message>
    <message>
        <source>The run was stopped too late: the archive &quot;%1&quot; was already written.</source>
        <translation>La compressione è stata interrotta troppo tardi: l&apos;archivio «%1» era già stato scritto.</translation>
    </message>
    <message>
        <source>&amp;Zip Anyway</source>
        <translation>&amp;Comprimi comunque</translation>
    </message>
</context>
<context>
    <name>XP_ProgressBar</name>
    <message>
        <source>Gathering Required Information</source>
        <translation>Raccolta delle informazioni necessarie</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The bar&apos;s percentage; %1 is the number.</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
</TS>
