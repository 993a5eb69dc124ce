<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ArchiveName</name>
    <message>
        <source>All</source>
        <extracomment>Stands for every kind of file in the proposed archive name (&quot;ALL ZIP Archive Dec 6 2026&quot;); shown upper-cased.</extracomment>
        <translation>Todo</translation>
    </message>
    <message>
        <source>%1 ZIP Archive %2 %3 %4</source>
        <extracomment>The archive name proposed in the Output window, a file name: %1 the file kind upper-cased (JPG), %2 the abbreviated month, %3 the day, %4 the year; order them as a date reads in your language.</extracomment>
        <translation>Archivo ZIP %1 %3 %2 %4</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not installed (looked for %1)</source>
        <extracomment>Said of the help page in --help; %1 is where it was looked for.</extracomment>
        <translation>no instalada (buscada en %1)</translation>
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
        <translation>Uso: %1 [OPCIÓN]... [CARPETA]...
Comprime los archivos elegidos en un único archivo ZIP.

Abre la ventana y muestra los archivos del tipo elegido (al principio, jpg) que
están directamente en cada CARPETA, en el orden dado, como lo haría soltar las
carpetas sobre la ventana. Una CARPETA es una ruta (una relativa parte de la
carpeta actual) o un URI file://; cada una que no sea una carpeta se indica en
la salida de error estándar.

Opciones:
  -h, --help     muestra esta ayuda y sale
  -v, --version  muestra la versión y sale
Las opciones propias de Qt (-platform, -style, -session, ...) se pasan a Qt.

Página de ayuda: %2
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Volarin Z - Please select a folder.</source>
        <extracomment>The folder picker&apos;s title.</extracomment>
        <translation>Volarin Z - Seleccione una carpeta.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start</source>
        <extracomment>Caption of the button chameleonButton1 (177 x 49 pixels, beside a 36 x 36 picture). It must fit on one line: the tests measure it.</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translatorcomment>«Examinar...» (71 px) no cabe junto a la imagen del botón de 81 píxeles (espacio: 58 px); «Elegir...» (46 px).</translatorcomment>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpiar</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>FoundFilesModel</name>
    <message>
        <source>File Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamaño</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and Drop Folders</source>
        <translation>Arrastre y suelte carpetas</translation>
    </message>
    <message>
        <source>Found files</source>
        <translation>Archivos encontrados</translation>
    </message>
    <message>
        <source>Drop folders here to list their files</source>
        <translation>Suelte aquí carpetas para ver sus archivos</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translatorcomment>«Extensión de archivo» no cabe en el marco de 177 píxeles.</translatorcomment>
        <translation>Extensión</translation>
    </message>
    <message>
        <source>Zip progress</source>
        <translation>Progreso de la compresión</translation>
    </message>
    <message>
        <source>Folder last browsed</source>
        <translation>Última carpeta elegida</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translatorcomment>«Ayuda en línea» no cabe en el enlace de 73 píxeles.</translatorcomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>All (*.*)</source>
        <extracomment>The row of the extension list that lists files of every kind.</extracomment>
        <translation>Todos (*.*)</translation>
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
        <translation>Salida</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translatorcomment>«Nombre de archivo:» no cabe en la etiqueta de 65 píxeles.</translatorcomment>
        <translation>Nombre:</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Zip run failed</source>
        <extracomment>Notification title when a run in the background ended without an archive.</extracomment>
        <translation>Falló la compresión</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written.</source>
        <translation>No se escribió «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ready in %2.</source>
        <extracomment>%1 the archive&apos;s file name, %2 its folder.</extracomment>
        <translation>«%1» está listo en %2.</translation>
    </message>
    <message>
        <source>Archive ready</source>
        <extracomment>Notification title when a run in the background made its archive.</extracomment>
        <translation>Archivo listo</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Mostrar la ventana</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
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
        <translation>desconocido</translation>
    </message>
