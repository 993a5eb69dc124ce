<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ArchiveName</name>
    <message>
        <source>All</source>
        <extracomment>Stands for every kind of file in the proposed archive name (&quot;ALL ZIP Archive Dec 6 2026&quot;); shown upper-cased.</extracomment>
        <translation>すべて</translation>
    </message>
    <message>
        <source>%1 ZIP Archive %2 %3 %4</source>
        <extracomment>The archive name proposed in the Output window, a file name: %1 the file kind upper-cased (JPG), %2 the abbreviated month, %3 the day, %4 the year; order them as a date reads in your language.</extracomment>
        <translation>%1 ZIP アーカイブ %4年%2%3日</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not installed (looked for %1)</source>
        <extracomment>Said of the help page in --help; %1 is where it was looked for.</extracomment>
        <translation>インストールされていません (%1 を探しました)</translation>
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
        <translation>使い方: %1 [オプション]... [フォルダー]...
選んだファイルを 1 つの ZIP アーカイブにまとめます。

ウィンドウを開き、各フォルダーの直下にある選択した種類 (最初は jpg) の
ファイルを、指定した順に一覧表示します。フォルダーをウィンドウにドロップ
したときと同じ動作です。フォルダーにはパス (相対パスは現在のフォルダー
から) または file:// URI を指定します。フォルダーでないものは標準エラー
出力に表示されます。

オプション:
  -h, --help     このヘルプを表示して終了する
  -v, --version  バージョンを表示して終了する
Qt 自身のオプション (-platform、-style、-session など) は Qt に渡されます。

ヘルプページ: %2
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション 「%1」</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Volarin Z - Please select a folder.</source>
        <extracomment>The folder picker&apos;s title.</extracomment>
        <translation>Volarin Z - フォルダーを選択してください。</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start</source>
        <extracomment>Caption of the button chameleonButton1 (177 x 49 pixels, beside a 36 x 36 picture). It must fit on one line: the tests measure it.</extracomment>
        <translation>開始</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>サイズ</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and Drop Folders</source>
        <translation>フォルダーをドラッグ＆ドロップ</translation>
    </message>
    <message>
        <source>Found files</source>
        <translation>見つかったファイル</translation>
    </message>
    <message>
        <source>Drop folders here to list their files</source>
        <translation>ここにフォルダーをドロップすると中のファイルを一覧表示します</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translation>拡張子</translation>
    </message>
    <message>
        <source>Zip progress</source>
        <translation>圧縮の進行状況</translation>
    </message>
    <message>
        <source>Folder last browsed</source>
        <translation>最後に参照したフォルダー</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translatorcomment>「オンラインヘルプ」は幅 73 ピクセルのリンクに収まらないため「ヘルプ」。</translatorcomment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>All (*.*)</source>
        <extracomment>The row of the extension list that lists files of every kind.</extracomment>
        <translation>すべて (*.*)</translation>
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
        <translation>出力</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>ファイル名:</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Zip run failed</source>
        <extracomment>Notification title when a run in the background ended without an archive.</extracomment>
        <translation>圧縮に失敗しました</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written.</source>
        <translation>「%1」 は書き込まれませんでした。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ready in %2.</source>
        <extracomment>%1 the archive&apos;s file name, %2 its folder.</extracomment>
        <translation>「%1」 が %2 にできました。</translation>
    </message>
    <message>
        <source>Archive ready</source>
        <extracomment>Notification title when a run in the background made its archive.</extracomment>
        <translation>アーカイブができました</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>ウィンドウを表示</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n バイト</numerusform>
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
        <translation>不明</translation>
    </message>
