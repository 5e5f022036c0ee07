#include "ApplicationObject.h"

#include "IconResource.h"
#include "MainDialog.h"
#include "Resources.h"
#include "SettingsStore.h"

#include <QApplication>

namespace glyphsmith {

bool ApplicationObject::InitInstance() {
    QCoreApplication::setOrganizationName(QString::fromUtf8(kOrganisation));
    QCoreApplication::setApplicationName(QString::fromStdString(ProgramBaseName()));
    QApplication::setWindowIcon(ui::IconResource(res::kApplicationIconId));
    MainDialog dialog;
    dialog.DoModal();
    return false;
}

} // namespace glyphsmith
