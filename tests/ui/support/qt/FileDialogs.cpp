#include "FileDialogs.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace glyphsmith::test {

QPushButton* AcceptButton(QFileDialog& dialog) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    return buttons != nullptr ? buttons->button(QDialogButtonBox::Open) : nullptr;
}

QLineEdit* NameLine(QFileDialog& dialog) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

void TypeName(QFileDialog& dialog, const QString& name) {
    QLineEdit* line = NameLine(dialog);
    line->setFocus();
    line->selectAll();
    QTest::keyClicks(line, name);
    Settle();
}

void Settle() {
    QTest::qWait(50);
}

} // namespace glyphsmith::test
