#include "ApplicationObject.h"

#include "MainDialog.h"
#include "Resources.h"
#include "SettingsStore.h"

#include <QApplication>

namespace glyphsmith {

bool ApplicationObject::InitInstance() {
    QCoreApplication::setOrganizationName(QString::fromUtf8(kOrganisation));
    QCoreApplication::setApplicationName(ProgramBaseName());
    QApplication::setWindowIcon(res::IconResource(res::kApplicationIconId));
    MainDialog dialog;
    dialog.DoModal();
    return false;
}

} // namespace glyphsmith
