#include "UiTestCase.h"

#include <QTest>

namespace glyphsmith::test {

int UiTestCase::Run(ui::Dialog& dialog, ScriptedModalSeam::DialogStep step) {
    scene_->seam.OnNextDialog(std::move(step));
    return dialog.DoModal();
}

void UiTestCase::init() {
    scene_ = std::make_unique<Scene>();
}

void UiTestCase::cleanup() {
    const QStringList complaints = scene_->seam.Complaints();
    scene_.reset();
    QVERIFY2(complaints.isEmpty(), qPrintable(complaints.join('\n')));
}

} // namespace glyphsmith::test
