<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ArchiveName</name>
    <message>
        <source>All</source>
        <extracomment>Stands for every kind of file in the proposed archive name (&quot;ALL ZIP Archive Dec 6 2026&quot;); shown upper-cased.</extracomment>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>%1 ZIP Archive %2 %3 %4</source>
        <extracomment>The archive name proposed in the Output window, a file name: %1 the file kind upper-cased (JPG), %2 the abbreviated month, %3 the day, %4 the year; order them as a date reads in your language.</extracomment>
        <translation>Archiwum ZIP %1 %3 %2 %4</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not installed (looked for %1)</source>
        <extracomment>Said of the help page in --help; %1 is where it was looked for.</extracomment>
        <translation>niezainstalowana (szukano w %1)</translation>
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
        <translation>Użycie: %1 [OPCJA]... [FOLDER]...
Pakuje wybrane pliki do jednego archiwum ZIP.

Otwiera okno i wyświetla pliki wybranego rodzaju (na początku jpg) leżące
bezpośrednio w każdym FOLDERZE, w podanej kolejności, tak jak zrobiłoby to
upuszczenie folderów na okno. FOLDER to ścieżka (względna liczy się od
bieżącego folderu) lub URI file://; każdy, który nie jest folderem, jest
wymieniany na standardowym wyjściu błędów.

Opcje:
  -h, --help     wyświetla tę pomoc i kończy działanie
  -v, --version  wyświetla wersję i kończy działanie
Własne opcje Qt (-platform, -style, -session, ...) są przekazywane do Qt.

Strona pomocy: %2
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Volarin Z - Please select a folder.</source>
        <extracomment>The folder picker&apos;s title.</extracomment>
        <translation>Volarin Z - Wybierz folder.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start</source>
        <extracomment>Caption of the button chameleonButton1 (177 x 49 pixels, beside a 36 x 36 picture). It must fit on one line: the tests measure it.</extracomment>
        <translation>Rozpocznij</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translatorcomment>„Przeglądaj...” (78 px) ani „Wybierz...” (61 px) nie mieszczą się obok obrazka przycisku o szerokości 81 pikseli (miejsce: 58 px); „Wskaż...” (52 px).</translatorcomment>
        <translation>Wskaż...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Rozmiar</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and Drop Folders</source>
        <translation>Przeciągnij i upuść foldery</translation>
    </message>
    <message>
        <source>Found files</source>
        <translation>Znalezione pliki</translation>
    </message>
    <message>
        <source>Drop folders here to list their files</source>
        <translation>Upuść tu foldery, aby wyświetlić ich pliki</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translatorcomment>„Rozszerzenie pliku” nie mieści się w ramce o szerokości 177 pikseli.</translatorcomment>
        <translation>Rozszerzenie</translation>
    </message>
    <message>
        <source>Zip progress</source>
        <translation>Postęp pakowania</translation>
    </message>
    <message>
        <source>Folder last browsed</source>
        <translation>Ostatnio wybrany folder</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translatorcomment>„Pomoc online” nie mieści się w odnośniku o szerokości 73 pikseli.</translatorcomment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>All (*.*)</source>
        <extracomment>The row of the extension list that lists files of every kind.</extracomment>
        <translation>Wszystkie (*.*)</translation>
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
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translatorcomment>„Nazwa pliku:” nie mieści się w etykiecie o szerokości 65 pikseli.</translatorcomment>
        <translation>Nazwa:</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Zip run failed</source>
        <extracomment>Notification title when a run in the background ended without an archive.</extracomment>
        <translation>Pakowanie nie powiodło się</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written.</source>
        <translation>Nie zapisano „%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ready in %2.</source>
        <extracomment>%1 the archive&apos;s file name, %2 its folder.</extracomment>
        <translation>„%1” jest gotowe w %2.</translation>
    </message>
    <message>
        <source>Archive ready</source>
        <extracomment>Notification title when a run in the background made its archive.</extracomment>
        <translation>Archiwum gotowe</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Pokaż w folderze</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Pokaż okno</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n bajt</numerusform>
            <numerusform>%n bajty</numerusform>
            <numerusform>%n bajtów</numerusform>
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
        <translation>nieznany</translation>
    </message>
