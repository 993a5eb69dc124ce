// The program in other languages, through its real windows: a
// pseudo-translation (every text bracketed, a third longer, accented) leaves
// no word of ours in English and no caption clipped but the ones known to
// have no room to grow; each shipped language fills the windows with words
// that fit their controls, words a plural and the proposed name as that
// language has them, and Arabic mirrors the window.
#include "AppFixture.h"

#include "ArchiveName.h"
#include "ClickLabel.h"
#include "DriveRules.h"
#include "CommandLine.h"
#include "DeviceGrid.h"
#include "ExtensionList.h"
#include "OutputNameDialog.h"
#include "RunNotifier.h"
#include "SizeText.h"
#include "Translations.h"
#include "UserMessage.h"
#include "chameleonButton.h"

#include <QAccessible>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <iostream>
#include <optional>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const QString kTranslations = QStringLiteral(VOLARIN_TRANSLATIONS_DIR);
const QStringList kShipped = {"de", "fr", "es", "it", "pt_BR", "pl", "ru", "zh_CN", "ja", "ar"};

// A translation installed over the English one while it lives, with Qt's own
// words and the language's direction, as the program installs them.
class LanguageScope {
public:
    explicit LanguageScope(const QString& qmFile, const QString& language)
    {
        EXPECT_TRUE(ours_.load(qmFile)) << qmFile.toStdString();
        QCoreApplication::installTranslator(&ours_);
        if (qt_.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt_);
        if (QLocale(language).textDirection() == Qt::RightToLeft)
            QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    }
    explicit LanguageScope(const QString& language)
        : LanguageScope(kTranslations + QStringLiteral("/volarin-z_") + language + QStringLiteral(".qm"), language)
    {
    }
    ~LanguageScope()
    {
        QCoreApplication::removeTranslator(&qt_);
        QCoreApplication::removeTranslator(&ours_);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    }

private:
    QTranslator ours_, qt_;
};

struct Shown {
    QString where;
    QString text;
};

void CollectAccessible(QAccessibleInterface* node, const QString& where, std::vector<Shown>& out, int depth = 0)
{
    if (!node || depth > 12)
        return;
    out.push_back({where + QStringLiteral(" (accessible name)"), node->text(QAccessible::Name)});
    out.push_back({where + QStringLiteral(" (accessible description)"), node->text(QAccessible::Description)});
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        const QObject* object = child ? child->object() : nullptr;
        CollectAccessible(child, object && !object->objectName().isEmpty() ? object->objectName() : where, out,
                          depth + 1);
    }
}

// Every text a window shows or tells assistive technology, with where it is.
std::vector<Shown> TextsOf(QWidget& window)
{
    std::vector<Shown> out{{window.objectName() + QStringLiteral(" (title)"), window.windowTitle()}};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->window() != &window)
            continue;  // another window's, told with it
        const QString name = w->objectName();
        if (auto* box = qobject_cast<QGroupBox*>(w))
            out.push_back({name, box->title()});
        if (auto* label = qobject_cast<QLabel*>(w); label && label->isVisibleTo(&window))
            out.push_back({name, label->text()});
        if (auto* button = qobject_cast<chameleonButton*>(w))
            out.push_back({name, button->Caption()});
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                out.push_back({name + QStringLiteral(" row"), combo->itemText(i)});
        if (auto* header = qobject_cast<QHeaderView*>(w); header && header->model())
            for (int i = 0; i < header->count(); ++i)
                out.push_back({name + QStringLiteral(" column"),
                               header->model()->headerData(i, header->orientation()).toString()});
        out.push_back({name + QStringLiteral(" (tooltip)"), w->toolTip()});
    }
    CollectAccessible(QAccessible::queryAccessibleInterface(&window), window.objectName(), out);
    return out;
}

// A text of ours that went through the pseudo-translation: each of its lines
// (or none, for a text that is all data) is bracketed.
bool PseudoTranslated(const QString& text)
{
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (!line.isEmpty() && !(line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))))
            return false;
    return true;
}

