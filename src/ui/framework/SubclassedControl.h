#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>

namespace glyphsmith::ui {

// A C++ object that takes over a control that a template created, as the dialog
// framework's subclassing does: once attached it sees every event of the control before
// the control itself. The control stays the dialog's; either may be destroyed first.
class SubclassedControl : public QObject {
  public:
    // Attaches to the control and runs PreSubclassWindow; false when already attached.
    bool SubclassWindow(QWidget* control);
    QWidget* Window() const { return window_; }

  protected:
    // Runs once, when the object takes the control over.
    virtual void PreSubclassWindow() {}
    // An event of the control; true when handled, so that the control never sees it.
    virtual bool WindowEvent(QEvent* event);

  private:
    bool eventFilter(QObject* watched, QEvent* event) override;

    QPointer<QWidget> window_;
};

// A label control taken over by an object.
class StaticControl : public SubclassedControl {
  public:
    QLabel* Label() const { return qobject_cast<QLabel*>(Window()); }
};

} // namespace glyphsmith::ui
