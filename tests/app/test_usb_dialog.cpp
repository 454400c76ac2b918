// "保存到U盘": the export dialog writing to a temporary folder offered as a
// mounted volume.

#include "app/findingsdialog.h"
#include "app/mainwindow.h"
#include "app/usbdialog.h"
#include "support_devices.h"
#include "usbdisk/usbexport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dotsign;
using namespace dotsign::test;

namespace {

ScreenSetup onePageProgram()
{
    ScreenSetup setup;
    setup.width = 128;
    setup.height = 32;
    setup.templates = {1};
    setup.edit = [](ProjectState& s) { s.zone(1, 1).zoneText = QStringLiteral("U盘"); };
    return setup;
}

} // namespace

TEST(UsbDialog, ExportsToTheChosenVolumeAndNamesIt)
{
    DeviceRig rig;
    rig.open(onePageProgram());
    QTemporaryDir fixedDisk;
    QTemporaryDir stick;
    rig.context->volumes = [&] {
        return QList<UsbVolume>{{QStringLiteral("系统"), fixedDisk.path(), false},
                                {QStringLiteral("KINGSTON"), stick.path(), true}};
    };
    bool disabledInside = false;
    rig.onDialog<TF_usb>([&](TF_usb& d) {
        disabledInside = !rig.context->commands.isEnabled();
        EXPECT_EQ(d.windowTitle(), QStringLiteral("U盘数据保存"));
        EXPECT_EQ(d.volumeBox()->count(), 2);
        d.volumeBox()->setCurrentIndex(1);
        d.borderBox()->setChecked(true);
        clickButton(d, QStringLiteral("保存"));
        EXPECT_EQ(d.programPanel()->text(), QStringLiteral("正在下载节目1"));
        EXPECT_EQ(d.percentPanel()->text(), QStringLiteral("100%"));
        return int(QDialog::Rejected);
    });
    rig.trigger("T_Usb");
    EXPECT_TRUE(disabledInside);
    EXPECT_TRUE(rig.context->commands.isEnabled());
    EXPECT_EQ(rig.fx.dialogs.messages, std::vector<QString>{QStringLiteral("数据导入到KINGSTON盘。")});
    QFile file(usbExportPath(stick.path()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.left(8), QByteArray("01013130")) << "address 1, one program, border on, no settings";
    EXPECT_EQ(bytes.size(), 8 + 504 + 1060 + 530);
    EXPECT_FALSE(QFile::exists(usbExportPath(fixedDisk.path())));
    EXPECT_TRUE(rig.card.log().empty()) << "the export never touches the port";
    EXPECT_EQ(rig.fx.selectedLabel(), QStringLiteral("分区1*")) << "zone 1 is shown again afterwards";
}

TEST(UsbDialog, FailedExportSaysSoAndKeepsTheDialogUsable)
{
    DeviceRig rig;
    rig.open(onePageProgram());
    QTemporaryDir dir;
    // A file where the folder should go: the export cannot create "zorva".
    QFile blocker(dir.filePath(QStringLiteral("zorva")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    rig.context->volumes = [&] { return QList<UsbVolume>{{QStringLiteral("E"), dir.path(), true}}; };
    bool saveEnabledAfter = false;
    rig.onDialog<TF_usb>([&](TF_usb& d) {
        clickButton(d, QStringLiteral("保存"));
        saveEnabledAfter = d.saveButton()->isEnabled();
        return int(QDialog::Rejected);
    });
    rig.trigger("T_Usb");
    ASSERT_EQ(rig.fx.dialogs.messages.size(), 1u);
    EXPECT_TRUE(rig.fx.dialogs.messages[0].startsWith(QStringLiteral("数据没有导入成功。")));
    EXPECT_TRUE(saveEnabledAfter);
}

TEST(UsbDialog, NoVolumeNothingToSave)
{
    DeviceRig rig;
    rig.open(onePageProgram());
    rig.context->volumes = [] { return QList<UsbVolume>(); };
    bool saveEnabled = true;
    rig.onDialog<TF_usb>([&](TF_usb& d) {
        saveEnabled = d.saveButton()->isEnabled();
        return int(QDialog::Rejected);
    });
    rig.trigger("T_Usb");
    EXPECT_FALSE(saveEnabled);
    EXPECT_TRUE(rig.fx.dialogs.messages.empty());
}

TEST(UsbVolumes, RemovableVolumesComeFirst)
{
    const QList<UsbVolume> volumes = mountedUsbVolumes();
    bool seenFixed = false;
    for (const UsbVolume& v : volumes) {
        EXPECT_FALSE(v.rootPath.isEmpty());
        if (!v.removable)
            seenFixed = true;
        else
            EXPECT_FALSE(seenFixed) << v.rootPath.toStdString();
    }
}