</context>
<context>
    <name>UserMessage</name>
    <message>
        <source>the file no longer exists</source>
        <translation>plik już nie istnieje</translation>
    </message>
    <message>
        <source>its date could not be read</source>
        <translation>nie udało się odczytać jego daty</translation>
    </message>
    <message>
        <source>its size could not be read</source>
        <translation>nie udało się odczytać jego rozmiaru</translation>
    </message>
    <message>
        <source>another archive is still being written</source>
        <translation>inne archiwum jest jeszcze zapisywane</translation>
    </message>
    <message>
        <source>it could not be created</source>
        <translation>nie udało się go utworzyć</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read</source>
        <translation>nie udało się odczytać pliku „%1”</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read whole (it changed or vanished during the run)</source>
        <translation>nie udało się odczytać całego pliku „%1” (zmienił się lub zniknął w trakcie pakowania)</translation>
    </message>
    <message>
        <source>the finished archive could not take its name</source>
        <translation>gotowe archiwum nie mogło otrzymać swojej nazwy</translation>
    </message>
    <message>
        <source>writing &quot;%1&quot; into it failed</source>
        <translation>nie udało się zapisać w nim „%1”</translation>
    </message>
    <message>
        <source>it could not be finished</source>
        <translation>nie udało się go dokończyć</translation>
    </message>
    <message>
        <source>the zip engine stopped</source>
        <translation>pakowanie zostało przerwane</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>What failed, then the system&apos;s reason for it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>to nie jest plik</translation>
    </message>
    <message>
        <source>hidden file: not put into the archive</source>
        <translation>plik ukryty: nie dodano go do archiwum</translation>
    </message>
    <message>
        <source>replaced by the file of the same name from &quot;%1&quot;</source>
        <translation>zastąpiony plikiem o tej samej nazwie z „%1”</translation>
    </message>
    <message>
        <source>not a .%1 file</source>
        <translation>to nie jest plik .%1</translation>
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
            <numerusform>... i jeszcze %n.</numerusform>
            <numerusform>... i jeszcze %n.</numerusform>
            <numerusform>... i jeszcze %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out of &quot;%1&quot;:</source>
        <extracomment>%1 is the archive; the files follow, one a line.</extracomment>
        <translation>
            <numerusform>%n plik pominięto w „%1”:</numerusform>
            <numerusform>%n pliki pominięto w „%1”:</numerusform>
            <numerusform>%n plików pominięto w „%1”:</numerusform>
        </translation>
    </message>
    <message>
        <source> No File Found. Please try again.</source>
        <extracomment>Shown after Browse; the English words start with a space, as they always have.</extracomment>
        <translation>Nie znaleziono żadnego pliku. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source> No %1 Files Found. Please try again.</source>
        <extracomment>%1 is the chosen extension, upper-cased (JPG).</extracomment>
        <translation>Nie znaleziono plików %1. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>„%1” nie jest folderem.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder: %2.</source>
        <translation>„%1” nie jest folderem: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>Nie można odczytać folderu „%1”: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be read:</source>
        <extracomment>The folders follow, one a line, each with the reason.</extracomment>
        <translation>
            <numerusform>Nie można odczytać %n folderu:</numerusform>
            <numerusform>Nie można odczytać %n folderów:</numerusform>
            <numerusform>Nie można odczytać %n folderów:</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a name for the archive.</source>
        <translation>Wpisz nazwę archiwum.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a file name. Please choose another name.</source>
        <translation>„%1” nie może być nazwą pliku. Wybierz inną nazwę.</translation>
    </message>
    <message>
        <source>The name may not contain &quot;/&quot;. Please choose another name.</source>
        <translation>Nazwa nie może zawierać „/”. Wybierz inną nazwę.</translation>
    </message>
    <message>
        <source>The name may not contain a line break or a NUL character. Please choose another name.</source>
        <translation>Nazwa nie może zawierać podziału wiersza ani znaku NUL. Wybierz inną nazwę.</translation>
    </message>
    <message numerus="yes">
        <source>The name is %n bytes long; at most %1 are possible (with &quot;.zip&quot; added). Please choose a shorter name.</source>
        <extracomment>%n, the name&apos;s length in bytes, is always above %1, the most a name may have.</extracomment>
        <translation>
            <numerusform>Nazwa ma %n bajt; możliwe jest najwyżej %1 (z dodanym „.zip”). Wybierz krótszą nazwę.</numerusform>
            <numerusform>Nazwa ma %n bajty; możliwe jest najwyżej %1 (z dodanym „.zip”). Wybierz krótszą nazwę.</numerusform>
            <numerusform>Nazwa ma %n bajtów; możliwe jest najwyżej %1 (z dodanym „.zip”). Wybierz krótszą nazwę.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is a folder, so the archive cannot take its name. Please choose another name.</source>
        <translation>„%1” w „%2” jest folderem, więc archiwum nie może otrzymać tej nazwy. Wybierz inną nazwę.</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists in &quot;%2&quot;. Do you want to replace it?

