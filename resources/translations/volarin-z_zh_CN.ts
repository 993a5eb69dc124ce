<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ArchiveName</name>
    <message>
        <source>All</source>
        <extracomment>Stands for every kind of file in the proposed archive name (&quot;ALL ZIP Archive Dec 6 2026&quot;); shown upper-cased.</extracomment>
        <translation>全部</translation>
    </message>
    <message>
        <source>%1 ZIP Archive %2 %3 %4</source>
        <extracomment>The archive name proposed in the Output window, a file name: %1 the file kind upper-cased (JPG), %2 the abbreviated month, %3 the day, %4 the year; order them as a date reads in your language.</extracomment>
        <translation>%1 ZIP 压缩文件 %4年%2%3日</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not installed (looked for %1)</source>
        <extracomment>Said of the help page in --help; %1 is where it was looked for.</extracomment>
        <translation>未安装（查找位置：%1）</translation>
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
        <translation>用法：%1 [选项]... [文件夹]...
将选中的文件压缩到一个 ZIP 压缩文件中。

打开窗口，按给定顺序列出直接位于每个“文件夹”中的所选类型的文件（开始时为
jpg），效果与将这些文件夹拖放到窗口上相同。“文件夹”可以是路径（相对路径从
当前文件夹算起）或 file:// URI；不是文件夹的项会在标准错误输出中列出。

选项：
  -h, --help     显示此帮助并退出
  -v, --version  显示版本并退出
Qt 自身的选项（-platform、-style、-session 等）会传给 Qt。

帮助页面：%2
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Volarin Z - Please select a folder.</source>
        <extracomment>The folder picker&apos;s title.</extracomment>
        <translation>Volarin Z - 请选择一个文件夹。</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start</source>
        <extracomment>Caption of the button chameleonButton1 (177 x 49 pixels, beside a 36 x 36 picture). It must fit on one line: the tests measure it.</extracomment>
        <translation>开始</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>FoundFilesModel</name>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>文件大小</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and Drop Folders</source>
        <translation>拖放文件夹</translation>
    </message>
    <message>
        <source>Found files</source>
        <translation>找到的文件</translation>
    </message>
    <message>
        <source>Drop folders here to list their files</source>
        <translation>将文件夹拖放到此处以列出其中的文件</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translation>文件扩展名</translation>
    </message>
    <message>
        <source>Zip progress</source>
        <translation>压缩进度</translation>
    </message>
    <message>
        <source>Folder last browsed</source>
        <translation>上次浏览的文件夹</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>在线帮助</translation>
    </message>
    <message>
        <source>All (*.*)</source>
        <extracomment>The row of the extension list that lists files of every kind.</extracomment>
        <translation>全部 (*.*)</translation>
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
        <translation>输出</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>文件名：</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Zip run failed</source>
        <extracomment>Notification title when a run in the background ended without an archive.</extracomment>
        <translation>压缩失败</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written.</source>
        <translation>未写入“%1”。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ready in %2.</source>
        <extracomment>%1 the archive&apos;s file name, %2 its folder.</extracomment>
        <translation>“%1”已在 %2 中就绪。</translation>
    </message>
    <message>
        <source>Archive ready</source>
        <extracomment>Notification title when a run in the background made its archive.</extracomment>
        <translation>压缩文件已就绪</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>显示窗口</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n 字节</numerusform>
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
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>UserMessage</name>
    <message>
        <source>the file no longer exists</source>
        <translation>文件已不存在</translation>
    </message>
    <message>
        <source>its date could not be read</source>
        <translation>无法读取其日期</translation>
    </message>
    <message>
        <source>its size could not be read</source>
        <translation>无法读取其大小</translation>
    </message>
    <message>
        <source>another archive is still being written</source>
        <translation>另一个压缩文件仍在写入</translation>
    </message>
    <message>
        <source>it could not be created</source>
        <translation>无法创建</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read</source>
        <translation>无法读取文件“%1”</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read whole (it changed or vanished during the run)</source>
        <translation>无法完整读取文件“%1”（压缩过程中文件被更改或已消失）</translation>
    </message>
    <message>
        <source>the finished archive could not take its name</source>
        <translation>无法为完成的压缩文件命名</translation>
    </message>
    <message>
        <source>writing &quot;%1&quot; into it failed</source>
        <translation>无法将“%1”写入其中</translation>
    </message>
    <message>
        <source>it could not be finished</source>
        <translation>无法完成</translation>
    </message>
    <message>
        <source>the zip engine stopped</source>
        <translation>压缩已中止</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>What failed, then the system&apos;s reason for it.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>不是文件</translation>
    </message>
    <message>
        <source>hidden file: not put into the archive</source>
        <translation>隐藏文件：未放入压缩文件</translation>
    </message>
    <message>
        <source>replaced by the file of the same name from &quot;%1&quot;</source>
        <translation>已被来自“%1”的同名文件替换</translation>
    </message>
    <message>
        <source>not a .%1 file</source>
        <translation>不是 .%1 文件</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One line of the files left out: the file, then why.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <extracomment>After the first 20 files left out: how many more there are.</extracomment>
        <translation>
            <numerusform>……另有 %n 个。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out of &quot;%1&quot;:</source>
        <extracomment>%1 is the archive; the files follow, one a line.</extracomment>
        <translation>
            <numerusform>有 %n 个文件未放入“%1”：</numerusform>
        </translation>
    </message>
    <message>
        <source> No File Found. Please try again.</source>
        <extracomment>Shown after Browse; the English words start with a space, as they always have.</extracomment>
        <translation>未找到文件。请重试。</translation>
    </message>
    <message>
        <source> No %1 Files Found. Please try again.</source>
        <extracomment>%1 is the chosen extension, upper-cased (JPG).</extracomment>
        <translation>未找到 %1 文件。请重试。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>“%1”不是文件夹。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder: %2.</source>
        <translation>“%1”不是文件夹：%2。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>无法读取文件夹“%1”：%2。</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be read:</source>
        <extracomment>The folders follow, one a line, each with the reason.</extracomment>
        <translation>
            <numerusform>有 %n 个文件夹无法读取：</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a name for the archive.</source>
        <translation>请输入压缩文件的名称。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a file name. Please choose another name.</source>
        <translation>“%1”不能用作文件名。请另选一个名称。</translation>
    </message>
    <message>
        <source>The name may not contain &quot;/&quot;. Please choose another name.</source>
        <translation>名称中不能包含“/”。请另选一个名称。</translation>
    </message>
    <message>
        <source>The name may not contain a line break or a NUL character. Please choose another name.</source>
        <translation>名称中不能包含换行符或 NUL 字符。请另选一个名称。</translation>
    </message>
    <message numerus="yes">
        <source>The name is %n bytes long; at most %1 are possible (with &quot;.zip&quot; added). Please choose a shorter name.</source>
        <extracomment>%n, the name&apos;s length in bytes, is always above %1, the most a name may have.</extracomment>
        <translation>
            <numerusform>名称长 %n 字节；最多只能有 %1 字节（加上“.zip”后）。请选择更短的名称。</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is a folder, so the archive cannot take its name. Please choose another name.</source>
        <translation>“%2”中的“%1”是一个文件夹，因此压缩文件不能使用此名称。请另选一个名称。</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists in &quot;%2&quot;. Do you want to replace it?

