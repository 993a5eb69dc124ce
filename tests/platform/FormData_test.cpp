#include "FormData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QString SourceTree()
{
    return QStringLiteral(VOLARIN_SOURCE_DIR);
}
} // namespace

TEST(FormData, ParsesEveryValueType)
{
    FormData data;
    const auto result = data.Parse(QStringLiteral(
        "# comment\n"
        "[chameleonButton1]\n"
        "TX = \"Say \"\"hi\"\" & go\"\n"
        "ENAB = True\n"
        "BCOL = &HD8E9EC\n"
        "MCOL = &H80000012&\n"
        "Count = -42\n"
        "Ratio = 8.25\n"
        "FONT = Font(\"Tahoma\", 9.75, Bold=True, Italic=False, Underline=True, Charset=0)\n"
        "PICN = Nothing\n"
        "\n"
        "[Other]\n"
        "x = 1\n"));
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    const PropertyBag& b = data.Control(QStringLiteral("CHAMELEONBUTTON1"));
    EXPECT_EQ(b.ReadString(QStringLiteral("tx"), {}), QStringLiteral("Say \"hi\" & go"));
    EXPECT_TRUE(b.ReadBool(QStringLiteral("ENAB"), false));
    EXPECT_EQ(b.ReadInt(QStringLiteral("BCOL"), 0), 0xD8E9EC);
    EXPECT_EQ(static_cast<uint32_t>(b.ReadInt(QStringLiteral("MCOL"), 0)), 0x80000012u);
    EXPECT_EQ(b.ReadInt(QStringLiteral("Count"), 0), -42);
    EXPECT_DOUBLE_EQ(std::get<double>(b.ReadProperty(QStringLiteral("Ratio"))), 8.25);
    const FontObject font = b.ReadFont(QStringLiteral("font"), FontObject());
    EXPECT_EQ(font.Name(), QStringLiteral("Tahoma"));
    EXPECT_DOUBLE_EQ(font.Size(), 9.75);
    EXPECT_TRUE(font.Bold());
    EXPECT_TRUE(font.Underline());
    EXPECT_EQ(b.ReadPicture(QStringLiteral("PICN")), nullptr);
    EXPECT_TRUE(b.Contains(QStringLiteral("PICN")));
    const std::vector<QString> names{QStringLiteral("chameleonButton1"), QStringLiteral("Other")};
    EXPECT_EQ(data.ControlNames(), names);
    EXPECT_TRUE(data.Control(QStringLiteral("Missing")).Entries().empty());
}

TEST(FormData, ReportsTheLineOfEveryMistake)
{
    struct Case {
        const char* text;
        const char* fragment;
    };
    const Case cases[] = {
        {"x = 1\n", ":1: setting outside"},
        {"[A]\ny 2\n", ":2: expected Key = value"},
        {"[A]\nx = \"open\n", ":2: badly quoted"},
        {"[A]\nx = &H1FFFFFFFF\n", ":2: not a 32-bit"},
        {"[A]\nx = 99999999999\n", ":2: unreadable value"},
        {"[A]\nx = 1\nX = 2\n", ":3: key X appears twice"},
        {"[A]\n[a]\n", ":2: control a appears twice"},
        {"[A]\nf = Font(\"x\")\n", ":2: Font needs"},
        {"[A\n", ":1: bad section header"},
    };
    for (const Case& c : cases) {
        FormData data;
        const auto result = data.Parse(QString::fromUtf8(c.text), QStringLiteral("Test.frm"));
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_TRUE(result.error.contains(QString::fromUtf8(c.fragment)))
            << c.text << " -> " << result.error.toStdString();
        EXPECT_TRUE(data.ControlNames().empty());
    }
}

TEST(FormData, UnreadablePictureLoadsAsNothingWithAWarning)
{
    FormData data;
    const auto result = data.Parse(QStringLiteral("[A]\nx = 1\np = Picture(\"/no/such/file.bmp\")\n"),
                                   QStringLiteral("Test.frm"));
    ASSERT_TRUE(result.ok);
    ASSERT_EQ(result.warnings.size(), 1);
    EXPECT_TRUE(result.warnings[0].startsWith(QStringLiteral("Test.frm:3: cannot read picture")));
    EXPECT_TRUE(data.Control(QStringLiteral("A")).Contains(QStringLiteral("p")));
    EXPECT_EQ(data.Control(QStringLiteral("A")).ReadPicture(QStringLiteral("p")), nullptr);
}

TEST(FormData, MainWindowFileHoldsTheProgressBarSettings)
{
    FormData data;
    const auto result = data.Load(SourceTree() + QStringLiteral("/resources/forms/Form1.frm"));
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    const PropertyBag& bar = data.Control(QStringLiteral("XP_ProgressBar1"));
    EXPECT_EQ(bar.ReadInt(QStringLiteral("Scrolling"), -1), 1);
    EXPECT_EQ(bar.ReadInt(QStringLiteral("Color"), -1), 0xFFFFFF);
    EXPECT_EQ(bar.ReadInt(QStringLiteral("BrushStyle"), -1), 0);
    EXPECT_EQ(bar.ReadInt(QStringLiteral("Width"), 0), 177);
    EXPECT_EQ(bar.ReadInt(QStringLiteral("Height"), 0), 17);
    const FontObject font = bar.ReadFont(QStringLiteral("Font"), FontObject(QStringLiteral("x"), 1));
    EXPECT_EQ(font.Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_DOUBLE_EQ(font.Size(), 8.25);
    EXPECT_FALSE(font.Bold());
    FormData second;
    EXPECT_TRUE(second.Load(SourceTree() + QStringLiteral("/resources/forms/Form2.frm")).ok);
    EXPECT_FALSE(FormData().Load(QStringLiteral("/no/such/Form9.frm")).ok);
}

TEST(FormData, RelativePicturePathsAreReadBesideTheFormFile)
{
    QTemporaryDir dir;
    QImage img(5, 4, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(dir.filePath(QStringLiteral("open.png"))));
    QFile form(dir.filePath(QStringLiteral("Form9.frm")));
    ASSERT_TRUE(form.open(QIODevice::WriteOnly));
    form.write("[Button]\nPICN = Picture(\"open.png\")\n");
    form.close();
    FormData data;
    const auto result = data.Load(form.fileName());
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(result.warnings.isEmpty());
    const PicturePtr picture = data.Control(QStringLiteral("button")).ReadPicture(QStringLiteral("picn"));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->WidthPixels(), 5);
    EXPECT_EQ(picture->Source(), QStringLiteral("open.png"));
}
