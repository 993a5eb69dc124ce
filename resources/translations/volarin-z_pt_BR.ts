<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ArchiveName</name>
    <message>
        <source>All</source>
        <extracomment>Stands for every kind of file in the proposed archive name (&quot;ALL ZIP Archive Dec 6 2026&quot;); shown upper-cased.</extracomment>
        <translation>Todos</translation>
    </message>
    <message>
        <source>%1 ZIP Archive %2 %3 %4</source>
        <extracomment>The archive name proposed in the Output window, a file name: %1 the file kind upper-cased (JPG), %2 the abbreviated month, %3 the day, %4 the year; order them as a date reads in your language.</extracomment>
        <translation>Arquivo ZIP %1 %3 %2 %4</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not installed (looked for %1)</source>
        <extracomment>Said of the help page in --help; %1 is where it was looked for.</extracomment>
        <translation>não instalada (procurada em %1)</translation>
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
        <translation>Uso: %1 [OPÇÃO]... [PASTA]...
Compacta os arquivos escolhidos em um único arquivo ZIP.

Abre a janela e lista os arquivos do tipo escolhido (de início, jpg) que estão
diretamente em cada PASTA, na ordem dada, como faria soltar as pastas sobre a
janela. Uma PASTA é um caminho (um relativo parte da pasta atual) ou uma URI
file://; cada uma que não seja uma pasta é informada na saída de erro padrão.

Opções:
  -h, --help     mostra esta ajuda e sai
  -v, --version  mostra a versão e sai
As opções próprias do Qt (-platform, -style, -session, ...) são passadas ao Qt.

Página de ajuda: %2
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida “%1”</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Volarin Z - Please select a folder.</source>
        <extracomment>The folder picker&apos;s title.</extracomment>
        <translation>Volarin Z - Selecione uma pasta.</translation>
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
        <translation>Saída</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translatorcomment>“Procurar...” (65 px) não cabe ao lado da imagem do botão de 81 pixels (espaço: 58 px); “Buscar...” (55 px).</translatorcomment>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
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
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FoundFilesModel</name>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamanho</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and Drop Folders</source>
        <translation>Arraste e solte pastas</translation>
    </message>
    <message>
        <source>Found files</source>
        <translation>Arquivos encontrados</translation>
    </message>
    <message>
        <source>Drop folders here to list their files</source>
        <translation>Solte pastas aqui para listar seus arquivos</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translation>Extensão</translation>
    </message>
    <message>
        <source>Zip progress</source>
        <translation>Progresso da compactação</translation>
    </message>
    <message>
        <source>Folder last browsed</source>
        <translation>Última pasta escolhida</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Ajuda on-line</translation>
    </message>
    <message>
        <source>All (*.*)</source>
        <extracomment>The row of the extension list that lists files of every kind.</extracomment>
        <translation>Todos (*.*)</translation>
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
        <translation>Saída</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translatorcomment>“Nome do arquivo:” não cabe no rótulo de 65 pixels.</translatorcomment>
        <translation>Nome:</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Zip run failed</source>
        <extracomment>Notification title when a run in the background ended without an archive.</extracomment>
        <translation>Falha na compactação</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written.</source>
        <translation>“%1” não foi gravado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ready in %2.</source>
        <extracomment>%1 the archive&apos;s file name, %2 its folder.</extracomment>
        <translation>“%1” está pronto em %2.</translation>
    </message>
    <message>
        <source>Archive ready</source>
        <extracomment>Notification title when a run in the background made its archive.</extracomment>
        <translation>Arquivo compactado pronto</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Mostrar janela</translation>
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
        <translation>desconhecido</translation>
    </message>
