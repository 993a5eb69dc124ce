#include "ZipWorkflow.h"

#include "Form1.h"
#include "Form2.h"
#include "HelpPage.h"
#include "Module1.h"
#include "Shell.h"
#include "StagingWalk.h"
#include "XP_ProgressBar.h"
#include "Zipper.h"
#include "chameleonButton.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QUrl>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <sys/statvfs.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

QString shown(const fs::path& p)
{
    return QFile::decodeName(QByteArray::fromStdString(p.native()));
}

const QString kTitle = QStringLiteral("Volarin Z");

}  // namespace

ZipWorkflow::ZipWorkflow(Form1& form)
    : QObject(&form), form_(form), zipper_(std::make_unique<Zipper>()), staging_(std::make_unique<StagingArea>())
{
    connect(zipper_.get(), &Zipper::Progress, this, &ZipWorkflow::Zipper_Progress);
    connect(zipper_.get(), &Zipper::Complete, this, &ZipWorkflow::Zipper_Complete);
    connect(zipper_.get(), &Zipper::Error, this, &ZipWorkflow::Zipper_Error);
}

ZipWorkflow::~ZipWorkflow()
{
    // Normally Unload has done this; a window destroyed without closing must
    // not leave copies of the user's files behind either.
    zipper_->StopRun();
    staging_->RemoveAll();
}

void ZipWorkflow::SetStagingRoot(const fs::path& root)
{
    delete form2_.data();  // it holds the old area
    staging_->RemoveAll();
    staging_ = std::make_unique<StagingArea>(root);
}

int ZipWorkflow::Percent(int64_t zipped, int64_t total)
{
    if (total <= 0)
        return 100;
    // nearbyint follows the default rounding mode: to nearest, ties to even.
    return static_cast<int>(std::nearbyint(static_cast<double>(zipped) * 100.0 / static_cast<double>(total)));
}

QString ZipWorkflow::SelectedExtensionRow() const
{
    return form_.SelectedFilterRow();
}

std::string ZipWorkflow::BrowseForFolder()
{
    Module1::ChosenFolder.clear();
    Module1::BrowseForFolder();
    return Module1::ChosenFolder;
}

void ZipWorkflow::ShowNameError(const QString& text)
{
    ShowMessage(text, true);
}

void ZipWorkflow::ShowMessage(const QString& text, bool error)
{
    Shell::Instance().MessageBox(text, kTitle, error ? Shell::Icon::Warning : Shell::Icon::Information);
}

bool ZipWorkflow::StagingInUse(const fs::path& folder) const
{
    return zipper_->Zipping() && folder == runStaging_;
}

void ZipWorkflow::OutputChosen(const fs::path& stagingFolder, const fs::path& outputBase)
{
    Module1::StagingFolder = stagingFolder.native();
    Module1::OutputBase = outputBase.native();
    form_.chameleonButton1()->SetEnabled(true);
}

void ZipWorkflow::Output()
{
    if (!form2_)
        form2_ = new Form2(*this, *staging_, &form_);
    form2_->ShowDialog();
}

void ZipWorkflow::Start()
{
    // A name confirmed during a run enables Start again; a second run cannot
    // begin before the first has ended, and List1 is left as it is.
    if (zipper_->Zipping()) {
        ShowMessage(QStringLiteral("\"%1\" is still being written. Please press Start again when it is done.")
                        .arg(shown(archive_)),
                    false);
        return;
    }
    form_.addlist();
    if (form_.List1().empty() || Module1::StagingFolder.empty())
        return;
    CopyToStaging();
    ZipFiles();
}

void ZipWorkflow::CopyToStaging()
{
    std::vector<fs::path> sources;
    sources.reserve(form_.List1().size());
    for (const std::string& path : form_.List1())
        sources.emplace_back(path);
    copyReport_ = StagingCopy::CopyAll(sources, Module1::StagingFolder);
}

std::optional<QString> ZipWorkflow::AddFolderToZip(const fs::path& folder)
{
    std::error_code ec;
    const std::vector<StagedEntry> entries = StagingWalk::List(folder, ec);
    if (ec)
        return QStringLiteral("the staging folder \"%1\" could not be read: %2")
            .arg(shown(folder), QString::fromLocal8Bit(ec.message()));
    for (const StagedEntry& entry : entries) {
        if (zipper_->AddFile(entry.source, entry.asFile))
            return QStringLiteral("\"%1\" could not be queued: %2")
                .arg(shown(entry.source), QString::fromStdString(zipper_->Failed()));
    }
    return std::nullopt;
}

