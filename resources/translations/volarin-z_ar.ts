<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>ArchiveName</name>
    <message>
        <source>All</source>
        <extracomment>Stands for every kind of file in the proposed archive name (&quot;ALL ZIP Archive Dec 6 2026&quot;); shown upper-cased.</extracomment>
        <translation>كل الأنواع</translation>
    </message>
    <message>
        <source>%1 ZIP Archive %2 %3 %4</source>
        <extracomment>The archive name proposed in the Output window, a file name: %1 the file kind upper-cased (JPG), %2 the abbreviated month, %3 the day, %4 the year; order them as a date reads in your language.</extracomment>
        <translation>أرشيف ZIP لملفات %1 %3 %2 %4</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not installed (looked for %1)</source>
        <extracomment>Said of the help page in --help; %1 is where it was looked for.</extracomment>
        <translation>غير مثبّتة (بُحث عنها في %1)</translation>
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
        <translation>الاستخدام: %1 [خيار]... [مجلد]...
يضغط الملفات المختارة في أرشيف ZIP واحد.

يفتح النافذة ويسرد ملفات النوع المختار (jpg في البداية) الموجودة مباشرة في
كل مجلد، بالترتيب المعطى، كما لو أُفلتت المجلدات على النافذة. المجلد مسار
(يُحسب المسار النسبي من المجلد الحالي) أو عنوان file://، وكل ما ليس مجلدًا
يُذكر في مخرج الأخطاء القياسي.

الخيارات:
  -h, --help     اعرض هذه المساعدة واخرج
  -v, --version  اعرض الإصدار واخرج
تُمرَّر خيارات Qt الخاصة (-platform و-style و-session و...) إلى Qt.

صفحة المساعدة: %2
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>خيار غير معروف «%1»</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Volarin Z - Please select a folder.</source>
        <extracomment>The folder picker&apos;s title.</extracomment>
        <translation>Volarin Z - يُرجى اختيار مجلد.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start</source>
        <extracomment>Caption of the button chameleonButton1 (177 x 49 pixels, beside a 36 x 36 picture). It must fit on one line: the tests measure it.</extracomment>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>الإخراج</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translatorcomment>«استعراض...» (64 بكسل) لا يتسع بجانب صورة الزر الذي عرضه 81 بكسل (المتاح 58 بكسل)؛ «تصفح...» (42 بكسل).</translatorcomment>
        <translation>تصفح...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>FoundFilesModel</name>
    <message>
        <source>File Name</source>
        <translation>اسم الملف</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>حجم الملف</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and Drop Folders</source>
        <translation>اسحب المجلدات وأفلتها هنا</translation>
    </message>
    <message>
        <source>Found files</source>
        <translation>الملفات التي عُثر عليها</translation>
    </message>
    <message>
        <source>Drop folders here to list their files</source>
        <translation>أفلت المجلدات هنا لسرد ملفاتها</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translation>امتداد الملف</translation>
    </message>
    <message>
        <source>Zip progress</source>
        <translation>تقدّم الضغط</translation>
    </message>
    <message>
        <source>Folder last browsed</source>
        <translation>آخر مجلد مُستعرَض</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translatorcomment>«المساعدة على الإنترنت» لا تتسع في الرابط الذي عرضه 73 بكسل.</translatorcomment>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>All (*.*)</source>
        <extracomment>The row of the extension list that lists files of every kind.</extracomment>
        <translation>الكل (*.*)</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The run&apos;s percentage beside the buttons.</extracomment>
        <translation>%1٪</translation>
    </message>
</context>
<context>
    <name>OutputNameDialog</name>
    <message>
        <source>Output</source>
        <translation>الإخراج</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>اسم الملف:</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Zip run failed</source>
        <extracomment>Notification title when a run in the background ended without an archive.</extracomment>
        <translation>فشل الضغط</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written.</source>
        <translation>لم يُكتب «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ready in %2.</source>
        <extracomment>%1 the archive&apos;s file name, %2 its folder.</extracomment>
        <translation>«%1» جاهز في %2.</translation>
    </message>
    <message>
        <source>Archive ready</source>
        <extracomment>Notification title when a run in the background made its archive.</extracomment>
        <translation>الأرشيف جاهز</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>اعرض في المجلد</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>اعرض النافذة</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n بايت</numerusform>
            <numerusform>%n بايت</numerusform>
            <numerusform>%n بايت</numerusform>
            <numerusform>%n بايت</numerusform>
            <numerusform>%n بايت</numerusform>
            <numerusform>%n بايت</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 ك.بايت</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 م.بايت</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 ج.بايت</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 ت.بايت</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>The size column of a file whose length could not be read.</extracomment>
        <translation>غير معروف</translation>
    </message>