</context>
<context>
    <name>UserMessage</name>
    <message>
        <source>the file no longer exists</source>
        <translation>o arquivo não existe mais</translation>
    </message>
    <message>
        <source>its date could not be read</source>
        <translation>não foi possível ler a data dele</translation>
    </message>
    <message>
        <source>its size could not be read</source>
        <translation>não foi possível ler o tamanho dele</translation>
    </message>
    <message>
        <source>another archive is still being written</source>
        <translation>outro arquivo compactado ainda está sendo gravado</translation>
    </message>
    <message>
        <source>it could not be created</source>
        <translation>não foi possível criá-lo</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read</source>
        <translation>não foi possível ler o arquivo “%1”</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read whole (it changed or vanished during the run)</source>
        <translation>não foi possível ler por inteiro o arquivo “%1” (ele mudou ou sumiu durante a compactação)</translation>
    </message>
    <message>
        <source>the finished archive could not take its name</source>
        <translation>o arquivo compactado pronto não pôde receber seu nome</translation>
    </message>
    <message>
        <source>writing &quot;%1&quot; into it failed</source>
        <translation>a gravação de “%1” nele falhou</translation>
    </message>
    <message>
        <source>it could not be finished</source>
        <translation>não foi possível concluí-lo</translation>
    </message>
    <message>
        <source>the zip engine stopped</source>
        <translation>a compactação parou</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>What failed, then the system&apos;s reason for it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>hidden file: not put into the archive</source>
        <translation>arquivo oculto: não incluído no arquivo compactado</translation>
    </message>
    <message>
        <source>replaced by the file of the same name from &quot;%1&quot;</source>
        <translation>substituído pelo arquivo de mesmo nome de “%1”</translation>
    </message>
    <message>
        <source>not a .%1 file</source>
        <translation>não é um arquivo .%1</translation>
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
            <numerusform>... e mais %n.</numerusform>
            <numerusform>... e mais %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out of &quot;%1&quot;:</source>
        <extracomment>%1 is the archive; the files follow, one a line.</extracomment>
        <translation>
            <numerusform>%n arquivo ficou fora de “%1”:</numerusform>
            <numerusform>%n arquivos ficaram fora de “%1”:</numerusform>
        </translation>
    </message>
    <message>
        <source> No File Found. Please try again.</source>
        <extracomment>Shown after Browse; the English words start with a space, as they always have.</extracomment>
        <translation>Nenhum arquivo encontrado. Tente novamente.</translation>
    </message>
    <message>
        <source> No %1 Files Found. Please try again.</source>
        <extracomment>%1 is the chosen extension, upper-cased (JPG).</extracomment>
        <translation>Nenhum arquivo %1 encontrado. Tente novamente.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>“%1” não é uma pasta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder: %2.</source>
        <translation>“%1” não é uma pasta: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>Não é possível ler a pasta “%1”: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be read:</source>
        <extracomment>The folders follow, one a line, each with the reason.</extracomment>
        <translation>
            <numerusform>Não é possível ler %n pasta:</numerusform>
            <numerusform>Não é possível ler %n pastas:</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a name for the archive.</source>
        <translation>Digite um nome para o arquivo compactado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a file name. Please choose another name.</source>
        <translation>“%1” não pode ser usado como nome de arquivo. Escolha outro nome.</translation>
    </message>
    <message>
        <source>The name may not contain &quot;/&quot;. Please choose another name.</source>
        <translation>O nome não pode conter “/”. Escolha outro nome.</translation>
    </message>
    <message>
        <source>The name may not contain a line break or a NUL character. Please choose another name.</source>
        <translation>O nome não pode conter quebra de linha nem caractere NUL. Escolha outro nome.</translation>
    </message>
    <message numerus="yes">
        <source>The name is %n bytes long; at most %1 are possible (with &quot;.zip&quot; added). Please choose a shorter name.</source>
        <extracomment>%n, the name&apos;s length in bytes, is always above %1, the most a name may have.</extracomment>
        <translation>
            <numerusform>O nome tem %n byte; são possíveis no máximo %1 (com “.zip” acrescentado). Escolha um nome mais curto.</numerusform>
            <numerusform>O nome tem %n bytes; são possíveis no máximo %1 (com “.zip” acrescentado). Escolha um nome mais curto.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is a folder, so the archive cannot take its name. Please choose another name.</source>
        <translation>“%1” em “%2” é uma pasta, então o arquivo compactado não pode receber esse nome. Escolha outro nome.</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists in &quot;%2&quot;. Do you want to replace it?