It is replaced only when the new archive is finished. Press Cancel to choose another name.</source>
        <translation>“%2”中已存在名为“%1”的文件。要替换它吗？

只有在新的压缩文件完成后才会替换它。按“取消”可另选一个名称。</translation>
    </message>
    <message>
        <source>The staging folder &quot;%1&quot; could not be deleted (%2): %3.</source>
        <translation>无法删除暂存文件夹“%1”（%2）：%3。</translation>
    </message>
    <message>
        <source>The list of unfinished archives &quot;%1&quot; could not be read or written: %2.</source>
        <translation>无法读取或写入未完成压缩文件列表“%1”：%2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Please press Start again when it is done.</source>
        <translation>“%1”仍在写入。完成后请再次按“开始”。</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: the run could not be started: %2.</source>
        <translation>未写入压缩文件“%1”：无法开始压缩：%2。</translation>
    </message>
    <message>
        <source>No file is checked, so nothing was zipped. Please check the files to put into the archive and press Start again.</source>
        <translation>没有勾选任何文件，因此未压缩任何内容。请勾选要放入压缩文件的文件，然后再次按“开始”。</translation>
    </message>
    <message>
        <source>None of the checked files is a .%1 file, so nothing was zipped. Please choose their extension in the list and press Start again.</source>
        <translation>勾选的文件中没有 .%1 文件，因此未压缩任何内容。请在列表中选择它们的扩展名，然后再次按“开始”。</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written (an archive of that name from before is left as it was).</source>
        <translation>压缩已停止：未写入“%1”（之前同名的压缩文件保持原样）。</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: &quot;%2&quot; could not be queued: %3.</source>
        <translation>未写入压缩文件“%1”：无法将“%2”加入队列：%3。</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; could not be written: %2.</source>
        <translation>无法写入压缩文件“%1”：%2。</translation>
    </message>
    <message>
        <source>The help page could not be found. Looked for:
%1
%2</source>
        <translation>找不到帮助页面。查找位置：
%1
%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <source>does not read back (its local header is missing)</source>
        <translation>无法正确读回（缺少其本地文件头）</translation>
    </message>
    <message>
        <source>does not read back (its extra fields are damaged)</source>
        <translation>无法正确读回（其扩展字段已损坏）</translation>
    </message>
    <message>
        <source>does not read back (it is stored in a way Volarin Z does not write)</source>
        <translation>无法正确读回（其存储方式并非 Volarin Z 所写入的方式）</translation>
    </message>
    <message>
        <source>does not read back (its password does not fit)</source>
        <translation>无法正确读回（其密码不匹配）</translation>
    </message>
    <message>
        <source>does not read back (its data is damaged)</source>
        <translation>无法正确读回（其数据已损坏）</translation>
    </message>
    <message>
        <source>does not read back (size differs)</source>
        <translation>无法正确读回（大小不一致）</translation>
    </message>
    <message>
        <source>does not read back (CRC differs)</source>
        <translation>无法正确读回（CRC 不一致）</translation>
    </message>
    <message>
        <source>could not be read back</source>
        <translation>无法读回</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>sizes</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>method</source>
        <translation>压缩方法</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>标志</translation>
    </message>
    <message>
        <source>date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>extra fields</source>
        <translation>扩展字段</translation>
    </message>
    <message>
        <source>does not read back (its local header differs from the central directory: %1)</source>
        <translation>无法正确读回（其本地文件头与中央目录不一致：%1）</translation>
    </message>
    <message>
        <source>it could not be read back</source>
        <translation>无法读回</translation>
    </message>
    <message>
        <source>its end record is damaged</source>
        <translation>其结束记录已损坏</translation>
    </message>
    <message>
        <source>its central directory is damaged</source>
        <translation>其中央目录已损坏</translation>
    </message>
    <message>
        <source>it holds %1 entries where %2 were written</source>
        <translation>其中有 %1 个条目，而写入的是 %2 个</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; %2</source>
        <translation>条目“%1”%2</translation>
    </message>
    <message>
        <source>the archive could not be proven: %1</source>
        <translation>无法验证压缩文件：%1</translation>
    </message>
    <message>
        <source>the drive cannot hold files over 4 GB</source>
        <translation>该驱动器无法存放超过 4 GB 的文件</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a file&apos;s date, as in 1 July 1979</comment>
        <translation>yyyy年M月d日</translation>
    </message>
    <message>
        <source>dated %1: readers that know only ZIP&apos;s own dates show %2</source>
        <translation>日期为 %1：只认识 ZIP 自身日期格式的程序会显示为 %2</translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translation>控制字符（U+%1）</translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact date of %n file dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>压缩文件“%1”保留了 %n 个日期在 1980 年至 2107 年之外的文件的确切日期：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact dates of %n files dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>压缩文件“%1”保留了 %n 个日期在 1980 年至 2107 年之外的文件的确切日期：</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not allow %2 in file names, so &quot;%3&quot; cannot be written there. Please choose another name.</source>
        <translation>“%1”所在的驱动器不允许文件名中含有%2，因此无法在那里写入“%3”。请另选一个名称。</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not accept &quot;%2&quot; as a file name (%3). Please choose another name.</source>
        <translation>“%1”所在的驱动器不接受“%2”作为文件名（%3）。请另选一个名称。</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; cannot hold files over 4 GB, and the files to zip come to %2, so the archive may not fit there.

Zip them anyway? Press Cancel to choose another folder.</source>
        <translation>“%1”所在的驱动器无法存放超过 4 GB 的文件，而要压缩的文件共 %2，因此压缩文件可能放不下。

仍然压缩吗？按“取消”可另选一个文件夹。</translation>
    </message>
    <message>
        <source>No file could be read for &quot;%1&quot;, so no archive was written:</source>
        <translation>无法为“%1”读取任何文件，因此未写入压缩文件：</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written.</source>
        <translation>压缩已停止：未写入“%1”。</translation>
    </message>
    <message>
        <source>The run was stopped too late: the archive &quot;%1&quot; was already written.</source>
        <translation>压缩停止得太晚：压缩文件“%1”已经写入。</translation>
    </message>
    <message>
        <source>&amp;Zip Anyway</source>
        <translation>仍然压缩(&amp;Z)</translation>
    </message>
</context>
<context>
    <name>XP_ProgressBar</name>
    <message>
        <source>Gathering Required Information</source>
        <translation>正在收集所需信息</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The bar&apos;s percentage; %1 is the number.</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
</TS>
