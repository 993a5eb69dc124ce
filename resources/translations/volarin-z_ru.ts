<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ArchiveName</name>
    <message>
        <source>All</source>
        <extracomment>Stands for every kind of file in the proposed archive name (&quot;ALL ZIP Archive Dec 6 2026&quot;); shown upper-cased.</extracomment>
        <translation>Все</translation>
    </message>
    <message>
        <source>%1 ZIP Archive %2 %3 %4</source>
        <extracomment>The archive name proposed in the Output window, a file name: %1 the file kind upper-cased (JPG), %2 the abbreviated month, %3 the day, %4 the year; order them as a date reads in your language.</extracomment>
        <translation>ZIP-архив %1 %3 %2 %4</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not installed (looked for %1)</source>
        <extracomment>Said of the help page in --help; %1 is where it was looked for.</extracomment>
        <translation>не установлена (искали в %1)</translation>
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
        <translation>Использование: %1 [ПАРАМЕТР]... [ПАПКА]...
Упаковывает выбранные файлы в один ZIP-архив.

Открывает окно и показывает файлы выбранного типа (сначала jpg), лежащие
непосредственно в каждой ПАПКЕ, в заданном порядке, как это сделало бы
перетаскивание папок в окно. ПАПКА — это путь (относительный отсчитывается от
текущей папки) или URI file://; всё, что не является папкой, называется в
стандартном потоке ошибок.

Параметры:
  -h, --help     показать эту справку и выйти
  -v, --version  показать версию и выйти
Собственные параметры Qt (-platform, -style, -session, ...) передаются Qt.

Страница справки: %2
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Volarin Z - Please select a folder.</source>
        <extracomment>The folder picker&apos;s title.</extracomment>
        <translation>Volarin Z — выберите папку.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start</source>
        <extracomment>Caption of the button chameleonButton1 (177 x 49 pixels, beside a 36 x 36 picture). It must fit on one line: the tests measure it.</extracomment>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Вывод</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>FoundFilesModel</name>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Размер</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and Drop Folders</source>
        <translation>Перетащите сюда папки</translation>
    </message>
    <message>
        <source>Found files</source>
        <translation>Найденные файлы</translation>
    </message>
    <message>
        <source>Drop folders here to list their files</source>
        <translation>Перетащите сюда папки, чтобы увидеть их файлы</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translatorcomment>«Расширение файла» не помещается в рамку шириной 177 пикселей.</translatorcomment>
        <translation>Расширение</translation>
    </message>
    <message>
        <source>Zip progress</source>
        <translation>Ход упаковки</translation>
    </message>
    <message>
        <source>Folder last browsed</source>
        <translation>Последняя выбранная папка</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translatorcomment>«Справка в сети» не помещается в ссылку шириной 73 пикселя.</translatorcomment>
        <translation>Справка</translation>
    </message>
    <message>
        <source>All (*.*)</source>
        <extracomment>The row of the extension list that lists files of every kind.</extracomment>
        <translation>Все (*.*)</translation>
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
        <translation>Вывод</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translatorcomment>«Имя файла:» не помещается в надпись шириной 65 пикселей.</translatorcomment>
        <translation>Имя:</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Zip run failed</source>
        <extracomment>Notification title when a run in the background ended without an archive.</extracomment>
        <translation>Упаковка не удалась</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written.</source>
        <translation>«%1» не записан.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ready in %2.</source>
        <extracomment>%1 the archive&apos;s file name, %2 its folder.</extracomment>
        <translation>«%1» готов в %2.</translation>
    </message>
    <message>
        <source>Archive ready</source>
        <extracomment>Notification title when a run in the background made its archive.</extracomment>
        <translation>Архив готов</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Показать окно</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n байт</numerusform>
            <numerusform>%n байта</numerusform>
            <numerusform>%n байт</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 ГБ</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 ТБ</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>The size column of a file whose length could not be read.</extracomment>
        <translation>неизвестен</translation>
    </message>
