// Pictures of the device dialogs as the operator sees them. With
// DOTSIGN_SCREENSHOT_DIR set they are saved there for a look.

#include "app/borderdialog.h"
#include "app/discoverydialog.h"
#include "app/downloaddialog.h"
#include "app/findingsdialog.h"
#include "app/hardwaredialog.h"
#include "app/lightdialog.h"
#include "app/managerdialog.h"
#include "app/portdialog.h"
#include "app/timerdialog.h"
#include "app/usbdialog.h"
#include "render/fonts.h"
#include "support_devices.h"

#include <QDir>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace dotsign;
using namespace dotsign::test;

namespace {

void picture(QWidget& w, const QString& name)
{
    w.adjustSize();
    const QPixmap shot = w.grab();
    EXPECT_FALSE(shot.isNull()) << name.toStdString();
    EXPECT_GT(shot.width(), 100) << name.toStdString();
    const QString dir = qEnvironmentVariable("DOTSIGN_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        shot.save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

} // namespace

TEST(DevicePictures, EveryDialogDraws)
{
    installLedFontSubstitutions();
    DeviceRig rig;
    rig.open({QStringLiteral("B类卡"), 128, 32, {2}});
    DeviceContext& c = *rig.context;
    rig.context->clock = [] { return QDateTime(QDate(2009, 5, 7), QTime(8, 6, 1)); };

    TFSETTIMER timer(c);
    picture(timer, QStringLiteral("timer"));
    TFLight light(c);
    picture(light, QStringLiteral("light"));
    TF_LSBK border(c);
    picture(border, QStringLiteral("border"));
    TFMANA prompt(c);
    picture(prompt, QStringLiteral("prompt"));
    TF_SET1 hardware(c);
    for (int i = 0; i < hardware.pages()->count(); ++i) {
        hardware.pages()->setCurrentIndex(i);
        picture(hardware, QStringLiteral("hardware-%1").arg(i));
    }
    PortSettingsDialog port({QStringLiteral("ttyUSB0"), QStringLiteral("ttyS0")}, rig.fx.state.serial);
    picture(port, QStringLiteral("port"));
    TF_com discovery(c);
    picture(discovery, QStringLiteral("discovery"));
    TFDown down;
    down.begin({4096, 512}, 9600, true);
    down.programStarted(1, 4096);
    down.progress(1024, 4096);
    picture(down, QStringLiteral("download"));
    c.volumes = [] {
        return QList<UsbVolume>{{QStringLiteral("KINGSTON"), QStringLiteral("/media/k"), true}};
    };
    TF_usb usb(c);
    picture(usb, QStringLiteral("usb"));
    rig.fx.state.program(1).startDate = QStringLiteral("2009-13-45");
    FindingsDialog findings(checkProjectRecords(rig.fx.state));
    picture(findings, QStringLiteral("findings"));
}