</context>
<context>
    <name>UserMessage</name>
    <message>
        <source>the file no longer exists</source>
        <translation>لم يعد الملف موجودًا</translation>
    </message>
    <message>
        <source>its date could not be read</source>
        <translation>تعذّرت قراءة تاريخه</translation>
    </message>
    <message>
        <source>its size could not be read</source>
        <translation>تعذّرت قراءة حجمه</translation>
    </message>
    <message>
        <source>another archive is still being written</source>
        <translation>لا يزال أرشيف آخر قيد الكتابة</translation>
    </message>
    <message>
        <source>it could not be created</source>
        <translation>تعذّر إنشاؤه</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read</source>
        <translation>تعذّرت قراءة الملف «%1»</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read whole (it changed or vanished during the run)</source>
        <translation>تعذّرت قراءة الملف «%1» كاملًا (تغيّر أو اختفى أثناء الضغط)</translation>
    </message>
    <message>
        <source>the finished archive could not take its name</source>
        <translation>تعذّر إعطاء الأرشيف المكتمل اسمه</translation>
    </message>
    <message>
        <source>writing &quot;%1&quot; into it failed</source>
        <translation>فشلت كتابة «%1» فيه</translation>
    </message>
    <message>
        <source>it could not be finished</source>
        <translation>تعذّر إكماله</translation>
    </message>
    <message>
        <source>the zip engine stopped</source>
        <translation>توقّف الضغط</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>What failed, then the system&apos;s reason for it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ليس ملفًا</translation>
    </message>
    <message>
        <source>hidden file: not put into the archive</source>
        <translation>ملف مخفي: لم يُضَف إلى الأرشيف</translation>
    </message>
    <message>
        <source>replaced by the file of the same name from &quot;%1&quot;</source>
        <translation>حلّ محلّه الملف الذي يحمل الاسم نفسه من «%1»</translation>
    </message>
    <message>
        <source>not a .%1 file</source>
        <translation>ليس ملف ‎.%1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One line of the files left out: the file, then why.</extracomment>
        <translatorcomment>السبب أولًا ثم الملف، كي يبدأ السطر بكلمة عربية فيُقرأ من اليمين إلى اليسار ولا يبدأ بمسار لاتيني.</translatorcomment>
        <translation>%2: %1</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <extracomment>After the first 20 files left out: how many more there are.</extracomment>
        <translation>
            <numerusform>... و%n غيرها.</numerusform>
            <numerusform>... و%n غيرها.</numerusform>
            <numerusform>... و%n غيرها.</numerusform>
            <numerusform>... و%n غيرها.</numerusform>
            <numerusform>... و%n غيرها.</numerusform>
            <numerusform>... و%n غيرها.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out of &quot;%1&quot;:</source>
        <extracomment>%1 is the archive; the files follow, one a line.</extracomment>
        <translation>
            <numerusform>لم يُستبعد أي ملف من «%1»:</numerusform>
            <numerusform>استُبعد ملف واحد من «%1»:</numerusform>
            <numerusform>استُبعد ملفان من «%1»:</numerusform>
            <numerusform>استُبعدت %n ملفات من «%1»:</numerusform>
            <numerusform>استُبعد %n ملفًا من «%1»:</numerusform>
            <numerusform>استُبعد %n ملف من «%1»:</numerusform>
        </translation>
    </message>
    <message>
        <source> No File Found. Please try again.</source>
        <extracomment>Shown after Browse; the English words start with a space, as they always have.</extracomment>
        <translation>لم يُعثر على أي ملف. يُرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source> No %1 Files Found. Please try again.</source>
        <extracomment>%1 is the chosen extension, upper-cased (JPG).</extracomment>
        <translation>لم يُعثر على ملفات %1. يُرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>«%1» ليس مجلدًا.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder: %2.</source>
        <translation>«%1» ليس مجلدًا: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>تتعذّر قراءة المجلد «%1»: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be read:</source>
        <extracomment>The folders follow, one a line, each with the reason.</extracomment>
        <translation>
            <numerusform>لا توجد مجلدات تتعذّر قراءتها:</numerusform>
            <numerusform>تتعذّر قراءة مجلد واحد:</numerusform>
            <numerusform>تتعذّر قراءة مجلدين:</numerusform>
            <numerusform>تتعذّر قراءة %n مجلدات:</numerusform>
            <numerusform>تتعذّر قراءة %n مجلدًا:</numerusform>
            <numerusform>تتعذّر قراءة %n مجلد:</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a name for the archive.</source>
        <translation>يُرجى كتابة اسم للأرشيف.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a file name. Please choose another name.</source>
        <translation>لا يمكن استخدام «%1» اسمًا لملف. يُرجى اختيار اسم آخر.</translation>
    </message>
    <message>
        <source>The name may not contain &quot;/&quot;. Please choose another name.</source>
        <translation>لا يجوز أن يحتوي الاسم على «/». يُرجى اختيار اسم آخر.</translation>
    </message>
    <message>
        <source>The name may not contain a line break or a NUL character. Please choose another name.</source>
        <translation>لا يجوز أن يحتوي الاسم على فاصل أسطر أو محرف NUL. يُرجى اختيار اسم آخر.</translation>
    </message>
    <message numerus="yes">
        <source>The name is %n bytes long; at most %1 are possible (with &quot;.zip&quot; added). Please choose a shorter name.</source>
        <extracomment>%n, the name&apos;s length in bytes, is always above %1, the most a name may have.</extracomment>
        <translation>
            <numerusform>طول الاسم %n بايت، والحد الأقصى %1 (بعد إضافة «.zip»). يُرجى اختيار اسم أقصر.</numerusform>
            <numerusform>طول الاسم %n بايت، والحد الأقصى %1 (بعد إضافة «.zip»). يُرجى اختيار اسم أقصر.</numerusform>
            <numerusform>طول الاسم %n بايت، والحد الأقصى %1 (بعد إضافة «.zip»). يُرجى اختيار اسم أقصر.</numerusform>
            <numerusform>طول الاسم %n بايت، والحد الأقصى %1 (بعد إضافة «.zip»). يُرجى اختيار اسم أقصر.</numerusform>
            <numerusform>طول الاسم %n بايت، والحد الأقصى %1 (بعد إضافة «.zip»). يُرجى اختيار اسم أقصر.</numerusform>
            <numerusform>طول الاسم %n بايت، والحد الأقصى %1 (بعد إضافة «.zip»). يُرجى اختيار اسم أقصر.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is a folder, so the archive cannot take its name. Please choose another name.</source>
        <translation>«%1» في «%2» مجلد، لذا لا يمكن أن يحمل الأرشيف هذا الاسم. يُرجى اختيار اسم آخر.</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists in &quot;%2&quot;. Do you want to replace it?