</context>
<context>
    <name>UserMessage</name>
    <message>
        <source>the file no longer exists</source>
        <translation>файла больше нет</translation>
    </message>
    <message>
        <source>its date could not be read</source>
        <translation>не удалось прочитать его дату</translation>
    </message>
    <message>
        <source>its size could not be read</source>
        <translation>не удалось прочитать его размер</translation>
    </message>
    <message>
        <source>another archive is still being written</source>
        <translation>ещё записывается другой архив</translation>
    </message>
    <message>
        <source>it could not be created</source>
        <translation>его не удалось создать</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read</source>
        <translation>не удалось прочитать файл «%1»</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read whole (it changed or vanished during the run)</source>
        <translation>не удалось прочитать файл «%1» целиком (он изменился или исчез во время упаковки)</translation>
    </message>
    <message>
        <source>the finished archive could not take its name</source>
        <translation>готовому архиву не удалось присвоить имя</translation>
    </message>
    <message>
        <source>writing &quot;%1&quot; into it failed</source>
        <translation>не удалось записать в него «%1»</translation>
    </message>
    <message>
        <source>it could not be finished</source>
        <translation>его не удалось завершить</translation>
    </message>
    <message>
        <source>the zip engine stopped</source>
        <translation>упаковка прервалась</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>What failed, then the system&apos;s reason for it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>не файл</translation>
    </message>
    <message>
        <source>hidden file: not put into the archive</source>
        <translation>скрытый файл: не добавлен в архив</translation>
    </message>
    <message>
        <source>replaced by the file of the same name from &quot;%1&quot;</source>
        <translation>заменён одноимённым файлом из «%1»</translation>
    </message>
    <message>
        <source>not a .%1 file</source>
        <translation>не файл .%1</translation>
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
            <numerusform>... и ещё %n.</numerusform>
            <numerusform>... и ещё %n.</numerusform>
            <numerusform>... и ещё %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out of &quot;%1&quot;:</source>
        <extracomment>%1 is the archive; the files follow, one a line.</extracomment>
        <translation>
            <numerusform>%n файл не вошёл в «%1»:</numerusform>
            <numerusform>%n файла не вошли в «%1»:</numerusform>
            <numerusform>%n файлов не вошли в «%1»:</numerusform>
        </translation>
    </message>
    <message>
        <source> No File Found. Please try again.</source>
        <extracomment>Shown after Browse; the English words start with a space, as they always have.</extracomment>
        <translation>Файлы не найдены. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source> No %1 Files Found. Please try again.</source>
        <extracomment>%1 is the chosen extension, upper-cased (JPG).</extracomment>
        <translation>Файлы %1 не найдены. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>«%1» — не папка.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder: %2.</source>
        <translation>«%1» — не папка: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>Не удаётся прочитать папку «%1»: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be read:</source>
        <extracomment>The folders follow, one a line, each with the reason.</extracomment>
        <translation>
            <numerusform>Не удаётся прочитать %n папку:</numerusform>
            <numerusform>Не удаётся прочитать %n папки:</numerusform>
            <numerusform>Не удаётся прочитать %n папок:</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a name for the archive.</source>
        <translation>Введите имя архива.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a file name. Please choose another name.</source>
        <translation>«%1» нельзя использовать как имя файла. Выберите другое имя.</translation>
    </message>
    <message>
        <source>The name may not contain &quot;/&quot;. Please choose another name.</source>
        <translation>Имя не может содержать «/». Выберите другое имя.</translation>
    </message>
    <message>
        <source>The name may not contain a line break or a NUL character. Please choose another name.</source>
        <translation>Имя не может содержать перевод строки или символ NUL. Выберите другое имя.</translation>
    </message>
    <message numerus="yes">
        <source>The name is %n bytes long; at most %1 are possible (with &quot;.zip&quot; added). Please choose a shorter name.</source>
        <extracomment>%n, the name&apos;s length in bytes, is always above %1, the most a name may have.</extracomment>
        <translation>
            <numerusform>Длина имени — %n байт; возможно не более %1 (с добавленным «.zip»). Выберите имя короче.</numerusform>
            <numerusform>Длина имени — %n байта; возможно не более %1 (с добавленным «.zip»). Выберите имя короче.</numerusform>
            <numerusform>Длина имени — %n байт; возможно не более %1 (с добавленным «.zip»). Выберите имя короче.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is a folder, so the archive cannot take its name. Please choose another name.</source>
        <translation>«%1» в «%2» — папка, поэтому архиву нельзя дать это имя. Выберите другое имя.</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists in &quot;%2&quot;. Do you want to replace it?