It is replaced only when the new archive is finished. Press Cancel to choose another name.</source>
        <translation>W „%2” istnieje już plik o nazwie „%1”. Czy chcesz go zastąpić?

Zostanie zastąpiony dopiero wtedy, gdy nowe archiwum będzie gotowe. Naciśnij Anuluj, aby wybrać inną nazwę.</translation>
    </message>
    <message>
        <source>The staging folder &quot;%1&quot; could not be deleted (%2): %3.</source>
        <translation>Nie udało się usunąć folderu roboczego „%1” (%2): %3.</translation>
    </message>
    <message>
        <source>The list of unfinished archives &quot;%1&quot; could not be read or written: %2.</source>
        <translation>Nie udało się odczytać ani zapisać listy niedokończonych archiwów „%1”: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Please press Start again when it is done.</source>
        <translation>„%1” jest jeszcze zapisywane. Gdy skończy, naciśnij ponownie Rozpocznij.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: the run could not be started: %2.</source>
        <translation>Nie zapisano archiwum „%1”: nie udało się rozpocząć pakowania: %2.</translation>
    </message>
    <message>
        <source>No file is checked, so nothing was zipped. Please check the files to put into the archive and press Start again.</source>
        <translation>Żaden plik nie jest zaznaczony, więc nic nie spakowano. Zaznacz pliki do archiwum i naciśnij ponownie Rozpocznij.</translation>
    </message>
    <message>
        <source>None of the checked files is a .%1 file, so nothing was zipped. Please choose their extension in the list and press Start again.</source>
        <translation>Żaden z zaznaczonych plików nie jest plikiem .%1, więc nic nie spakowano. Wybierz ich rozszerzenie na liście i naciśnij ponownie Rozpocznij.</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written (an archive of that name from before is left as it was).</source>
        <translation>Pakowanie zatrzymano: nie zapisano „%1” (wcześniejsze archiwum o tej nazwie pozostaje bez zmian).</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: &quot;%2&quot; could not be queued: %3.</source>
        <translation>Nie zapisano archiwum „%1”: nie udało się dodać do kolejki „%2”: %3.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; could not be written: %2.</source>
        <translation>Nie udało się zapisać archiwum „%1”: %2.</translation>
    </message>
    <message>
        <source>The help page could not be found. Looked for:
%1
%2</source>
        <translation>Nie znaleziono strony pomocy. Szukano w:
%1
%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Zastąp</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>nie został odnaleziony</translation>
    </message>
    <message>
        <source>does not read back (its local header is missing)</source>
        <translation>nie daje się ponownie odczytać (brakuje jego nagłówka lokalnego)</translation>
    </message>
    <message>
        <source>does not read back (its extra fields are damaged)</source>
        <translation>nie daje się ponownie odczytać (jego pola dodatkowe są uszkodzone)</translation>
    </message>
    <message>
        <source>does not read back (it is stored in a way Volarin Z does not write)</source>
        <translation>nie daje się ponownie odczytać (jest zapisany w sposób, którego Volarin Z nie stosuje)</translation>
    </message>
    <message>
        <source>does not read back (its password does not fit)</source>
        <translation>nie daje się ponownie odczytać (jego hasło nie pasuje)</translation>
    </message>
    <message>
        <source>does not read back (its data is damaged)</source>
        <translation>nie daje się ponownie odczytać (jego dane są uszkodzone)</translation>
    </message>
    <message>
        <source>does not read back (size differs)</source>
        <translation>nie daje się ponownie odczytać (rozmiar się nie zgadza)</translation>
    </message>
    <message>
        <source>does not read back (CRC differs)</source>
        <translation>nie daje się ponownie odczytać (CRC się nie zgadza)</translation>
    </message>
    <message>
        <source>could not be read back</source>
        <translation>nie dał się ponownie odczytać</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nazwa</translation>
    </message>
    <message>
        <source>sizes</source>
        <translation>rozmiary</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>method</source>
        <translation>metoda</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>flagi</translation>
    </message>
    <message>
        <source>date</source>
        <translation>data</translation>
    </message>
    <message>
        <source>extra fields</source>
        <translation>pola dodatkowe</translation>
    </message>
    <message>
        <source>does not read back (its local header differs from the central directory: %1)</source>
        <translation>nie daje się ponownie odczytać (jego nagłówek lokalny różni się od katalogu centralnego: %1)</translation>
    </message>
    <message>
        <source>it could not be read back</source>
        <translation>nie udało się go ponownie odczytać</translation>
    </message>
    <message>
        <source>its end record is damaged</source>
        <translation>jego rekord końcowy jest uszkodzony</translation>
    </message>
    <message>
        <source>its central directory is damaged</source>
        <translation>jego katalog centralny jest uszkodzony</translation>
    </message>
    <message>
        <source>it holds %1 entries where %2 were written</source>
        <translation>liczba wpisów w nim: %1, a zapisano: %2</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; %2</source>
        <translation>wpis „%1” %2</translation>
    </message>
    <message>
        <source>the archive could not be proven: %1</source>
        <translation>nie udało się zweryfikować archiwum: %1</translation>
    </message>
    <message>
        <source>the drive cannot hold files over 4 GB</source>
        <translation>dysk nie obsługuje plików większych niż 4 GB</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a file&apos;s date, as in 1 July 1979</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>dated %1: readers that know only ZIP&apos;s own dates show %2</source>
        <translation>z datą %1: programy znające tylko daty w formacie ZIP pokazują %2</translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translatorcomment>W dopełniaczu: stoi po „nie dopuszcza” w komunikacie o znakach, których dysk nie przyjmuje w nazwach plików.</translatorcomment>
        <translation>znaku sterującego (U+%1)</translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact date of %n file dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>Archiwum „%1” zachowuje dokładną datę %n pliku z datą spoza lat od 1980 do 2107:</numerusform>
            <numerusform>Archiwum „%1” zachowuje dokładne daty %n plików z datami spoza lat od 1980 do 2107:</numerusform>
            <numerusform>Archiwum „%1” zachowuje dokładne daty %n plików z datami spoza lat od 1980 do 2107:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact dates of %n files dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>Archiwum „%1” zachowuje dokładną datę %n pliku z datą spoza lat od 1980 do 2107:</numerusform>
            <numerusform>Archiwum „%1” zachowuje dokładne daty %n plików z datami spoza lat od 1980 do 2107:</numerusform>
            <numerusform>Archiwum „%1” zachowuje dokładne daty %n plików z datami spoza lat od 1980 do 2107:</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not allow %2 in file names, so &quot;%3&quot; cannot be written there. Please choose another name.</source>
        <translation>Dysk, na którym jest „%1”, nie dopuszcza %2 w nazwach plików, więc nie można tam zapisać „%3”. Wybierz inną nazwę.</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not accept &quot;%2&quot; as a file name (%3). Please choose another name.</source>
        <translation>Dysk, na którym jest „%1”, nie przyjmuje nazwy pliku „%2” (%3). Wybierz inną nazwę.</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; cannot hold files over 4 GB, and the files to zip come to %2, so the archive may not fit there.

Zip them anyway? Press Cancel to choose another folder.</source>
        <translation>Dysk, na którym jest „%1”, nie obsługuje plików większych niż 4 GB, a pliki do spakowania zajmują razem %2, więc archiwum może się tam nie zmieścić.

Spakować je mimo to? Naciśnij Anuluj, aby wybrać inny folder.</translation>
    </message>
    <message>
        <source>No file could be read for &quot;%1&quot;, so no archive was written:</source>
        <translation>Nie udało się odczytać żadnego pliku dla „%1”, więc nie zapisano archiwum:</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written.</source>
        <translation>Pakowanie zatrzymano: nie zapisano „%1”.</translation>
    </message>
    <message>
        <source>The run was stopped too late: the archive &quot;%1&quot; was already written.</source>
        <translation>Pakowanie zatrzymano za późno: archiwum „%1” było już zapisane.</translation>
    </message>
    <message>
        <source>&amp;Zip Anyway</source>
        <translation>&amp;Spakuj mimo to</translation>
    </message>
</context>
<context>
    <name>XP_ProgressBar</name>
    <message>
        <source>Gathering Required Information</source>
        <translation>Zbieranie potrzebnych informacji</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The bar&apos;s percentage; %1 is the number.</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
</TS>