// What is left of a message once its bracketed parts and the data it names
// are taken out: a letter there is a word that was never translated.
QString UntranslatedRest(QString text, const std::vector<QString>& data)
{
    for (const QString& d : data)
        text.remove(d);
    text.remove(QRegularExpression(QStringLiteral("\\[[^\\]]*\\]")));
    return text.remove(QRegularExpression(QStringLiteral("[^A-Za-z]")));
}

// Texts that are the user's data or the program's name, not words of ours.
bool Data(const Shown& s)
{
    static const std::set<QString> kNames = {QString(), QStringLiteral("Volarin Z 1.0"), QStringLiteral("Volarin Z"),
                                             QStringLiteral("Label1")};
    return kNames.count(s.text) > 0
           || (s.where.startsWith(QStringLiteral("Combo1")) && s.text != QStringLiteral("All (*.*)")
               && !s.text.startsWith(QLatin1Char('[')) && ExtensionList::Rows().contains(s.text));
}

// Where a text does not fit its control: a button's caption or picture on
// its frame (the layout and the pixels drawn at the screen's ratio), a label
// or frame title wider than its place.
std::vector<QString> FitProblems(QWidget& window)
{
    std::vector<QString> problems;
    for (chameleonButton* b : window.findChildren<chameleonButton*>()) {
        if (b->window() != &window)
            continue;
        b->SetEnabled(true);
        b->Redraw(0, true);
        const button::Layout& l = b->CurrentLayout();
        Rect inside = b->FocusRect();
        InflateRect(inside, 1, 1);
        const Rect picture{l.px, l.py, l.px + b->PictureWidthPixels(), l.py + b->PictureHeightPixels()};
        // The caption's box may reach the frame (its ink stays a pixel inside the
        // box); its ink must not.
        const Rect room{inside.left + 1, inside.top, inside.right - 1, inside.bottom};
        std::ostringstream why;
        if (l.caption.left < inside.left || l.caption.right > inside.right)
            why << " caption at " << l.caption.left << ".." << l.caption.right;
        if (b->PictureWidthPixels() > 0 && (picture.left < inside.left || picture.right > inside.right))
            why << " picture at " << picture.left << ".." << picture.right;
        // The caption's ink (black), outside the picture, as drawn at this screen's ratio.
        const QImage& drawn = b->Surface();
        const DeviceGrid grid = DeviceGrid::Of(drawn, b->size());
        const QRect pictureDevice = grid.Map(picture).ToQRect(), roomDevice = grid.Map(room).ToQRect();
        int ink = 0, outside = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (drawn.pixel(x, y) == 0xFF000000 && !pictureDevice.contains(x, y)) {
                    ++ink;
                    outside += !roomDevice.contains(x, y);
                }
        if (ink == 0 || outside > 0)
            why << " " << outside << " of " << ink << " caption pixels on the frame";
        if (!why.str().empty())
            problems.push_back(b->objectName() + QStringLiteral(" '") + b->Caption() + QStringLiteral("'")
                               + QString::fromStdString(why.str()));
    }
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->window() != &window || !label->isVisibleTo(&window) || label->text().isEmpty())
            continue;
        const int need = label->fontMetrics().horizontalAdvance(label->text());
        if (need > label->contentsRect().width())
            problems.push_back(label->objectName() + QStringLiteral(" '%1' needs %2 of %3 pixels")
                                                         .arg(label->text())
                                                         .arg(need)
                                                         .arg(label->contentsRect().width()));
    }
    for (QGroupBox* box : window.findChildren<QGroupBox*>()) {
        // The style's margins beside the title, as Fusion draws it.
        const int need = box->fontMetrics().horizontalAdvance(box->title()) + 8;
        if (need > box->width())
            problems.push_back(box->objectName() + QStringLiteral(" '%1' needs %2 of %3 pixels")
                                                       .arg(box->title())
                                                       .arg(need)
                                                       .arg(box->width()));
    }
    return problems;
}

class Languages : public AppTest {
protected:
    // The windows made again under the translation now installed.
    void Reload()
    {
        form = std::make_unique<MainWindow>(*run);
        form->show();
        form->OutputClicked();
        ASSERT_NE(form->outputDialog(), nullptr);
    }