It is replaced only when the new archive is finished. Press Cancel to choose another name.</source>
        <translation>يوجد في «%2» ملف باسم «%1». هل تريد استبداله؟

لن يُستبدل إلا عند اكتمال الأرشيف الجديد. اضغط «إلغاء» لاختيار اسم آخر.</translation>
    </message>
    <message>
        <source>The staging folder &quot;%1&quot; could not be deleted (%2): %3.</source>
        <translation>تعذّر حذف مجلد التجهيز «%1» (%2): %3.</translation>
    </message>
    <message>
        <source>The list of unfinished archives &quot;%1&quot; could not be read or written: %2.</source>
        <translation>تعذّرت قراءة قائمة الأرشيفات غير المكتملة «%1» أو الكتابة فيها: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Please press Start again when it is done.</source>
        <translation>لا تزال كتابة «%1» جارية. يُرجى الضغط على «ابدأ» مرة أخرى عند انتهائها.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: the run could not be started: %2.</source>
        <translation>لم يُكتب الأرشيف «%1»: تعذّر بدء الضغط: %2.</translation>
    </message>
    <message>
        <source>No file is checked, so nothing was zipped. Please check the files to put into the archive and press Start again.</source>
        <translation>لم يُحدَّد أي ملف، لذا لم يُضغط شيء. يُرجى تحديد الملفات التي ستوضع في الأرشيف ثم الضغط على «ابدأ» مرة أخرى.</translation>
    </message>
    <message>
        <source>None of the checked files is a .%1 file, so nothing was zipped. Please choose their extension in the list and press Start again.</source>
        <translation>لا يوجد بين الملفات المحددة ملف ‎.%1، لذا لم يُضغط شيء. يُرجى اختيار امتدادها من القائمة ثم الضغط على «ابدأ» مرة أخرى.</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written (an archive of that name from before is left as it was).</source>
        <translation>أُوقف الضغط: لم يُكتب «%1» (يبقى أي أرشيف سابق بهذا الاسم كما كان).</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: &quot;%2&quot; could not be queued: %3.</source>
        <translation>لم يُكتب الأرشيف «%1»: تعذّرت إضافة «%2» إلى قائمة الانتظار: %3.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; could not be written: %2.</source>
        <translation>تعذّرت كتابة الأرشيف «%1»: %2.</translation>
    </message>
    <message>
        <source>The help page could not be found. Looked for:
%1
%2</source>
        <translation>تعذّر العثور على صفحة المساعدة. بُحث عنها في:
%1
%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>ا&amp;ستبدل</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>مفقود</translation>
    </message>
    <message>
        <source>does not read back (its local header is missing)</source>
        <translation>تتعذّر قراءته مجددًا (ترويسته المحلية مفقودة)</translation>
    </message>
    <message>
        <source>does not read back (its extra fields are damaged)</source>
        <translation>تتعذّر قراءته مجددًا (حقوله الإضافية تالفة)</translation>
    </message>
    <message>
        <source>does not read back (it is stored in a way Volarin Z does not write)</source>
        <translation>تتعذّر قراءته مجددًا (مخزَّن بطريقة لا يكتب بها Volarin Z)</translation>
    </message>
    <message>
        <source>does not read back (its password does not fit)</source>
        <translation>تتعذّر قراءته مجددًا (كلمة مروره غير مطابقة)</translation>
    </message>
    <message>
        <source>does not read back (its data is damaged)</source>
        <translation>تتعذّر قراءته مجددًا (بياناته تالفة)</translation>
    </message>
    <message>
        <source>does not read back (size differs)</source>
        <translation>تتعذّر قراءته مجددًا (الحجم مختلف)</translation>
    </message>
    <message>
        <source>does not read back (CRC differs)</source>
        <translation>تتعذّر قراءته مجددًا (قيمة CRC مختلفة)</translation>
    </message>
    <message>
        <source>could not be read back</source>
        <translation>تعذّرت قراءته مجددًا</translation>
    </message>
    <message>
        <source>name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>sizes</source>
        <translation>الأحجام</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>method</source>
        <translation>طريقة الضغط</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>الرايات</translation>
    </message>
    <message>
        <source>date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>extra fields</source>
        <translation>الحقول الإضافية</translation>
    </message>
    <message>
        <source>does not read back (its local header differs from the central directory: %1)</source>
        <translation>تتعذّر قراءته مجددًا (ترويسته المحلية تختلف عن الدليل المركزي: %1)</translation>
    </message>
    <message>
        <source>it could not be read back</source>
        <translation>تعذّرت قراءته مجددًا</translation>
    </message>
    <message>
        <source>its end record is damaged</source>
        <translation>سجلّه الختامي تالف</translation>
    </message>
    <message>
        <source>its central directory is damaged</source>
        <translation>دليله المركزي تالف</translation>
    </message>
    <message>
        <source>it holds %1 entries where %2 were written</source>
        <translation>عدد العناصر فيه %1 بينما كُتب %2</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; %2</source>
        <translation>العنصر «%1» %2</translation>
    </message>
    <message>
        <source>the archive could not be proven: %1</source>
        <translation>تعذّر التحقق من الأرشيف: %1</translation>
    </message>
    <message>
        <source>the drive cannot hold files over 4 GB</source>
        <translation>لا يقبل القرص ملفات يزيد حجمها على 4 غيغابايت</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a file&apos;s date, as in 1 July 1979</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>dated %1: readers that know only ZIP&apos;s own dates show %2</source>
        <translatorcomment>فاصلة بدل النقطتين: يأتي بعد هذا السبب نقطتان ثم مسار الملف في سطر الملفات.</translatorcomment>
        <translation>مؤرَّخ في %1، والبرامج التي لا تعرف إلا تواريخ ZIP الخاصة تعرض %2</translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translation>محرف تحكم (U+%1)</translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact date of %n file dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>لا يحتفظ الأرشيف «%1» بتاريخ أي ملف مؤرَّخ خارج الأعوام من 1980 إلى 2107:</numerusform>
            <numerusform>يحتفظ الأرشيف «%1» بالتاريخ الدقيق لملف واحد مؤرَّخ خارج الأعوام من 1980 إلى 2107:</numerusform>
            <numerusform>يحتفظ الأرشيف «%1» بالتاريخين الدقيقين لملفين مؤرَّخين خارج الأعوام من 1980 إلى 2107:</numerusform>
            <numerusform>يحتفظ الأرشيف «%1» بالتواريخ الدقيقة لـ %n ملفات مؤرَّخة خارج الأعوام من 1980 إلى 2107:</numerusform>
            <numerusform>يحتفظ الأرشيف «%1» بالتواريخ الدقيقة لـ %n ملفًا مؤرَّخًا خارج الأعوام من 1980 إلى 2107:</numerusform>
            <numerusform>يحتفظ الأرشيف «%1» بالتواريخ الدقيقة لـ %n ملف مؤرَّخ خارج الأعوام من 1980 إلى 2107:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact dates of %n files dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>لا يحتفظ الأرشيف «%1» بتاريخ أي ملف مؤرَّخ خارج الأعوام من 1980 إلى 2107:</numerusform>
            <numerusform>يحتفظ الأرشيف «%1» بالتاريخ الدقيق لملف واحد مؤرَّخ خارج الأعوام من 1980 إلى 2107:</numerusform>
            <numerusform>يحتفظ الأرشيف «%1» بالتاريخين الدقيقين لملفين مؤرَّخين خارج الأعوام من 1980 إلى 2107:</numerusform>
            <numerusform>يحتفظ الأرشيف «%1» بالتواريخ الدقيقة لـ %n ملفات مؤرَّخة خارج الأعوام من 1980 إلى 2107:</numerusform>
            <numerusform>يحتفظ الأرشيف «%1» بالتواريخ الدقيقة لـ %n ملفًا مؤرَّخًا خارج الأعوام من 1980 إلى 2107:</numerusform>
            <numerusform>يحتفظ الأرشيف «%1» بالتواريخ الدقيقة لـ %n ملف مؤرَّخ خارج الأعوام من 1980 إلى 2107:</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not allow %2 in file names, so &quot;%3&quot; cannot be written there. Please choose another name.</source>
        <translation>لا يسمح القرص الذي يوجد عليه «%1» باستخدام %2 في أسماء الملفات، لذا تتعذّر كتابة «%3» عليه. يُرجى اختيار اسم آخر.</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not accept &quot;%2&quot; as a file name (%3). Please choose another name.</source>
        <translation>لا يقبل القرص الذي يوجد عليه «%1» الاسم «%2» اسمًا لملف (%3). يُرجى اختيار اسم آخر.</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; cannot hold files over 4 GB, and the files to zip come to %2, so the archive may not fit there.

