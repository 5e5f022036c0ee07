// SPDX-License-Identifier: MIT
#include "SystemDialogs.h"
#include "WidgetHandles.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace glyphsmith::ui {

namespace {

bool LiesWithin(const std::string& path, const std::string& root) {
    const QString relative = QDir(FromUtf8(root)).relativeFilePath(FromUtf8(path));
    return !QDir::isAbsolutePath(relative) && relative != QStringLiteral("..") &&
           !relative.startsWith(QStringLiteral("../"));
}

// Qt's own directory chooser, not the platform's: only this one lets the verdict on the
// selection govern the OK button and show a status line.
class FolderChooserDialog final : public QFileDialog {
  public:
    explicit FolderChooserDialog(const FolderRequest& request);

    std::string SelectedPath() const {
        return QDir::toNativeSeparators(selectedFiles().value(0)).toStdString();
    }

  protected:
    // A selection that the verdict refused is never taken, even if Qt enabled the button.
    void accept() override;

  private:
    void AddStatusLine();
    void OpenAtInitialFolder();
    void WatchSelection();
    void ScheduleValidation();
    void ValidateSelection();

    const FolderRequest& request_;
    QLabel* statusLine_ = nullptr;
    bool validationPending_ = false;
    bool selectionAllowed_ = true;
};

FolderChooserDialog::FolderChooserDialog(const FolderRequest& request)
    : QFileDialog(OwnerWidget(request.owner)), request_(request) {
    setOption(DontUseNativeDialog);
    setFileMode(Directory);
    setOption(ShowDirsOnly);
    setLabelText(LookIn, FromUtf8(request.prompt));
    if (request.showStatusText) {
        AddStatusLine();
    }
    WatchSelection();
    OpenAtInitialFolder();
    if (!request.caption.empty()) {
        setWindowTitle(FromUtf8(request.caption));
    }
    ScheduleValidation();
}

void FolderChooserDialog::accept() {
    if (validationPending_) {
        ValidateSelection();
    }
    if (selectionAllowed_) {
        QFileDialog::accept();
    }
}

void FolderChooserDialog::AddStatusLine() {
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        statusLine_ = new QLabel(this);
        statusLine_->setTextFormat(Qt::PlainText);
        grid->addWidget(statusLine_, grid->rowCount(), 0, 1, grid->columnCount());
    }
}

// The chooser opens in the folder with nothing selected in it, so that OK takes the folder
// as it stands; a folder that does not exist leaves the chooser where it would start.
void FolderChooserDialog::OpenAtInitialFolder() {
    if (!request_.rootFolder.empty()) {
        setDirectory(FromUtf8(request_.rootFolder));
    }
    const QFileInfo initialFolder(FromUtf8(request_.initialFolder));
    if (!request_.initialFolder.empty() && initialFolder.isDir()) {
        setDirectory(initialFolder.absoluteFilePath());
    }
}

// Qt tells of a change before its name line follows it, so the verdict waits for the
// event loop; one verdict serves a burst of changes.
void FolderChooserDialog::WatchSelection() {
    connect(this, &QFileDialog::currentChanged, this, [this] { ScheduleValidation(); });
    connect(this, &QFileDialog::directoryEntered, this, [this] { ScheduleValidation(); });
    if (auto* nameLine = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        connect(nameLine, &QLineEdit::textChanged, this, [this] { ScheduleValidation(); });
    }
}

void FolderChooserDialog::ScheduleValidation() {
    if (validationPending_) {
        return;
    }
    validationPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (validationPending_) {
                ValidateSelection();
            }
        },
        Qt::QueuedConnection);
}

// A folder outside the root is not offered to the verdict: the chooser refuses it.
void FolderChooserDialog::ValidateSelection() {
    validationPending_ = false;
    const std::string path = SelectedPath();
    std::string status;
    selectionAllowed_ = (request_.rootFolder.empty() || LiesWithin(path, request_.rootFolder)) &&
                        request_.validateSelection(path, status);
    if (statusLine_ != nullptr) {
        statusLine_->setText(FromUtf8(status));
    }
    if (auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Open)) {
            ok->setEnabled(selectionAllowed_);
        }
    }
}

} // namespace

std::optional<std::string> RunFolderChooser(const FolderRequest& request) {
    if (!request.rootFolder.empty() && !QFileInfo(FromUtf8(request.rootFolder)).isDir()) {
        return std::nullopt;
    }
    FolderChooserDialog dialog(request);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.SelectedPath();
}

} // namespace glyphsmith::ui