It is replaced only when the new archive is finished. Press Cancel to choose another name.</source>
        <translation>В «%2» уже есть файл с именем «%1». Заменить его?

Он будет заменён только после того, как новый архив будет готов. Нажмите «Отмена», чтобы выбрать другое имя.</translation>
    </message>
    <message>
        <source>The staging folder &quot;%1&quot; could not be deleted (%2): %3.</source>
        <translation>Не удалось удалить промежуточную папку «%1» (%2): %3.</translation>
    </message>
    <message>
        <source>The list of unfinished archives &quot;%1&quot; could not be read or written: %2.</source>
        <translation>Не удалось прочитать или записать список незавершённых архивов «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Please press Start again when it is done.</source>
        <translation>«%1» ещё записывается. Когда запись закончится, снова нажмите «Начать».</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: the run could not be started: %2.</source>
        <translation>Архив «%1» не записан: не удалось начать упаковку: %2.</translation>
    </message>
    <message>
        <source>No file is checked, so nothing was zipped. Please check the files to put into the archive and press Start again.</source>
        <translation>Не отмечено ни одного файла, поэтому ничего не упаковано. Отметьте файлы для архива и снова нажмите «Начать».</translation>
    </message>
    <message>
        <source>None of the checked files is a .%1 file, so nothing was zipped. Please choose their extension in the list and press Start again.</source>
        <translation>Ни один из отмеченных файлов не является файлом .%1, поэтому ничего не упаковано. Выберите их расширение в списке и снова нажмите «Начать».</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written (an archive of that name from before is left as it was).</source>
        <translation>Упаковка остановлена: «%1» не записан (прежний архив с этим именем остался как был).</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: &quot;%2&quot; could not be queued: %3.</source>
        <translation>Архив «%1» не записан: не удалось поставить в очередь «%2»: %3.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; could not be written: %2.</source>
        <translation>Не удалось записать архив «%1»: %2.</translation>
    </message>
    <message>
        <source>The help page could not be found. Looked for:
%1
%2</source>
        <translation>Страница справки не найдена. Искали:
%1
%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Заменить</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>отсутствует</translation>
    </message>
    <message>
        <source>does not read back (its local header is missing)</source>
        <translation>не читается при проверке (отсутствует его локальный заголовок)</translation>
    </message>
    <message>
        <source>does not read back (its extra fields are damaged)</source>
        <translation>не читается при проверке (повреждены его дополнительные поля)</translation>
    </message>
    <message>
        <source>does not read back (it is stored in a way Volarin Z does not write)</source>
        <translation>не читается при проверке (он сохранён способом, который Volarin Z не использует)</translation>
    </message>
    <message>
        <source>does not read back (its password does not fit)</source>
        <translation>не читается при проверке (его пароль не подходит)</translation>
    </message>
    <message>
        <source>does not read back (its data is damaged)</source>
        <translation>не читается при проверке (его данные повреждены)</translation>
    </message>
    <message>
        <source>does not read back (size differs)</source>
        <translation>не читается при проверке (не совпадает размер)</translation>
    </message>
    <message>
        <source>does not read back (CRC differs)</source>
        <translation>не читается при проверке (не совпадает CRC)</translation>
    </message>
    <message>
        <source>could not be read back</source>
        <translation>не прочитался при проверке</translation>
    </message>
    <message>
        <source>name</source>
        <translation>имя</translation>
    </message>
    <message>
        <source>sizes</source>
        <translation>размеры</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>method</source>
        <translation>метод</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>флаги</translation>
    </message>
    <message>
        <source>date</source>
        <translation>дата</translation>
    </message>
    <message>
        <source>extra fields</source>
        <translation>дополнительные поля</translation>
    </message>
    <message>
        <source>does not read back (its local header differs from the central directory: %1)</source>
        <translation>не читается при проверке (его локальный заголовок расходится с центральным каталогом: %1)</translation>
    </message>
    <message>
        <source>it could not be read back</source>
        <translation>его не удалось прочитать повторно</translation>
    </message>
    <message>
        <source>its end record is damaged</source>
        <translation>повреждена его завершающая запись</translation>
    </message>
    <message>
        <source>its central directory is damaged</source>
        <translation>повреждён его центральный каталог</translation>
    </message>
    <message>
        <source>it holds %1 entries where %2 were written</source>
        <translation>элементов в нём: %1, а записано: %2</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; %2</source>
        <translation>элемент «%1» %2</translation>
    </message>
    <message>
        <source>the archive could not be proven: %1</source>
        <translation>не удалось проверить архив: %1</translation>
    </message>
    <message>
        <source>the drive cannot hold files over 4 GB</source>
        <translation>диск не поддерживает файлы больше 4 ГБ</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a file&apos;s date, as in 1 July 1979</comment>
        <translation>d MMMM yyyy &apos;г.&apos;</translation>
    </message>
    <message>
        <source>dated %1: readers that know only ZIP&apos;s own dates show %2</source>
        <translation>дата %1: программы, знающие только даты формата ZIP, показывают %2</translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translation>управляющий символ (U+%1)</translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact date of %n file dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>Архив «%1» сохраняет точную дату %n файла с датой вне промежутка с 1980 по 2107 год:</numerusform>
            <numerusform>Архив «%1» сохраняет точные даты %n файлов с датами вне промежутка с 1980 по 2107 год:</numerusform>
            <numerusform>Архив «%1» сохраняет точные даты %n файлов с датами вне промежутка с 1980 по 2107 год:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact dates of %n files dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>Архив «%1» сохраняет точную дату %n файла с датой вне промежутка с 1980 по 2107 год:</numerusform>
            <numerusform>Архив «%1» сохраняет точные даты %n файлов с датами вне промежутка с 1980 по 2107 год:</numerusform>
            <numerusform>Архив «%1» сохраняет точные даты %n файлов с датами вне промежутка с 1980 по 2107 год:</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not allow %2 in file names, so &quot;%3&quot; cannot be written there. Please choose another name.</source>
        <translation>Диск, на котором находится «%1», не допускает %2 в именах файлов, поэтому «%3» нельзя там записать. Выберите другое имя.</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not accept &quot;%2&quot; as a file name (%3). Please choose another name.</source>
        <translation>Диск, на котором находится «%1», не принимает «%2» как имя файла (%3). Выберите другое имя.</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; cannot hold files over 4 GB, and the files to zip come to %2, so the archive may not fit there.

Zip them anyway? Press Cancel to choose another folder.</source>
        <translation>Диск, на котором находится «%1», не поддерживает файлы больше 4 ГБ, а файлы для упаковки занимают %2, поэтому архив может там не поместиться.

Всё равно упаковать? Нажмите «Отмена», чтобы выбрать другую папку.</translation>
    </message>
    <message>
        <source>No file could be read for &quot;%1&quot;, so no archive was written:</source>
        <translation>Не удалось прочитать ни одного файла для «%1», поэтому архив не записан:</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written.</source>
        <translation>Упаковка остановлена: «%1» не записан.</translation>
    </message>
    <message>
        <source>The run was stopped too late: the archive &quot;%1&quot; was already written.</source>
        <translation>Упаковка остановлена слишком поздно: архив «%1» уже записан.</translation>
    </message>
    <message>
        <source>&amp;Zip Anyway</source>
        <translation>&amp;Всё равно упаковать</translation>
    </message>
</context>
<context>
    <name>XP_ProgressBar</name>
    <message>
        <source>Gathering Required Information</source>
        <translation>Сбор необходимых сведений</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The bar&apos;s percentage; %1 is the number.</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
</TS>
