#pragma once
// The main window's side of zipping: Output (the name dialog), Start (copy
// the chosen files into the staging folder, queue them, run the Zipper), the
// Zipper's events on the window, the help link and the clean-up at exit.
#include "Form2.h"
#include "Form2Host.h"
#include "StagingArea.h"
#include "StagingCopy.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class Form1;
class Zipper;

class ZipWorkflow : public QObject, public Form2Host {
    Q_OBJECT
public:
    explicit ZipWorkflow(Form1& form);
    ~ZipWorkflow() override;

    Zipper& zipper() const { return *zipper_; }
    StagingArea& Staging() const { return *staging_; }
    // Staging folders go under this root from now on (tests use their own).
    void SetStagingRoot(const std::filesystem::path& root);
    // The Output dialog while it is loaded.
    Form2* OutputDialog() const { return form2_; }
    // Where the help page is looked for (the program's folder by default).
    void SetProgramFolder(const QString& folder) { programFolder_ = folder; }
    // The archive of the run under way or last started.
    const std::filesystem::path& Archive() const { return archive_; }

    // zipped x 100 / total rounded to the nearest integer, ties to even.
    static int Percent(int64_t zipped, int64_t total);

    void Output();  // Output button
    void Start();   // Start button
    void Help();    // "Online Help"
    void Unload();  // the main window closes

    // Form2Host
    QString SelectedExtensionRow() const override;
    std::string BrowseForFolder() override;
    void ShowNameError(const QString& text) override;
    bool StagingInUse(const std::filesystem::path& folder) const override;
    void OutputChosen(const std::filesystem::path& stagingFolder, const std::filesystem::path& outputBase) override;

signals:
    // The run ended (Complete or Error) and its messages, if any, were shown.
    void RunFinished(bool ok);

private:
    void CopyToStaging();
    void ZipFiles();
    // Queues every file the staging walk finds; on failure why, in words.
    std::optional<QString> AddFolderToZip(const std::filesystem::path& folder);
    void Zipper_Progress();
    void Zipper_Complete(bool canceled);
    void Zipper_Error();
    // Why the Zipper stopped, in words: its failed step and the system's reason.
    QString RunFailureReason() const;
    void ShowMessage(const QString& text, bool error);

    Form1& form_;
    std::unique_ptr<Zipper> zipper_;
    std::unique_ptr<StagingArea> staging_;
    QPointer<Form2> form2_;

    std::filesystem::path archive_;
    std::filesystem::path runStaging_;  // the staging folder the run reads
    int64_t bytesBaseline_ = 0;         // BytesToZip left over from a failed queuing
    StagingCopyReport copyReport_;
    QString programFolder_;
};
