#pragma once

#include "Dialog.h"
#include "ModalSeam.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

class QFileDialog;

namespace glyphsmith::test {

// Answers every modal wait from a script instead of a modal loop, and records what was
// shown. Whatever the script did not expect is answered with Cancel and noted in
// Complaints(), which a test checks at its end.
class ScriptedModalSeam final : public ui::ModalSeam {
  public:
    using DialogStep = std::function<void(ui::Dialog&)>;
    // A chooser's answer to its request: the chosen path, or nothing for Cancel.
    using FolderStep = std::function<std::optional<QString>(const ui::FolderRequest&)>;
    using FileStep = std::function<std::optional<QString>(const ui::FileRequest&)>;
    using RealDialogStep = std::function<void(QFileDialog&)>;

    // Puts itself in force for its lifetime.
    ScriptedModalSeam() : scope_(*this) {}

    // The next dialog run modally is shown without a modal loop and handed to the step,
    // which should end it. One still open after a few seconds is cancelled.
    void OnNextDialog(DialogStep step) { dialogSteps_.push_back(std::move(step)); }
    // The next pop-up menu answers with the entry of this text.
    void OnNextMenu(const QString& entry) { menuAnswers_.push_back(entry); }
    void OnNextFolderChooser(FolderStep step) { folderSteps_.push_back(std::move(step)); }
    void OnNextFileChooser(FileStep step) { fileSteps_.push_back(std::move(step)); }
    // The next chooser of that kind is the program's own Qt dialog, handed to the step
    // once it shows; the step should end it. One that it leaves open is cancelled.
    void OnNextRealFolderChooser(RealDialogStep step);
    void OnNextRealFileChooser(RealDialogStep step);

    // Every message box as "caption | text | type", in the order shown.
    const QStringList& Messages() const { return messages_; }
    // For each message box, whether the wait cursor was up while it showed.
    const QList<bool>& WaitCursorAtMessages() const { return waitCursorAtMessages_; }
    // The entries of the last pop-up menu; a separator is an empty entry.
    const QStringList& LastMenu() const { return lastMenu_; }
    const QStringList& Complaints() const { return complaints_; }

    void ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                        unsigned type) override;
    int RunModal(ui::Dialog& dialog) override;
    QAction* TrackPopupMenu(QMenu& menu, const QPoint& globalPosition) override;
    std::optional<QString> ChooseFolder(const ui::FolderRequest& request) override;
    std::optional<QString> ChooseFileToOpen(const ui::FileRequest& request) override;

  private:
    // Runs open, which shows a file dialog modally, and hands that dialog to the step.
    std::optional<QString> DriveRealDialog(const RealDialogStep& step,
                                           const std::function<std::optional<QString>()>& open);

    ui::ScopedModalSeam scope_;
    std::deque<DialogStep> dialogSteps_;
    std::deque<QString> menuAnswers_;
    std::deque<FolderStep> folderSteps_;
    std::deque<FileStep> fileSteps_;
    QStringList messages_;
    QList<bool> waitCursorAtMessages_;
    QStringList lastMenu_;
    QStringList complaints_;
};

// A message box as Messages() lists it.
QString Box(const QString& caption, const QString& text, unsigned type);

} // namespace glyphsmith::test