</context>
<context>
    <name>UserMessage</name>
    <message>
        <source>the file no longer exists</source>
        <translation>el archivo ya no existe</translation>
    </message>
    <message>
        <source>its date could not be read</source>
        <translation>no se pudo leer su fecha</translation>
    </message>
    <message>
        <source>its size could not be read</source>
        <translation>no se pudo leer su tamaño</translation>
    </message>
    <message>
        <source>another archive is still being written</source>
        <translation>todavía se está escribiendo otro archivo comprimido</translation>
    </message>
    <message>
        <source>it could not be created</source>
        <translation>no se pudo crear</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read</source>
        <translation>no se pudo leer el archivo «%1»</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read whole (it changed or vanished during the run)</source>
        <translation>no se pudo leer entero el archivo «%1» (cambió o desapareció durante la compresión)</translation>
    </message>
    <message>
        <source>the finished archive could not take its name</source>
        <translation>el archivo terminado no pudo recibir su nombre</translation>
    </message>
    <message>
        <source>writing &quot;%1&quot; into it failed</source>
        <translation>falló la escritura de «%1» en él</translation>
    </message>
    <message>
        <source>it could not be finished</source>
        <translation>no se pudo terminar</translation>
    </message>
    <message>
        <source>the zip engine stopped</source>
        <translation>la compresión se detuvo</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>What failed, then the system&apos;s reason for it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>hidden file: not put into the archive</source>
        <translation>archivo oculto: no se añadió al archivo comprimido</translation>
    </message>
    <message>
        <source>replaced by the file of the same name from &quot;%1&quot;</source>
        <translation>sustituido por el archivo del mismo nombre de «%1»</translation>
    </message>
    <message>
        <source>not a .%1 file</source>
        <translation>no es un archivo .%1</translation>
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
            <numerusform>... y %n más.</numerusform>
            <numerusform>... y %n más.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out of &quot;%1&quot;:</source>
        <extracomment>%1 is the archive; the files follow, one a line.</extracomment>
        <translation>
            <numerusform>%n archivo quedó fuera de «%1»:</numerusform>
            <numerusform>%n archivos quedaron fuera de «%1»:</numerusform>
        </translation>
    </message>
    <message>
        <source> No File Found. Please try again.</source>
        <extracomment>Shown after Browse; the English words start with a space, as they always have.</extracomment>
        <translation>No se encontró ningún archivo. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source> No %1 Files Found. Please try again.</source>
        <extracomment>%1 is the chosen extension, upper-cased (JPG).</extracomment>
        <translation>No se encontraron archivos %1. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>«%1» no es una carpeta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder: %2.</source>
        <translation>«%1» no es una carpeta: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>No se puede leer la carpeta «%1»: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be read:</source>
        <extracomment>The folders follow, one a line, each with the reason.</extracomment>
        <translation>
            <numerusform>No se puede leer %n carpeta:</numerusform>
            <numerusform>No se pueden leer %n carpetas:</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a name for the archive.</source>
        <translation>Escriba un nombre para el archivo comprimido.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a file name. Please choose another name.</source>
        <translation>«%1» no puede usarse como nombre de archivo. Elija otro nombre.</translation>
    </message>
    <message>
        <source>The name may not contain &quot;/&quot;. Please choose another name.</source>
        <translation>El nombre no puede contener «/». Elija otro nombre.</translation>
    </message>
    <message>
        <source>The name may not contain a line break or a NUL character. Please choose another name.</source>
        <translation>El nombre no puede contener saltos de línea ni caracteres NUL. Elija otro nombre.</translation>
    </message>
    <message numerus="yes">
        <source>The name is %n bytes long; at most %1 are possible (with &quot;.zip&quot; added). Please choose a shorter name.</source>
        <extracomment>%n, the name&apos;s length in bytes, is always above %1, the most a name may have.</extracomment>
        <translation>
            <numerusform>El nombre ocupa %n byte; se admiten como máximo %1 (con «.zip» añadido). Elija un nombre más corto.</numerusform>
            <numerusform>El nombre ocupa %n bytes; se admiten como máximo %1 (con «.zip» añadido). Elija un nombre más corto.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is a folder, so the archive cannot take its name. Please choose another name.</source>
        <translation>«%1» en «%2» es una carpeta, así que el archivo comprimido no puede llevar ese nombre. Elija otro nombre.</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists in &quot;%2&quot;. Do you want to replace it?

