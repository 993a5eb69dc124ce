<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>SizeText</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translatorcomment>The size column has always said &quot;1 bytes&quot;.</translatorcomment>
        <translation>
            <numerusform>%n bytes</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserMessage</name>
    <message numerus="yes">
        <source>... and %n more.</source>
        <extracomment>After the first 20 files left out: how many more there are.</extracomment>
        <translation>
            <numerusform>... and %n more.</numerusform>
            <numerusform>... and %n more.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out of &quot;%1&quot;:</source>
        <extracomment>%1 is the archive; the files follow, one a line.</extracomment>
        <translation>
            <numerusform>%n file was left out of &quot;%1&quot;:</numerusform>
            <numerusform>%n files were left out of &quot;%1&quot;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be read:</source>
        <extracomment>The folders follow, one a line, each with the reason.</extracomment>
        <translation>
            <numerusform>%n folder cannot be read:</numerusform>
            <numerusform>%n folders cannot be read:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The name is %n bytes long; at most %1 are possible (with &quot;.zip&quot; added). Please choose a shorter name.</source>
        <extracomment>%n, the name&apos;s length in bytes, is always above %1, the most a name may have.</extracomment>
        <translation>
            <numerusform>The name is %n byte long; at most %1 are possible (with &quot;.zip&quot; added). Please choose a shorter name.</numerusform>
            <numerusform>The name is %n bytes long; at most %1 are possible (with &quot;.zip&quot; added). Please choose a shorter name.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact date of %n file dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>The archive &quot;%1&quot; keeps the exact date of %n file dated outside the years 1980 to 2107:</numerusform>
            <numerusform>The archive &quot;%1&quot; keeps the exact dates of %n files dated outside the years 1980 to 2107:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The archive &quot;%1&quot; keeps the exact dates of %n files dated outside the years 1980 to 2107:</source>
        <translation>
            <numerusform>The archive &quot;%1&quot; keeps the exact date of %n file dated outside the years 1980 to 2107:</numerusform>
            <numerusform>The archive &quot;%1&quot; keeps the exact dates of %n files dated outside the years 1980 to 2107:</numerusform>
        </translation>
    </message>
</context>
</TS>