It is replaced only when the new archive is finished. Press Cancel to choose another name.</source>
        <translation>Já existe um arquivo chamado “%1” em “%2”. Deseja substituí-lo?

Ele só é substituído quando o novo arquivo compactado estiver pronto. Clique em Cancelar para escolher outro nome.</translation>
    </message>
    <message>
        <source>The staging folder &quot;%1&quot; could not be deleted (%2): %3.</source>
        <translation>Não foi possível excluir a pasta de preparação “%1” (%2): %3.</translation>
    </message>
    <message>
        <source>The list of unfinished archives &quot;%1&quot; could not be read or written: %2.</source>
        <translation>Não foi possível ler ou gravar a lista de arquivos compactados inacabados “%1”: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Please press Start again when it is done.</source>
        <translation>“%1” ainda está sendo gravado. Clique em Iniciar de novo quando terminar.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: the run could not be started: %2.</source>
        <translation>O arquivo “%1” não foi gravado: não foi possível iniciar a compactação: %2.</translation>
    </message>
    <message>
        <source>No file is checked, so nothing was zipped. Please check the files to put into the archive and press Start again.</source>
        <translation>Nenhum arquivo está marcado, então nada foi compactado. Marque os arquivos a incluir e clique em Iniciar de novo.</translation>
    </message>
    <message>
        <source>None of the checked files is a .%1 file, so nothing was zipped. Please choose their extension in the list and press Start again.</source>
        <translation>Nenhum dos arquivos marcados é um arquivo .%1, então nada foi compactado. Escolha a extensão deles na lista e clique em Iniciar de novo.</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written (an archive of that name from before is left as it was).</source>
        <translation>A compactação foi interrompida: “%1” não foi gravado (um arquivo anterior com esse nome fica como estava).</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: &quot;%2&quot; could not be queued: %3.</source>
        <translation>O arquivo “%1” não foi gravado: não foi possível enfileirar “%2”: %3.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; could not be written: %2.</source>
        <translation>Não foi possível gravar o arquivo “%1”: %2.</translation>
    </message>
    <message>
        <source>The help page could not be found. Looked for:
%1
%2</source>
        <translation>A página de ajuda não foi encontrada. Procurada em:
%1
%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>está faltando</translation>
    </message>
    <message>
        <source>does not read back (its local header is missing)</source>
        <translation>não pode ser relida (falta o cabeçalho local dela)</translation>
    </message>
    <message>
        <source>does not read back (its extra fields are damaged)</source>
        <translation>não pode ser relida (os campos extras dela estão danificados)</translation>
    </message>
    <message>
        <source>does not read back (it is stored in a way Volarin Z does not write)</source>
        <translation>não pode ser relida (está armazenada de um jeito que o Volarin Z não grava)</translation>
    </message>
    <message>
        <source>does not read back (its password does not fit)</source>
        <translation>não pode ser relida (a senha dela não confere)</translation>
    </message>
    <message>
        <source>does not read back (its data is damaged)</source>
        <translation>não pode ser relida (os dados dela estão danificados)</translation>
    </message>
    <message>
        <source>does not read back (size differs)</source>
        <translation>não pode ser relida (o tamanho é diferente)</translation>
    </message>
    <message>
        <source>does not read back (CRC differs)</source>
        <translation>não pode ser relida (o CRC é diferente)</translation>
    </message>
    <message>
        <source>could not be read back</source>
        <translation>não pôde ser relida</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>sizes</source>
        <translation>tamanhos</translation>
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
        <translation>flags</translation>
    </message>
    <message>
        <source>date</source>
        <translation>data</translation>
    </message>
    <message>
        <source>extra fields</source>
        <translation>campos extras</translation>
    </message>
    <message>
        <source>does not read back (its local header differs from the central directory: %1)</source>
        <translation>não pode ser relida (o cabeçalho local dela difere do diretório central: %1)</translation>
    </message>
    <message>
        <source>it could not be read back</source>
        <translation>não foi possível relê-lo</translation>
    </message>
    <message>
        <source>its end record is damaged</source>
        <translation>o registro final dele está danificado</translation>
    </message>
    <message>
        <source>its central directory is damaged</source>
        <translation>o diretório central dele está danificado</translation>
    </message>
    <message>
        <source>it holds %1 entries where %2 were written</source>
        <translation>ele contém %1 entradas, mas foram gravadas %2</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; %2</source>
        <translation>a entrada “%1” %2</translation>
    </message>
    <message>
        <source>the archive could not be proven: %1</source>
        <translation>não foi possível verificar o arquivo compactado: %1</translation>
    </message>
    <message>
        <source>the drive cannot hold files over 4 GB</source>
        <translation>a unidade não comporta arquivos acima de 4 GB</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a file&apos;s date, as in 1 July 1979</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>dated %1: readers that know only ZIP&apos;s own dates show %2</source>
        <translation>com data de %1: programas que só conhecem as datas próprias do ZIP mostram %2</translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translation>um caractere de controle (U+%1)</translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact date of %n file dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>O arquivo compactado “%1” mantém a data exata de %n arquivo com data fora dos anos de 1980 a 2107:</numerusform>
            <numerusform>O arquivo compactado “%1” mantém as datas exatas de %n arquivos com datas fora dos anos de 1980 a 2107:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact dates of %n files dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>O arquivo compactado “%1” mantém a data exata de %n arquivo com data fora dos anos de 1980 a 2107:</numerusform>
            <numerusform>O arquivo compactado “%1” mantém as datas exatas de %n arquivos com datas fora dos anos de 1980 a 2107:</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not allow %2 in file names, so &quot;%3&quot; cannot be written there. Please choose another name.</source>
        <translation>A unidade de “%1” não permite %2 em nomes de arquivo, então “%3” não pode ser gravado nela. Escolha outro nome.</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not accept &quot;%2&quot; as a file name (%3). Please choose another name.</source>
        <translation>A unidade de “%1” não aceita “%2” como nome de arquivo (%3). Escolha outro nome.</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; cannot hold files over 4 GB, and the files to zip come to %2, so the archive may not fit there.

Zip them anyway? Press Cancel to choose another folder.</source>
        <translation>A unidade de “%1” não comporta arquivos acima de 4 GB, e os arquivos a compactar somam %2, então o arquivo compactado pode não caber nela.

Compactá-los mesmo assim? Clique em Cancelar para escolher outra pasta.</translation>
    </message>
    <message>
        <source>No file could be read for &quot;%1&quot;, so no archive was written:</source>
        <translation>Nenhum arquivo pôde ser lido para “%1”, então nenhum arquivo compactado foi gravado:</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written.</source>
        <translation>A compactação foi interrompida: “%1” não foi gravado.</translation>
    </message>
    <message>
        <source>The run was stopped too late: the archive &quot;%1&quot; was already written.</source>
        <translation>A compactação foi interrompida tarde demais: o arquivo compactado “%1” já tinha sido gravado.</translation>
    </message>
    <message>
        <source>&amp;Zip Anyway</source>
        <translation>&amp;Compactar mesmo assim</translation>
    </message>
</context>
<context>
    <name>XP_ProgressBar</name>
    <message>
        <source>Gathering Required Information</source>
        <translation>Reunindo as informações necessárias</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The bar&apos;s percentage; %1 is the number.</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
</TS>