It is replaced only when the new archive is finished. Press Cancel to choose another name.</source>
        <translation>Ya existe un archivo llamado «%1» en «%2». ¿Quiere sustituirlo?

Solo se sustituye cuando el nuevo archivo comprimido esté terminado. Pulse Cancelar para elegir otro nombre.</translation>
    </message>
    <message>
        <source>The staging folder &quot;%1&quot; could not be deleted (%2): %3.</source>
        <translation>No se pudo eliminar la carpeta de preparación «%1» (%2): %3.</translation>
    </message>
    <message>
        <source>The list of unfinished archives &quot;%1&quot; could not be read or written: %2.</source>
        <translation>No se pudo leer ni escribir la lista de archivos comprimidos sin terminar «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Please press Start again when it is done.</source>
        <translation>Todavía se está escribiendo «%1». Pulse Iniciar de nuevo cuando termine.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: the run could not be started: %2.</source>
        <translation>No se escribió el archivo «%1»: no se pudo iniciar la compresión: %2.</translation>
    </message>
    <message>
        <source>No file is checked, so nothing was zipped. Please check the files to put into the archive and press Start again.</source>
        <translation>No hay ningún archivo marcado, así que no se comprimió nada. Marque los archivos que quiere incluir y pulse Iniciar de nuevo.</translation>
    </message>
    <message>
        <source>None of the checked files is a .%1 file, so nothing was zipped. Please choose their extension in the list and press Start again.</source>
        <translation>Ninguno de los archivos marcados es un archivo .%1, así que no se comprimió nada. Elija su extensión en la lista y pulse Iniciar de nuevo.</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written (an archive of that name from before is left as it was).</source>
        <translation>Se detuvo la compresión: no se escribió «%1» (un archivo anterior con ese nombre queda como estaba).</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: &quot;%2&quot; could not be queued: %3.</source>
        <translation>No se escribió el archivo «%1»: no se pudo poner en cola «%2»: %3.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; could not be written: %2.</source>
        <translation>No se pudo escribir el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>The help page could not be found. Looked for:
%1
%2</source>
        <translation>No se encontró la página de ayuda. Se buscó en:
%1
%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Sustituir</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>no aparece</translation>
    </message>
    <message>
        <source>does not read back (its local header is missing)</source>
        <translation>no se puede volver a leer (falta su encabezado local)</translation>
    </message>
    <message>
        <source>does not read back (its extra fields are damaged)</source>
        <translation>no se puede volver a leer (sus campos adicionales están dañados)</translation>
    </message>
    <message>
        <source>does not read back (it is stored in a way Volarin Z does not write)</source>
        <translation>no se puede volver a leer (está almacenada de una forma que Volarin Z no escribe)</translation>
    </message>
    <message>
        <source>does not read back (its password does not fit)</source>
        <translation>no se puede volver a leer (su contraseña no coincide)</translation>
    </message>
    <message>
        <source>does not read back (its data is damaged)</source>
        <translation>no se puede volver a leer (sus datos están dañados)</translation>
    </message>
    <message>
        <source>does not read back (size differs)</source>
        <translation>no se puede volver a leer (el tamaño no coincide)</translation>
    </message>
    <message>
        <source>does not read back (CRC differs)</source>
        <translation>no se puede volver a leer (el CRC no coincide)</translation>
    </message>
    <message>
        <source>could not be read back</source>
        <translation>no se pudo volver a leer</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>sizes</source>
        <translation>tamaños</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>method</source>
        <translation>método</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>indicadores</translation>
    </message>
    <message>
        <source>date</source>
        <translation>fecha</translation>
    </message>
    <message>
        <source>extra fields</source>
        <translation>campos adicionales</translation>
    </message>
    <message>
        <source>does not read back (its local header differs from the central directory: %1)</source>
        <translation>no se puede volver a leer (su encabezado local no coincide con el directorio central: %1)</translation>
    </message>
    <message>
        <source>it could not be read back</source>
        <translation>no se pudo volver a leer</translation>
    </message>
    <message>
        <source>its end record is damaged</source>
        <translation>su registro final está dañado</translation>
    </message>
    <message>
        <source>its central directory is damaged</source>
        <translation>su directorio central está dañado</translation>
    </message>
    <message>
        <source>it holds %1 entries where %2 were written</source>
        <translation>contiene %1 entradas, pero se escribieron %2</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; %2</source>
        <translation>la entrada «%1» %2</translation>
    </message>
    <message>
        <source>the archive could not be proven: %1</source>
        <translation>no se pudo verificar el archivo comprimido: %1</translation>
    </message>
    <message>
        <source>the drive cannot hold files over 4 GB</source>
        <translation>la unidad no admite archivos de más de 4 GB</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a file&apos;s date, as in 1 July 1979</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>dated %1: readers that know only ZIP&apos;s own dates show %2</source>
        <translation>con fecha del %1: los programas que solo conocen las fechas propias de ZIP muestran el %2</translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translation>un carácter de control (U+%1)</translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact date of %n file dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>El archivo comprimido «%1» conserva la fecha exacta de %n archivo fechado fuera de los años 1980 a 2107:</numerusform>
            <numerusform>El archivo comprimido «%1» conserva las fechas exactas de %n archivos fechados fuera de los años 1980 a 2107:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact dates of %n files dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>El archivo comprimido «%1» conserva la fecha exacta de %n archivo fechado fuera de los años 1980 a 2107:</numerusform>
            <numerusform>El archivo comprimido «%1» conserva las fechas exactas de %n archivos fechados fuera de los años 1980 a 2107:</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not allow %2 in file names, so &quot;%3&quot; cannot be written there. Please choose another name.</source>
        <translation>La unidad de «%1» no admite %2 en los nombres de archivo, así que no se puede escribir «%3» en ella. Elija otro nombre.</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not accept &quot;%2&quot; as a file name (%3). Please choose another name.</source>
        <translation>La unidad de «%1» no acepta «%2» como nombre de archivo (%3). Elija otro nombre.</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; cannot hold files over 4 GB, and the files to zip come to %2, so the archive may not fit there.

Zip them anyway? Press Cancel to choose another folder.</source>
        <translation>La unidad de «%1» no admite archivos de más de 4 GB y los archivos que se van a comprimir suman %2, así que es posible que el archivo comprimido no quepa en ella.

¿Comprimirlos de todos modos? Pulse Cancelar para elegir otra carpeta.</translation>
    </message>
    <message>
        <source>No file could be read for &quot;%1&quot;, so no archive was written:</source>
        <translation>No se pudo leer ningún archivo para «%1», así que no se escribió ningún archivo comprimido:</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written.</source>
        <translation>Se detuvo la compresión: no se escribió «%1».</translation>
    </message>
    <message>
        <source>The run was stopped too late: the archive &quot;%1&quot; was already written.</source>
        <translation>Se detuvo la compresión demasiado tarde: el archivo comprimido «%1» ya se había escrito.</translation>
    </message>
    <message>
        <source>&amp;Zip Anyway</source>
        <translation>&amp;Comprimir de todos modos</translation>
    </message>
</context>
<context>
    <name>XP_ProgressBar</name>
    <message>
        <source>Gathering Required Information</source>
        <translation>Reuniendo la información necesaria</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The bar&apos;s percentage; %1 is the number.</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
</TS>