void ZipWorkflow::ZipFiles()
{
    archive_ = fs::path(Module1::OutputBase + ".zip");
    runStaging_ = Module1::StagingFolder;
    const QString archiveText = shown(archive_);

    // Start and Output wait for the next scan and the next confirmed name,
    // whatever happens below.
    form_.chameleonButton1()->SetEnabled(false);
    form_.chameleonButton3()->SetEnabled(false);

    if (copyReport_.copied == 0) {
        ShowMessage(copyReport_.Message(archiveText), true);
        copyReport_ = {};
        return;
    }

    // Nothing from an earlier queuing that failed may ride along: its entries
    // are dropped and its byte count set aside for the percentage.
    zipper_->ClearFiles();
    bytesBaseline_ = zipper_->BytesToZip();
    if (std::optional<QString> problem = AddFolderToZip(runStaging_)) {
        zipper_->ClearFiles();
        QString text = QStringLiteral("The archive \"%1\" was not written: %2.").arg(archiveText, *problem);
        if (!copyReport_.failed.empty())
            text += QStringLiteral("\n\n") + copyReport_.Message(archiveText);
        copyReport_ = {};
        ShowMessage(text, true);
        return;
    }

    form_.prgZip()->setVisible(true);
    if (zipper_->Zip(archive_)) {
        form_.prgZip()->setVisible(false);
        QString text = QStringLiteral("The archive \"%1\" could not be written: %2.").arg(archiveText, RunFailureReason());
        if (!copyReport_.failed.empty())
            text += QStringLiteral("\n\n") + copyReport_.Message(archiveText);
        copyReport_ = {};
        ShowMessage(text, true);
    }
}

QString ZipWorkflow::RunFailureReason() const
{
    const std::string& step = zipper_->Failed();
    QString what;
    if (step == "OpenZip")
        what = QStringLiteral("it could not be created");
    else if (step == "ReadFile")
        what = QStringLiteral("the file \"%1\" could not be read whole (it changed or vanished during the run)")
                   .arg(shown(zipper_->CurrentFile().SourceFile));
    else if (step == "RenameZip")
        what = QStringLiteral("the finished archive could not take its name");
    else if (step == "WriteBytes" || step == "CloseFileInZip" || step == "OpenFileInZip")
        what = QStringLiteral("writing \"%1\" into it failed").arg(QString::fromStdString(zipper_->CurrentFile().AsFile));
    else if (step == "CloseZip")
        what = QStringLiteral("it could not be finished");
    else
        what = QString::fromStdString(step);

    // The writer keeps only a code; the system's reason is found again by
    // looking at the archive's folder.
    QString why;
    const fs::path folder = archive_.parent_path().empty() ? fs::path(".") : archive_.parent_path();
    std::error_code ec;
    struct statvfs vfs {};
    if (!fs::is_directory(folder, ec))
        why = QString::fromLocal8Bit(std::strerror(ec ? ec.value() : ENOENT));
    else if (::access(folder.c_str(), W_OK) != 0)
        why = QString::fromLocal8Bit(std::strerror(errno));
    else if (::statvfs(folder.c_str(), &vfs) == 0 && vfs.f_bavail == 0)
        why = QString::fromLocal8Bit(std::strerror(ENOSPC));
    if (why.isEmpty() && zipper_->Result() != 0 && step != "ReadFile")
        why = QStringLiteral("error code %1").arg(zipper_->Result());
    return why.isEmpty() ? what : QStringLiteral("%1 (%2)").arg(what, why);
}

void ZipWorkflow::Zipper_Progress()
{
    const int64_t total = zipper_->BytesToZip() - bytesBaseline_;
    const int percent = Percent(zipper_->BytesZipped(), total);
    form_.prgZip()->setValue(percent);
    // The bar redraws its whole surface on every set; a run of many small
    // files reports progress thousands of times with the same values.
    XP_ProgressBar* bar = form_.XP_ProgressBar1();
    if (bar->Color() != 0x808000u)
        bar->SetColor(0x808000);
    if (bar->Value() != form_.prgZip()->value())
        bar->SetValue(form_.prgZip()->value());
    form_.Label2()->setVisible(true);
    form_.Label2()->setText(QStringLiteral("%1%").arg(percent));
}

void ZipWorkflow::Zipper_Complete(bool)
{
    bytesBaseline_ = 0;
    form_.Label2()->setVisible(true);
    if (!copyReport_.failed.empty())
        ShowMessage(copyReport_.Message(shown(archive_)), true);
    copyReport_ = {};
    emit RunFinished(true);
}

void ZipWorkflow::Zipper_Error()
{
    bytesBaseline_ = 0;
    form_.prgZip()->setVisible(false);
    QString text = QStringLiteral("The archive \"%1\" could not be written: %2.").arg(shown(archive_), RunFailureReason());
    if (!copyReport_.failed.empty())
        text += QStringLiteral("\n\n") + copyReport_.Message(shown(archive_));
    copyReport_ = {};
    ShowMessage(text, true);
    emit RunFinished(false);
}

void ZipWorkflow::Help()
{
    const QString folder = programFolder_.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder_;
    const QString page = HelpPage::Find(folder);
    if (page.isEmpty()) {
        ShowMessage(QStringLiteral("The help page could not be found. Looked for:\n%1")
                        .arg(HelpPage::Candidates(folder).join(QLatin1Char('\n'))),
                    true);
        return;
    }
    Shell::Instance().OpenUrl(QUrl::fromLocalFile(page).toString());
}

void ZipWorkflow::Unload()
{
    // The run is stopped first so no file of the staging folder is open and
    // no Error or message comes at exit.
    zipper_->StopRun();
    delete form2_.data();
    const StagingOutcome removed = staging_->RemoveAll();
    if (!removed.ok)
        ShowMessage(removed.message, true);
}
