#include "AppFixture.h"
#include "FileListView.h"
#include "Unprivileged.h"
#include "chameleonButton.h"

#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

namespace {

// Records the folders the scan asks for, and lists nothing.
class RecordingFileSystem : public LinuxFileSystem {
public:
    Result<void, ListingFailure> FolderFiles(const std::string& folder, std::vector<FolderFile>& files,
                                             std::stop_token = {}) const override
    {
        scanned.push_back(folder);
        files.clear();
        return {};
    }
    mutable std::vector<std::string> scanned;
};

class DropTest : public AppTest {
protected:
    // Percent-encodes the bytes as they are (QUrl would need valid UTF-8).
    static QByteArray Encoded(const std::string& path)
    {
        return QByteArray::fromStdString(path).toPercentEncoding("/");
    }

    static QByteArray UriList(const std::vector<std::string>& paths)
    {
        QByteArray list;
        for (const std::string& p : paths)
            list += "file://" + Encoded(p) + "\r\n";
        return list;
    }

    // The whole drag as a file manager sends it: enter, move, drop. Returns the drop event's action.
    // wait: until the folders are listed.
    Qt::DropAction Drop(const QByteArray& uriList, Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction,
                        bool wait = true)
    {
        QMimeData mime;
        mime.setData(QStringLiteral("text/uri-list"), uriList);
        QWidget* target = form->fileList()->viewport();
        const QPoint at(20, 20);
        QDragEnterEvent enter(at, offered, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDragMoveEvent move(at, offered, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        EXPECT_TRUE(move.isAccepted());
        EXPECT_EQ(move.dropAction(), Qt::CopyAction);
        QDropEvent drop(QPointF(at), offered, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        EXPECT_TRUE(drop.isAccepted());
        if (wait)
            WaitForListing();
        return drop.dropAction();
    }
};

TEST_F(DropTest, ScansDroppedFoldersInOrderAndFinishesTheScan)
{
    const std::string first = Folder("first", {"1.jpg"});
    const std::string second = Folder("second", {"2.jpg", "2.png"});
    form->startButton()->SetEnabled(true); // as if an output name had been chosen
    form->folderField()->setText("kept");

    EXPECT_EQ(Drop(UriList({first, second})), Qt::CopyAction);

    EXPECT_EQ(Names(), (std::vector<std::string>{"2.jpg", "1.jpg"}));
    EXPECT_EQ(Row(0).fullPath, second + "/2.jpg");
    EXPECT_TRUE(Row(0).checked);
    EXPECT_TRUE(Row(1).checked);
    EXPECT_FALSE(form->startButton()->Enabled());
    EXPECT_TRUE(form->clearButton()->Enabled());
    EXPECT_TRUE(form->outputButton()->Enabled());
    EXPECT_EQ(form->folderField()->text(), QStringLiteral("kept"));
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(DropTest, FilesMissingPathsRemoteUrlsAndEmptyMatchesAddNothingSilently)
{
    const std::string files = Folder("files", {"a.jpg"});
    const std::string noMatch = Folder("nomatch", {"a.txt"});
    const QByteArray list = UriList({files + "/a.jpg", noMatch, (temp.path() / "gone").string()})
                            + "file://otherhost/x\r\nhttp://example.com/\r\n";
    Drop(list);
    EXPECT_EQ(RowCount(), 0);
    EXPECT_FALSE(form->startButton()->Enabled());
    EXPECT_FALSE(form->clearButton()->Enabled());
    EXPECT_FALSE(form->outputButton()->Enabled());
    EXPECT_TRUE(shell.messages.empty());
}

// Root reads any folder, so as root the test runs again as nobody.
TEST_F(DropTest, FoldersThatCannotBeReadAreToldInOneMessageAfterTheDrop)
{
    VOLARIN_RUN_AS_NOBODY_WHEN_ROOT();
    const std::string locked = Folder("locked", {"secret.jpg"});
    const std::string shut = Folder("shut", {"hidden.jpg"});
    const std::string open = Folder("open", {"seen.jpg"});
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    std::filesystem::permissions(shut, std::filesystem::perms::owner_write);

    Drop(UriList({locked, open, open + "/seen.jpg", shut}), Qt::CopyAction | Qt::MoveAction, false);
    // The drop itself ends first: the file manager is not kept waiting on the box.
    EXPECT_TRUE(shell.messages.empty());
    WaitForListing();
    QCoreApplication::processEvents();

    std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
    std::filesystem::permissions(shut, std::filesystem::perms::owner_all);
    EXPECT_EQ(Names(), (std::vector<std::string>{"seen.jpg"}));
    EXPECT_TRUE(form->outputButton()->Enabled());
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].text, QString::fromStdString("2 folders cannot be read:\n" + locked
                                                             + ": Permission denied\n" + shut
                                                             + ": Permission denied"));
    EXPECT_EQ(shell.messages[0].icon, Shell::Icon::Warning);
}

TEST_F(DropTest, EveryDropChecksAllRowsAgainEvenWhenItAddsNothing)
{
    Drop(UriList({Folder("a", {"1.jpg", "2.jpg"})}));
    Files()->setData(Files()->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
    form->startButton()->SetEnabled(true);
    Drop(UriList({Folder("empty", {})}));
    EXPECT_TRUE(Row(0).checked);
    EXPECT_FALSE(form->startButton()->Enabled());
}

TEST_F(DropTest, RootGivesADoubledSeparator)
{
    RecordingFileSystem recording;
    FileSystem* previous = FileSystem::SetInstance(&recording);
    Drop("file:///\r\n");
    FileSystem::SetInstance(previous);
    EXPECT_EQ(recording.scanned, (std::vector<std::string>{"//"}));
}

TEST_F(DropTest, FolderNamesKeepTheirBytesAndLocalhostCounts)
{
    const std::string latin1 = Folder("d\xe9j\xe0", {"x.jpg"});
    const std::string other = Folder("other", {"y.jpg"});
    Drop(UriList({latin1}) + "file://localhost" + Encoded(other));
    ASSERT_EQ(RowCount(), 2);
    EXPECT_EQ(Row(1).fullPath, latin1 + "/x.jpg");
    EXPECT_EQ(Row(0).fullPath, other + "/y.jpg");
}

TEST_F(DropTest, NeverAcceptsAMoveOrForeignData)
{
    QWidget* target = form->fileList()->viewport();
    QMimeData files;
    files.setData(QStringLiteral("text/uri-list"), UriList({Folder("m", {"m.jpg"})}));

    QDragMoveEvent moveOnly(QPoint(5, 5), Qt::MoveAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &moveOnly);
    EXPECT_FALSE(moveOnly.isAccepted());
    QDropEvent dropMoveOnly(QPointF(5, 5), Qt::MoveAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropMoveOnly);
    EXPECT_FALSE(dropMoveOnly.isAccepted());
    EXPECT_EQ(RowCount(), 0);

    QMimeData text;
    text.setText(QStringLiteral("/etc"));
    QDragEnterEvent enterText(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enterText);
    EXPECT_FALSE(enterText.isAccepted());

    // A proposed move is turned into a copy.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent proposedMove(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton, Qt::NoModifier);
    proposedMove.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(target, &proposedMove);

    EXPECT_TRUE(proposedMove.isAccepted());
    EXPECT_EQ(proposedMove.dropAction(), Qt::CopyAction);
}

} // namespace
