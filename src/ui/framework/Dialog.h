#pragma once

#include "DataExchange.h"
#include "DialogCodes.h"
#include "DialogTemplate.h"
#include "DialogUnits.h"
#include "MessageMap.h"
#include "SystemMenu.h"

#include <QDialog>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace glyphsmith::ui {

// A modal dialog built from a template, with the dialog framework's ways: data exchange
// through DoDataExchange, button clicks through a message map, OK and Cancel as commands
// IDOK and IDCANCEL, and every modal wait through the modal seam.
//
// Enter presses the focused push button, else the default button, else sends IDOK;
// Escape, the close box and the Close system command send IDCANCEL. Unless a derived map
// takes them, IDOK runs OnOK and IDCANCEL OnCancel.
class Dialog : public QDialog {
  public:
    // Creates the controls in template order; the dialog shows when DoModal runs it.
    explicit Dialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);

    // Runs OnInitDialog, then the modal loop; IDOK or IDCANCEL.
    int DoModal();
    void EndDialog(int result);

    // The first control with this id, or null.
    QWidget* GetDlgItem(int id) const;

    // Runs DoDataExchange: true copies the controls into the members with their checks,
    // false the members into the controls. False when a check failed.
    bool UpdateData(bool saveAndValidate = true);

    // A message box owned by this dialog; an empty caption shows the program's name.
    void MessageBox(std::string_view text, std::string_view caption = {}, unsigned type = MB_OK);
    void BeginWaitCursor();
    void EndWaitCursor();

    // Null where the window has none.
    SystemMenu* GetSystemMenu();

  protected:
    // Copies the members into the controls; true lets the first tab stop take the focus.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(DataExchange& dx);
    virtual MessageMap GetMessageMap() const { return {}; }
    virtual void OnOK();
    virtual void OnCancel();
    // A command of the system menu; the default processing closes on kCloseCommand.
    virtual void OnSysCommand(unsigned command);

    void accept() override;
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;
#ifdef _WIN32
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#else
    void contextMenuEvent(QContextMenuEvent* event) override;
#endif

  private:
    void CreateControls(const DialogTemplate& dialogTemplate);
    QWidget* CreateControl(const ControlTemplate& control);
    void OnCommand(int id);
    void PressEnter();
    void FocusFirstTabStop();

    const QFont dialogFont_;
    const DialogUnits units_;
    std::vector<std::pair<int, QWidget*>> controls_;
    std::unique_ptr<SystemMenu> systemMenu_;
#ifdef _WIN32
    bool passSysCommandOn_ = false;
#endif
};

} // namespace glyphsmith::ui