    // A run of a.jpg with `hidden` hidden .jpg files checked, which it leaves out.
    QString RunLeavingOut(int hidden)
    {
        std::vector<std::string> names{"a.jpg"};
        for (int i = 0; i < hidden; ++i)
            names.push_back("." + std::to_string(i) + ".jpg");
        const std::string folder = Folder("photos" + std::to_string(hidden), names);
        shell.folderAnswers.push_back(folder);
        form->BrowseClicked();
        WaitForListing();
        form->OutputClicked();
        form->outputDialog()->nameField()->setText(QStringLiteral("out") + QString::number(hidden));
        shell.folderAnswers.push_back(temp.path().string());
        QTest::mouseClick(form->outputDialog()->okButton(), Qt::LeftButton);
        QSignalSpy ended(run.get(), &ZipRunService::Ended);
        shell.messages.clear();
        form->StartClicked();
        EXPECT_TRUE(ended.wait(30000));
        return shell.messages.empty() ? QString() : shell.messages.back().text;
    }
};

} // namespace

TEST(Translations, TheFirstShippedLanguageTheUserWantsIsShown)
{
    const QStringList shipped{"de", "pt_BR", "zh_CN", "ar", "en"};
    struct Case {
        QStringList wanted;
        const char* shown;
    };
    const Case cases[] = {
        {{"de-DE"}, "de"},
        {{"de-AT", "fr"}, "de"},
        {{"fr-FR", "de"}, "de"},          // French is not shipped here: the next one is
        {{"pt-BR"}, "pt_BR"},
        {{"pt"}, "pt_BR"},                // Portuguese alone is taken as Brazil's
        {{"pt-PT"}, ""},                  // but Portugal's is another language
        {{"zh-Hans-CN", "zh-CN"}, "zh_CN"},
        {{"zh-TW"}, ""},                  // traditional characters are not the simplified ones
        {{"en-US", "de"}, ""},            // English first: the sources' own words
        {{"C"}, ""},
        {{"ar-EG"}, "ar"},
        {{"nl-NL", "sv"}, ""},
        {{}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Translations::Choose(c.wanted, shipped), QString::fromLatin1(c.shown)) << c.wanted.join(',').toStdString();
}

TEST(Translations, TheProgramFindsItsShippedLanguages)
{
    QStringList shipped = Translations::Shipped(QFileInfo(kTranslations).path());
    shipped.sort();
    QStringList expected = kShipped;
    expected << QStringLiteral("en");
    expected.sort();
    EXPECT_EQ(shipped, expected);
}

TEST_F(Languages, PseudoTranslationLeavesNoWordOfOursInEnglish)
{
    const LanguageScope pseudo(QStringLiteral(VOLARIN_PSEUDO_QM), QStringLiteral("en"));
    Reload();
    for (QWidget* window : {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(form->outputDialog())})
        for (const Shown& s : TextsOf(*window))
            EXPECT_TRUE(Data(s) || PseudoTranslated(s.text)) << s.where.toStdString() << ": " << s.text.toStdString();

    // The words put together at run time: a run that leaves files out, the
    // picker's title, the notification, the size column, --help.
    const QString message = RunLeavingOut(2);
    ASSERT_FALSE(message.isEmpty());
    const QString folder = QString::fromStdString((temp.path() / "photos2").string());
    EXPECT_EQ(UntranslatedRest(message, {folder, QStringLiteral("out2.zip"), QString::fromStdString(temp.path().string())}),
              QString())
        << message.toStdString();
    EXPECT_TRUE(PseudoTranslated(shell.browseCalls.back().title));
    const RunNotifier::Notice notice
        = RunNotifier::For({RunOutcome::End::Completed, std::nullopt}, temp.path() / "out.zip");
    EXPECT_TRUE(PseudoTranslated(notice.summary));
    EXPECT_EQ(UntranslatedRest(notice.body, {QStringLiteral("out.zip"), QString::fromStdString(temp.path().string())}),
              QString());
    for (const QString& size : {SizeText(5), SizeText(2048), SizeText(5u << 20), UnknownSizeText()})
        EXPECT_TRUE(PseudoTranslated(size)) << size.toStdString();
    std::ostringstream out, err;
    CommandLine::Parse({"--help"}, "/").Answer(out, err);
    EXPECT_EQ(UntranslatedRest(QString::fromStdString(out.str()), {QStringLiteral("volarin-z")}), QString())
        << out.str();
}

// The pseudo-translation's captions are a third longer: all fit but those
// known to fill their place already in English (each language has a
// shorter word there, noted in its .ts file).
TEST_F(Languages, PseudoTranslatedCaptionsFitButThoseWithoutRoomToGrow)
{
    const LanguageScope pseudo(QStringLiteral(VOLARIN_PSEUDO_QM), QStringLiteral("en"));
    Reload();
    const std::set<QString> noRoom = {QStringLiteral("chameleonButton5"), QStringLiteral("Label3"),
                                      QStringLiteral("Label2"), QStringLiteral("Frame2")};
    for (QWidget* window : {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(form->outputDialog())})
        for (const QString& problem : FitProblems(*window)) {
            std::cout << "  pseudo-translation finding: " << problem.toStdString() << '\n';
            EXPECT_TRUE(noRoom.count(problem.section(QLatin1Char(' '), 0, 0))) << problem.toStdString();
        }
}

TEST_F(Languages, EveryShippedLanguageFitsItsControls)
{
    for (const QString& language : kShipped) {
        const LanguageScope scope(language);
        Reload();
        for (QWidget* window : {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(form->outputDialog())})
            for (const QString& problem : FitProblems(*window))
                ADD_FAILURE() << language.toStdString() << ": " << problem.toStdString();
        // Nothing left in English but what the language writes alike (OK, KB).
        EXPECT_NE(form->browseButton()->Caption(), QStringLiteral("Browse...")) << language.toStdString();
        EXPECT_NE(form->dropFrame()->title(), QStringLiteral("Drag and Drop Folders")) << language.toStdString();
        form.reset();
    }
}

TEST_F(Languages, ArabicMirrorsTheWindow)
{
    const LanguageScope arabic(QStringLiteral("ar"));
    Reload();
    EXPECT_EQ(form->layoutDirection(), Qt::RightToLeft);
    // The stored places turned around: the list on the right, the buttons on the left.
    EXPECT_EQ(form->dropFrame()->geometry(), QRect(640 - 8 - 441, 0, 441, 289));
    EXPECT_EQ(form->startButton()->geometry(), QRect(640 - 456 - 177, 104, 177, 49));
    EXPECT_EQ(form->browseButton()->geometry(), QRect(640 - 384 - 81, 296, 81, 25));
    EXPECT_EQ(form->fileList()->geometry(), QRect(441 - 8 - 425, 24, 425, 257));  // inside its frame
    // Pictures beside the captions on their right.
    for (chameleonButton* b : {form->startButton(), form->outputButton(), form->browseButton()})
        EXPECT_GE(b->CurrentLayout().px, b->CurrentLayout().caption.right) << b->objectName().toStdString();
    EXPECT_EQ(form->outputDialog()->layoutDirection(), Qt::RightToLeft);
}

TEST_F(Languages, PluralsTakeTheFormOfTheirLanguage)
{
    struct Case {
        const char* language;
        int files;
        const char* head;  // the message's first line, "%1" the archive
    };
    const Case cases[] = {
        {"en", 1, "1 file was left out of \"%1\":"},
        {"en", 2, "2 files were left out of \"%1\":"},
        {"de", 1, "1 Datei wurde nicht in „%1“ aufgenommen:"},
        {"de", 3, "3 Dateien wurden nicht in „%1“ aufgenommen:"},
        {"fr", 1, "1 fichier n'a pas été ajouté à «\u00a0%1\u00a0»\u00a0:"},
        {"fr", 2, "2 fichiers n'ont pas été ajoutés à «\u00a0%1\u00a0»\u00a0:"},
        {"ru", 1, "1 файл не вошёл в «%1»:"},
        {"ru", 3, "3 файла не вошли в «%1»:"},
        {"ru", 5, "5 файлов не вошли в «%1»:"},
        {"ru", 21, "21 файл не вошёл в «%1»:"},
        {"pl", 1, "1 plik pominięto w „%1”:"},
        {"pl", 22, "22 pliki pominięto w „%1”:"},
        {"pl", 25, "25 plików pominięto w „%1”:"},
        {"ar", 1, "استُبعد ملف واحد من «%1»:"},
        {"ar", 2, "استُبعد ملفان من «%1»:"},
        {"ar", 3, "استُبعدت 3 ملفات من «%1»:"},
        {"ar", 11, "استُبعد 11 ملفًا من «%1»:"},
        {"ar", 100, "استُبعد 100 ملف من «%1»:"},
        {"ja", 4, "「%1」 に入れなかったファイルが 4 個あります:"},
        {"zh_CN", 4, "有 4 个文件未放入“%1”："},
    };
    const fs::path archive = "/out/a.zip";
    for (const Case& c : cases) {
        const QString language = QString::fromLatin1(c.language);
        std::optional<LanguageScope> scope;
        if (language != QLatin1String("en"))
            scope.emplace(language);
        Failure failure{.kind = FailureKind::FilesLeftOut, .path = archive};
        for (int i = 0; i < c.files; ++i)
            failure.leftOut.push_back({.kind = FailureKind::SourceHidden, .path = "/in/." + std::to_string(i)});
        // Right to left a path is set in as one unit, between isolate marks.
        const QString shown = language == QLatin1String("ar") ? QStringLiteral("\u2068/out/a.zip\u2069")
                                                              : QStringLiteral("/out/a.zip");
        EXPECT_EQ(UserMessage::For(failure).text.section(QLatin1Char('\n'), 0, 0), QString::fromUtf8(c.head).arg(shown))
            << c.language << " " << c.files;
    }
}

TEST_F(Languages, TheProposedNameIsWordedWholeInTheLanguage)
{
    struct Case {
        const char* language;
        const char* row;
        QDate date;
        const char* name;
    };
    const Case cases[] = {
        {"de", "jpg", QDate(2026, 12, 6), "JPG-ZIP-Archiv 6. Dez. 2026"},
        {"de", "All (*.*)", QDate(2027, 1, 1), "ALLE-ZIP-Archiv 1. Jan. 2027"},
        {"fr", "pdf", QDate(2026, 2, 9), "Archive ZIP PDF 9 févr. 2026"},
        {"es", "png", QDate(2026, 9, 30), "Archivo ZIP PNG 30 sept 2026"},
        {"it", "mp3", QDate(2026, 6, 2), "Archivio ZIP MP3 2 giu 2026"},
        {"pt_BR", "doc", QDate(2026, 5, 1), "Arquivo ZIP DOC 1 mai. 2026"},
        {"pl", "txt", QDate(2026, 12, 24), "Archiwum ZIP TXT 24 gru 2026"},
        {"ru", "jpg", QDate(2026, 12, 6), "ZIP-архив JPG 6 дек. 2026"},
        {"zh_CN", "jpg", QDate(2026, 12, 6), "JPG ZIP 压缩文件 2026年12月6日"},
        {"ja", "jpg", QDate(2026, 12, 6), "JPG ZIP アーカイブ 2026年12月6日"},
        {"ar", "jpg", QDate(2026, 12, 6), "أرشيف ZIP لملفات JPG 6 ديسمبر 2026"},
    };
    for (const Case& c : cases) {
        const LanguageScope scope(QString::fromLatin1(c.language));
        EXPECT_EQ(ArchiveName::Propose(QString::fromUtf8(c.row), c.date, QLocale(QString::fromLatin1(c.language))),
                  QString::fromUtf8(c.name))
            << c.language;
    }
}

// A message whose words a translation reorders still names everything it is
// about: no "%1" left in it, and each file, name, size and reason shown.
TEST_F(Languages, EveryMessageNamesWhatItIsAbout)
{
    const auto noon = [](int year, int month, int day) {
        return QDateTime(QDate(year, month, day), QTime(12, 0), Qt::UTC).toSecsSinceEpoch();
    };
    const std::error_code invalid = std::make_error_code(std::errc::invalid_argument);
    const QString invalidText = QString::fromLocal8Bit(invalid.message());
    const Failure oldFile{.kind = FailureKind::DateOutsideZip, .path = "/in/old.jpg", .time = noon(1979, 7, 1)};
    const Failure farFile{.kind = FailureKind::DateOutsideZip, .path = "/in/far.jpg", .time = noon(2108, 3, 2)};
    const Failure unread{.kind = FailureKind::SourceNotCopied, .code = invalid, .path = "/in/gone.jpg"};
    const auto proof = [](ProofFault fault) {
        return Failure{.kind = FailureKind::ArchiveNotWritten, .path = "/out/a.zip", .step = ZipFailure::ProveZip,
                       .proof = std::move(fault)};
    };
    using What = ProofFault::What;
    struct Case {
        Failure failure;
        QStringList shows;
    };
    const QRegularExpression placeholder(QStringLiteral("%[0-9n]"));
    for (const QString& language : QStringList{"en"} + kShipped) {
        std::optional<LanguageScope> scope;
        if (language != QLatin1String("en"))
            scope.emplace(language);
        // Built under the language: a size is worded in it.
        const std::vector<Case> cases = {
            {{.kind = FailureKind::NameRefusedByDrive, .path = "/media/stick", .other = "a\x1f.zip", .entry = "\x1f"},
             {"/media/stick", "a\x1f.zip", "U+001F"}},
            {{.kind = FailureKind::NameRefusedByDrive, .code = invalid, .path = "/media/stick", .other = "a:b.zip"},
             {"/media/stick", "a:b.zip", invalidText}},
            {{.kind = FailureKind::ArchiveMayOutgrowDrive, .path = "/media/stick", .size = std::size_t{5} << 30},
             {"/media/stick", SizeText(std::size_t{5} << 30)}},
            {{.kind = FailureKind::ArchiveNotWritten, .code = std::make_error_code(std::errc::file_too_large),
              .path = "/out/a.zip", .entry = "big.iso", .step = ZipFailure::WriteBytes,
              .size = DriveRules::kFatLargestFile},
             {"/out/a.zip", "big.iso"}},
            {proof({.what = What::Unreadable}), {"/out/a.zip"}},
            {proof({.what = What::CountDiffers, .found = 3, .written = 4}), {"/out/a.zip", "3", "4"}},
            {proof({.what = What::EntryMissing, .entry = "sub/e.txt"}), {"/out/a.zip", "sub/e.txt"}},
            {proof({.what = What::HeaderDiffers, .field = ProofFault::Field::Crc, .entry = "e.txt"}),
             {"/out/a.zip", "e.txt", "CRC"}},
            {proof({.what = What::CrcDiffers, .entry = "e.txt"}), {"/out/a.zip", "e.txt", "CRC"}},
            {{.kind = FailureKind::DatesOutsideZip, .path = "/out/a.zip", .notes = {oldFile}},
             {"/out/a.zip", "/in/old.jpg", "1979", "1980"}},
            {{.kind = FailureKind::DatesOutsideZip, .path = "/out/a.zip", .notes = {oldFile, farFile}},
             {"/out/a.zip", "/in/old.jpg", "/in/far.jpg", "2108", "2107"}},
            {{.kind = FailureKind::NothingCopied, .path = "/out/a.zip", .leftOut = {unread}},
             {"/out/a.zip", "/in/gone.jpg", invalidText}},
            {{.kind = FailureKind::RunStopped, .path = "/out/a.zip"}, {"/out/a.zip"}},
            {{.kind = FailureKind::RunStoppedTooLate, .path = "/out/a.zip", .leftOut = {unread}, .notes = {oldFile}},
             {"/out/a.zip", "/in/gone.jpg", "/in/old.jpg", "1979"}},
        };
        for (const Case& c : cases) {
            const QString text = UserMessage::For(c.failure).text;
            EXPECT_FALSE(text.contains(placeholder)) << language.toStdString() << ": " << text.toStdString();
            for (const QString& shown : c.shows)
                EXPECT_TRUE(text.contains(shown))
                    << language.toStdString() << ": " << shown.toStdString() << " missing in " << text.toStdString();
        }
    }
}