Zip them anyway? Press Cancel to choose another folder.</source>
        <translation>لا يقبل القرص الذي يوجد عليه «%1» ملفات يزيد حجمها على 4 غيغابايت، وحجم الملفات المراد ضغطها %2، لذا قد لا يتسع القرص للأرشيف.

هل تريد ضغطها على أي حال؟ اضغط «إلغاء» لاختيار مجلد آخر.</translation>
    </message>
    <message>
        <source>No file could be read for &quot;%1&quot;, so no archive was written:</source>
        <translation>تعذّرت قراءة أي ملف من أجل «%1»، لذا لم يُكتب أي أرشيف:</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written.</source>
        <translation>أُوقف الضغط: لم يُكتب «%1».</translation>
    </message>
    <message>
        <source>The run was stopped too late: the archive &quot;%1&quot; was already written.</source>
        <translation>أُوقف الضغط بعد فوات الأوان: كان الأرشيف «%1» قد كُتب.</translation>
    </message>
    <message>
        <source>&amp;Zip Anyway</source>
        <translation>ا&amp;ضغط الملفات رغم ذلك</translation>
    </message>
</context>
<context>
    <name>XP_ProgressBar</name>
    <message>
        <source>Gathering Required Information</source>
        <translation>يجري جمع المعلومات المطلوبة</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The bar&apos;s percentage; %1 is the number.</extracomment>
        <translation>%1 ٪</translation>
    </message>
</context>
</TS>