</context>
<context>
    <name>UserMessage</name>
    <message>
        <source>the file no longer exists</source>
        <translation>ファイルがもう存在しません</translation>
    </message>
    <message>
        <source>its date could not be read</source>
        <translation>日付を読み取れませんでした</translation>
    </message>
    <message>
        <source>its size could not be read</source>
        <translation>サイズを読み取れませんでした</translation>
    </message>
    <message>
        <source>another archive is still being written</source>
        <translation>別のアーカイブをまだ書き込み中です</translation>
    </message>
    <message>
        <source>it could not be created</source>
        <translation>作成できませんでした</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read</source>
        <translation>ファイル 「%1」 を読み取れませんでした</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read whole (it changed or vanished during the run)</source>
        <translation>ファイル 「%1」 を最後まで読み取れませんでした (圧縮中に変更されたか、なくなりました)</translation>
    </message>
    <message>
        <source>the finished archive could not take its name</source>
        <translation>完成したアーカイブに名前を付けられませんでした</translation>
    </message>
    <message>
        <source>writing &quot;%1&quot; into it failed</source>
        <translation>「%1」 を書き込めませんでした</translation>
    </message>
    <message>
        <source>it could not be finished</source>
        <translation>完成できませんでした</translation>
    </message>
    <message>
        <source>the zip engine stopped</source>
        <translation>圧縮が止まりました</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>What failed, then the system&apos;s reason for it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <source>hidden file: not put into the archive</source>
        <translation>隠しファイル: アーカイブに入れていません</translation>
    </message>
    <message>
        <source>replaced by the file of the same name from &quot;%1&quot;</source>
        <translation>「%1」 にある同じ名前のファイルで置き換えられました</translation>
    </message>
    <message>
        <source>not a .%1 file</source>
        <translation>.%1 ファイルではありません</translation>
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
            <numerusform>... ほか %n 件。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out of &quot;%1&quot;:</source>
        <extracomment>%1 is the archive; the files follow, one a line.</extracomment>
        <translation>
            <numerusform>「%1」 に入れなかったファイルが %n 個あります:</numerusform>
        </translation>
    </message>
    <message>
        <source> No File Found. Please try again.</source>
        <extracomment>Shown after Browse; the English words start with a space, as they always have.</extracomment>
        <translation>ファイルが見つかりません。もう一度お試しください。</translation>
    </message>
    <message>
        <source> No %1 Files Found. Please try again.</source>
        <extracomment>%1 is the chosen extension, upper-cased (JPG).</extracomment>
        <translation>%1 ファイルが見つかりません。もう一度お試しください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>「%1」 はフォルダーではありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder: %2.</source>
        <translation>「%1」 はフォルダーではありません: %2。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>フォルダー 「%1」 を読み取れません: %2。</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be read:</source>
        <extracomment>The folders follow, one a line, each with the reason.</extracomment>
        <translation>
            <numerusform>読み取れないフォルダーが %n 個あります:</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a name for the archive.</source>
        <translation>アーカイブの名前を入力してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a file name. Please choose another name.</source>
        <translation>「%1」 はファイル名に使えません。別の名前を選んでください。</translation>
    </message>
    <message>
        <source>The name may not contain &quot;/&quot;. Please choose another name.</source>
        <translation>名前に 「/」 は使えません。別の名前を選んでください。</translation>
    </message>
    <message>
        <source>The name may not contain a line break or a NUL character. Please choose another name.</source>
        <translation>名前に改行や NUL 文字は使えません。別の名前を選んでください。</translation>
    </message>
    <message numerus="yes">
        <source>The name is %n bytes long; at most %1 are possible (with &quot;.zip&quot; added). Please choose a shorter name.</source>
        <extracomment>%n, the name&apos;s length in bytes, is always above %1, the most a name may have.</extracomment>
        <translation>
            <numerusform>名前が %n バイトあります。使えるのは (「.zip」 を付けて) %1 バイトまでです。もっと短い名前を選んでください。</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is a folder, so the archive cannot take its name. Please choose another name.</source>
        <translation>「%2」 の 「%1」 はフォルダーなので、アーカイブにその名前を付けられません。別の名前を選んでください。</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists in &quot;%2&quot;. Do you want to replace it?

It is replaced only when the new archive is finished. Press Cancel to choose another name.</source>
        <translation>「%2」 に 「%1」 という名前のファイルがすでにあります。置き換えますか?

置き換えは新しいアーカイブが完成したときに行われます。別の名前を選ぶには [キャンセル] を押してください。</translation>
    </message>
    <message>
        <source>The staging folder &quot;%1&quot; could not be deleted (%2): %3.</source>
        <translation>作業フォルダー 「%1」 を削除できませんでした (%2): %3。</translation>
    </message>
    <message>
        <source>The list of unfinished archives &quot;%1&quot; could not be read or written: %2.</source>
        <translation>未完成のアーカイブの一覧 「%1」 を読み書きできませんでした: %2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Please press Start again when it is done.</source>
        <translation>「%1」 をまだ書き込み中です。終わったらもう一度 [開始] を押してください。</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: the run could not be started: %2.</source>
        <translation>アーカイブ 「%1」 は書き込まれませんでした: 圧縮を開始できませんでした: %2。</translation>
    </message>
    <message>
        <source>No file is checked, so nothing was zipped. Please check the files to put into the archive and press Start again.</source>
        <translation>チェックされたファイルがないため、何も圧縮しませんでした。アーカイブに入れるファイルにチェックを付けて、もう一度 [開始] を押してください。</translation>
    </message>
    <message>
        <source>None of the checked files is a .%1 file, so nothing was zipped. Please choose their extension in the list and press Start again.</source>
        <translation>チェックされたファイルに .%1 ファイルがないため、何も圧縮しませんでした。一覧でそれらの拡張子を選んで、もう一度 [開始] を押してください。</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written (an archive of that name from before is left as it was).</source>
        <translation>圧縮を中止しました: 「%1」 は書き込まれていません (以前からある同じ名前のアーカイブはそのままです)。</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was not written: &quot;%2&quot; could not be queued: %3.</source>
        <translation>アーカイブ 「%1」 は書き込まれませんでした: 「%2」 をキューに入れられませんでした: %3。</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; could not be written: %2.</source>
        <translation>アーカイブ 「%1」 を書き込めませんでした: %2。</translation>
    </message>
    <message>
        <source>The help page could not be found. Looked for:
%1
%2</source>
        <translation>ヘルプページが見つかりません。探した場所:
%1
%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>置き換え(&amp;R)</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>がありません</translation>
    </message>
    <message>
        <source>does not read back (its local header is missing)</source>
        <translation>を読み戻せません (ローカルヘッダーがありません)</translation>
    </message>
    <message>
        <source>does not read back (its extra fields are damaged)</source>
        <translation>を読み戻せません (拡張フィールドが壊れています)</translation>
    </message>
    <message>
        <source>does not read back (it is stored in a way Volarin Z does not write)</source>
        <translation>を読み戻せません (Volarin Z が書き込まない方式で格納されています)</translation>
    </message>
    <message>
        <source>does not read back (its password does not fit)</source>
        <translation>を読み戻せません (パスワードが合いません)</translation>
    </message>
    <message>
        <source>does not read back (its data is damaged)</source>
        <translation>を読み戻せません (データが壊れています)</translation>
    </message>
    <message>
        <source>does not read back (size differs)</source>
        <translation>を読み戻せません (サイズが一致しません)</translation>
    </message>
    <message>
        <source>does not read back (CRC differs)</source>
        <translation>を読み戻せません (CRC が一致しません)</translation>
    </message>
    <message>
        <source>could not be read back</source>
        <translation>を読み戻せませんでした</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>sizes</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>method</source>
        <translation>圧縮方式</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>フラグ</translation>
    </message>
    <message>
        <source>date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>extra fields</source>
        <translation>拡張フィールド</translation>
    </message>
    <message>
        <source>does not read back (its local header differs from the central directory: %1)</source>
        <translation>を読み戻せません (ローカルヘッダーがセントラルディレクトリと異なります: %1)</translation>
    </message>
    <message>
        <source>it could not be read back</source>
        <translation>読み戻せませんでした</translation>
    </message>
    <message>
        <source>its end record is damaged</source>
        <translation>終端レコードが壊れています</translation>
    </message>
    <message>
        <source>its central directory is damaged</source>
        <translation>セントラルディレクトリが壊れています</translation>
    </message>
    <message>
        <source>it holds %1 entries where %2 were written</source>
        <translation>エントリが %1 個ありますが、書き込んだのは %2 個です</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; %2</source>
        <translation>エントリ 「%1」 %2</translation>
    </message>
    <message>
        <source>the archive could not be proven: %1</source>
        <translation>アーカイブを検証できませんでした: %1</translation>
    </message>
    <message>
        <source>the drive cannot hold files over 4 GB</source>
        <translation>このドライブには 4 GB を超えるファイルを置けません</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a file&apos;s date, as in 1 July 1979</comment>
        <translation>yyyy年M月d日</translation>
    </message>
    <message>
        <source>dated %1: readers that know only ZIP&apos;s own dates show %2</source>
        <translation>日付は %1: ZIP 本来の日付しか扱えないプログラムでは %2 と表示されます</translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translation>制御文字 (U+%1)</translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact date of %n file dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>アーカイブ 「%1」 には、1980 年から 2107 年の範囲外の日付を持つファイル %n 個の正確な日付が保存されています:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact dates of %n files dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>アーカイブ 「%1」 には、1980 年から 2107 年の範囲外の日付を持つファイル %n 個の正確な日付が保存されています:</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not allow %2 in file names, so &quot;%3&quot; cannot be written there. Please choose another name.</source>
        <translation>「%1」 のドライブではファイル名に %2 を使えないため、「%3」 をそこに書き込めません。別の名前を選んでください。</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; does not accept &quot;%2&quot; as a file name (%3). Please choose another name.</source>
        <translation>「%1」 のドライブは 「%2」 をファイル名として受け付けません (%3)。別の名前を選んでください。</translation>
    </message>
    <message>
        <source>The drive of &quot;%1&quot; cannot hold files over 4 GB, and the files to zip come to %2, so the archive may not fit there.

Zip them anyway? Press Cancel to choose another folder.</source>
        <translation>「%1」 のドライブには 4 GB を超えるファイルを置けませんが、圧縮するファイルは合計 %2 あるため、アーカイブが収まらないおそれがあります。

それでも圧縮しますか? 別のフォルダーを選ぶには [キャンセル] を押してください。</translation>
    </message>
    <message>
        <source>No file could be read for &quot;%1&quot;, so no archive was written:</source>
        <translation>「%1」 に入れるファイルを 1 つも読み取れなかったため、アーカイブは書き込まれませんでした:</translation>
    </message>
    <message>
        <source>The run was stopped: &quot;%1&quot; was not written.</source>
        <translation>圧縮を中止しました: 「%1」 は書き込まれていません。</translation>
    </message>
    <message>
        <source>The run was stopped too late: the archive &quot;%1&quot; was already written.</source>
        <translation>圧縮の中止が間に合いませんでした: アーカイブ 「%1」 はすでに書き込まれています。</translation>
    </message>
    <message>
        <source>&amp;Zip Anyway</source>
        <translation>それでも圧縮(&amp;Z)</translation>
    </message>
</context>
<context>
    <name>XP_ProgressBar</name>
    <message>
        <source>Gathering Required Information</source>
        <translation>必要な情報を収集しています</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The bar&apos;s percentage; %1 is the number.</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
</TS>
