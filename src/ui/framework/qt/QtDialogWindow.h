// SPDX-License-Identifier: MIT
#pragma once

#include "DialogUnits.h"
#include "DialogWindow.h"

#include <QDialog>
#include <vector>

namespace glyphsmith::ui {

// A dialog's window on Qt: a QDialog with the template's controls as its children, sized
// in the dialog units of the template's font.
class QtDialogWindow final : public QDialog, public DialogWindow {
  public:
    QtDialogWindow(Dialog& dialog, const DialogTemplate& dialogTemplate, QWidget* parent);

    bool Exists() const override { return true; }
    std::span<const Control> Controls() const override { return controls_; }
    int RunModalLoop() override;
    void End(int result) override;
    void SetIcon(int iconId) override;
    bool HasSystemMenu() const override { return true; }
    void AppendSystemMenuItem(const SystemMenu::Item& item) override;
    void DefaultSysCommand(unsigned command) override;

    // Shows the system menu's stand-in at a point of the screen and runs the chosen
    // command.
    void TrackSystemMenu(const QPoint& globalPosition);

  protected:
    void accept() override;
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void CreateControls(const DialogTemplate& dialogTemplate);
    QWidget* CreateControl(const ControlTemplate& control);
    void PressEnter();

    Dialog& dialog_;
    const QFont dialogFont_;
    const DialogUnits units_;
    std::vector<Control> controls_;
    std::vector<SystemMenu::Item> systemMenu_;
};

} // namespace glyphsmith::ui
