// Program entry: one copy per user, the main window and the task filter, the message loop.

#include <QSessionManager>

#include "app/application.h"
#include "app/main.h"
#include "app/singleinstance.h"
#include "app/taskfilter.h"
#include "filters/complete.h"
#include "filters/filter.h"
#include "settings/options.h"
#include "filters/completedlog.h"
#include "common/platform.h"
#include "common/qtplatform.h"
#include "common/windowing.h"

int main(int argc, char** argv) {
    CalvoraApplication app(argc, argv);
    InstallQtPlatform();

    SingleInstance instance;
    if (!instance.becomePrimary()) return 0;

    TfrmMain frmMain;
    if (!frmMain.FormCreate()) return 1;
    TaskFilter filter;
    TfrmFilter frmFilter(filter);
    frmMain.setFilter(&filter);
    frmMain.setFilterWindow(&frmFilter);
    TfrmOptions frmOptions;
    frmMain.setOptionsWindow(&frmOptions);
    CompletedLog completedLog;
    TfrmComplete frmComplete(completedLog);
    frmMain.setCompletedLog(&completedLog, &frmComplete);

    QObject::connect(&instance, &SingleInstance::activationRequested, &frmMain,
                     [&frmMain] { ForceForegroundWindow(&frmMain); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &frmMain,
                     [&frmMain](QSessionManager&) { frmMain.WMQueryEndSession(); });

    frmMain.show();
    return app.exec();
}
